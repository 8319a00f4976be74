// conversion/ConversionRun.h: one pass from the export to the corrected copy, shared by the
// dialog, the command-line converter and the tests.
#pragma once

#include <cstdint>

#include "conversion/TimeOnRewrite.h"
#include "platform/CString.h"

// Where the lines come from.
class LogSource {
  public:
    enum class Read { Line, End, Failed };

    virtual ~LogSource() = default;
    virtual bool Open() = 0;
    // Number of lines still to read, or -1 when they cannot be counted in advance.
    virtual std::int64_t CountLines() = 0;
    virtual Read ReadLine(CString& line) = 0;
    virtual void Close() = 0;
};

// Where the lines go. Each line is written with CR LF.
class LogSink {
  public:
    virtual ~LogSink() = default;
    virtual bool Create() = 0;
    virtual bool WriteLine(const CString& line) = 0;
    // False when anything written so far did not reach its destination.
    virtual bool Close() = 0;
    // Removes what Create made, after a failure, so no incomplete copy is left to be imported.
    virtual void Discard() = 0;
};

// Whoever started the run: shown progress, the final message, and the end of the run.
class ConversionHost {
  public:
    virtual ~ConversionHost() = default;
    // Asked once, before anything is opened: counting lines costs a pass over the input.
    virtual bool WantsProgress() const { return true; }
    virtual void SetProgressRange(std::int64_t totalLines) = 0;
    virtual void SetProgress(std::int64_t linesWritten) = 0;
    // Text in Windows-1251.
    virtual void ShowMessage(const char* text) = 0;
    virtual void EndRun() = 0;
    // Every record line as read, before it is rewritten; for reviewing a log, not for display.
    virtual void OnRecordLine(std::int64_t /*lineNumber*/, const CString& /*line*/,
                              const RecordScan& /*scan*/) {}
};

enum class RunOutcome { Converted, InputNotOpened, InputNotRead, OutputNotWritten };

struct RunTally {
    std::int64_t lines = 0;
    std::int64_t recordsGivenTimeOff = 0;   // record lines the rule applied to
    std::int64_t linesChanged = 0;          // of those, the ones whose bytes differ
    std::int64_t recordsLeftUnchanged = 0;  // record lines with a time field missing or malformed
};

struct RunReport {
    RunOutcome outcome = RunOutcome::Converted;
    RunTally tally;
};

// Opens the source, creates the sink, and passes every line through RewriteTimeOn in order.
// On a failure the sink's incomplete output is discarded and the host is told which file failed;
// in every case the host's EndRun is the last call.
RunReport RunConversion(LogSource& source, LogSink& sink, ConversionHost& host);

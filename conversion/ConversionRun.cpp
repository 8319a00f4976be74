// conversion/ConversionRun.cpp: the conversion loop and its progress reporting.
#include "conversion/ConversionRun.h"

#include "conversion/Messages.h"

namespace {

// A bar a few hundred pixels wide cannot show finer steps, and each report costs the host a
// window message: 200 reports a run keep the bar smooth and the run fast.
constexpr std::int64_t kReportsPerRun = 200;
// Without a total there is no bar, only a counter; a report per 64 Ki lines is enough.
constexpr std::int64_t kLinesPerReportWithoutTotal = 65536;

// Tells the host the range once, then the line count whenever the bar would move.
class ProgressReporter {
  public:
    ProgressReporter(ConversionHost& host, LogSource& source) : m_host(host) {
        m_enabled = host.WantsProgress();
        std::int64_t totalLines = m_enabled ? source.CountLines() : -1;
        if (totalLines >= 0) {
            host.SetProgressRange(totalLines);
        }
        m_step = totalLines > 0 ? (totalLines + kReportsPerRun - 1) / kReportsPerRun
                                : kLinesPerReportWithoutTotal;
    }

    void LineWritten(std::int64_t linesWritten) {
        if (m_enabled && linesWritten - m_lastReported >= m_step) {
            Report(linesWritten);
        }
    }

    void Finished(std::int64_t linesWritten) {
        if (m_enabled && linesWritten != m_lastReported) {
            Report(linesWritten);
        }
    }

  private:
    void Report(std::int64_t linesWritten) {
        m_host.SetProgress(linesWritten);
        m_lastReported = linesWritten;
    }

    ConversionHost& m_host;
    bool m_enabled;
    std::int64_t m_step;
    std::int64_t m_lastReported = 0;
};

void Tally(RunTally& tally, const RecordScan& scan) {
    if (scan.IsRewritable()) {
        ++tally.recordsGivenTimeOff;
    } else if (scan.IsRecord()) {
        ++tally.recordsLeftUnchanged;
    }
}

RunReport Finish(ConversionHost& host, RunOutcome outcome, const RunTally& tally,
                 const char* message) {
    host.ShowMessage(message);
    host.EndRun();
    return {outcome, tally};
}

}  // namespace

RunReport RunConversion(LogSource& source, LogSink& sink, ConversionHost& host) {
    RunTally tally;
    if (!source.Open()) {
        return Finish(host, RunOutcome::InputNotOpened, tally, kInputMissingMessage);
    }
    if (!sink.Create()) {
        source.Close();
        return Finish(host, RunOutcome::OutputNotWritten, tally, kOutputUnwritableMessage);
    }
    ProgressReporter progress(host, source);
    RunOutcome outcome = RunOutcome::Converted;
    CString line;
    for (;;) {
        LogSource::Read read = source.ReadLine(line);
        if (read != LogSource::Read::Line) {
            if (read == LogSource::Read::Failed) {
                outcome = RunOutcome::InputNotRead;
            }
            break;
        }
        RecordScan scan = ScanRecordLine(line);
        if (scan.IsRecord()) {
            host.OnRecordLine(tally.lines + 1, line, scan);
            Tally(tally, scan);
            tally.linesChanged += RewriteTimeOnInPlace(line, scan) ? 1 : 0;
        }
        if (!sink.WriteLine(line)) {
            outcome = RunOutcome::OutputNotWritten;
            break;
        }
        ++tally.lines;
        progress.LineWritten(tally.lines);
    }
    if (outcome == RunOutcome::Converted) {
        progress.Finished(tally.lines);
    }
    if (!sink.Close() && outcome == RunOutcome::Converted) {
        outcome = RunOutcome::OutputNotWritten;
    }
    source.Close();
    switch (outcome) {
        case RunOutcome::InputNotRead:
            sink.Discard();
            return Finish(host, outcome, tally, kInputUnreadableMessage);
        case RunOutcome::OutputNotWritten:
            sink.Discard();
            return Finish(host, outcome, tally, kOutputUnwritableMessage);
        default:
            return Finish(host, outcome, tally, kCompletionMessage);
    }
}

// cli/main.cpp: halvrin-convert, the conversion without a window, for scripts and other systems.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

#include "cli/CommandLine.h"
#include "cli/ConsoleHost.h"
#include "conversion/FileLog.h"

namespace {

enum ExitCode { kDone = 0, kInputFailed = 1, kOutputFailed = 2, kBadUsage = 64 };

// Inputs from this size up take long enough for a progress line to help.
constexpr std::uintmax_t kProgressFromBytes = 32u << 20;

// A null sink: --check reads and reviews, and writes nothing.
class NoOutput : public LogSink {
  public:
    bool Create() override { return true; }
    bool WriteLine(const CString& /*line*/) override { return true; }
    bool Close() override { return true; }
    void Discard() override {}
};

std::string Describe(const std::string& fileName, const char* standardStream) {
    return fileName == "-" ? std::string(standardStream) : "'" + fileName + "'";
}

bool WantsProgressLine(const CommandLine& command) {
    if (command.quiet || command.input == "-" || !isatty(2)) {
        return false;
    }
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(command.input, error);
    return !error && size >= kProgressFromBytes;
}

void PrintSummary(const CommandLine& command, const RunTally& tally, const ConsoleHost& host) {
    if (command.quiet) {
        return;
    }
    std::fprintf(stderr,
                 "%lld lines, %lld records given their TIME_OFF, %lld record lines left "
                 "unchanged",
                 static_cast<long long>(tally.lines),
                 static_cast<long long>(tally.recordsGivenTimeOff),
                 static_cast<long long>(tally.recordsLeftUnchanged));
    if (command.action == CommandLine::Action::Check) {
        std::fprintf(stderr,
                     "; %lld lines would change, %lld records have a TIME_OFF earlier "
                     "than their TIME_ON; nothing written",
                     static_cast<long long>(tally.linesChanged),
                     static_cast<long long>(host.RecordsEndingBeforeStart()));
    }
    std::fputc('\n', stderr);
}

// Nothing incomplete stays on disk; what already went down a pipe cannot be taken back.
const char* WhatWasKept(const FileLogSink& sink) {
    return sink.FileName() == "-" ? "standard output is incomplete" : "no output kept";
}

int ReportFailure(RunOutcome outcome, const FileLogSource& source, const FileLogSink& sink) {
    std::string input = Describe(source.FileName(), "standard input");
    switch (outcome) {
        case RunOutcome::InputNotOpened:
            std::fprintf(stderr, "halvrin-convert: cannot open %s: %s\n", input.c_str(),
                         std::strerror(source.LastError()));
            return kInputFailed;
        case RunOutcome::InputNotRead:
            std::fprintf(stderr, "halvrin-convert: cannot read %s: %s; %s\n", input.c_str(),
                         std::strerror(source.LastError()), WhatWasKept(sink));
            return kInputFailed;
        default:
            break;
    }
    std::string output = Describe(sink.FileName(), "standard output");
    if (sink.RefusedAsInput()) {
        std::fprintf(stderr,
                     "halvrin-convert: will not write %s: it is the input %s (the same file or "
                     "a link to it)\n",
                     output.c_str(), input.c_str());
    } else {
        std::fprintf(stderr, "halvrin-convert: cannot write %s: %s; %s\n", output.c_str(),
                     std::strerror(sink.LastError()), WhatWasKept(sink));
    }
    return kOutputFailed;
}

int Convert(const CommandLine& command) {
    bool checking = command.action == CommandLine::Action::Check;
    ConsoleHost host(WantsProgressLine(command), checking);
    FileLogSource source(command.input);
    FileLogSink fileSink(command.output, source, COutputFile::Flush::WhenBufferFull);
    NoOutput noOutput;
    LogSink& sink = checking ? static_cast<LogSink&>(noOutput) : fileSink;
    RunReport report = RunConversion(source, sink, host);
    std::fflush(stdout);
    if (report.outcome != RunOutcome::Converted) {
        return ReportFailure(report.outcome, source, fileSink);
    }
    PrintSummary(command, report.tally, host);
    return kDone;
}

}  // namespace

int main(int argc, char** argv) {
    CommandLine command = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.action) {
        case CommandLine::Action::Help:
            std::fputs(kUsageText, stdout);
            return kDone;
        case CommandLine::Action::Version:
            std::printf("halvrin-convert %s\n", HALVRIN_VERSION);
            return kDone;
        case CommandLine::Action::Usage:
            std::fprintf(stderr, "halvrin-convert: %s (see --help)\n", command.usageError.c_str());
            return kBadUsage;
        default:
            return Convert(command);
    }
}

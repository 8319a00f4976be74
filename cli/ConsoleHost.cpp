// cli/ConsoleHost.cpp: progress line and record review for halvrin-convert.
#include "cli/ConsoleHost.h"

#include <string_view>

namespace {

const char* WhyLeftUnchanged(RecordLineShape shape) {
    switch (shape) {
        case RecordLineShape::TimeOnMissing:
            return "no <TIME_ON field";
        case RecordLineShape::TimeOffMissing:
            return "no <TIME_OFF field";
        case RecordLineShape::TimeOnMalformed:
            return "the TIME_ON field is malformed or cut off by the line end";
        case RecordLineShape::TimeOffMalformed:
            return "the TIME_OFF field is malformed or cut off by the line end";
        case RecordLineShape::FieldsOverlap:
            return "one time field lies inside the other's value";
        default:
            return "";
    }
}

void PrintValue(const CString& line, const TimeField& field) {
    std::fwrite(line.GetString() + field.valueStart, 1, static_cast<size_t>(field.valueLength),
                stdout);
}

}  // namespace

void ConsoleHost::SetProgress(std::int64_t linesWritten) {
    if (m_totalLines > 0) {
        std::fprintf(stderr, "\rhalvrin-convert: %3d%% of %lld lines",
                     static_cast<int>(linesWritten * 100 / m_totalLines),
                     static_cast<long long>(m_totalLines));
    } else {
        std::fprintf(stderr, "\rhalvrin-convert: %lld lines", static_cast<long long>(linesWritten));
    }
    m_progressShown = true;
}

void ConsoleHost::EndRun() {
    if (m_progressShown) {
        std::fputc('\n', stderr);
    }
}

void ConsoleHost::OnRecordLine(std::int64_t lineNumber, const CString& line,
                               const RecordScan& scan) {
    if (!m_reportRecords) {
        return;
    }
    if (!scan.IsRewritable()) {
        std::printf("line %lld: left unchanged: %s\n", static_cast<long long>(lineNumber),
                    WhyLeftUnchanged(scan.shape));
        return;
    }
    CString changed = line;
    if (!RewriteTimeOnInPlace(changed, scan)) {
        return;
    }
    std::printf("line %lld: TIME_ON ", static_cast<long long>(lineNumber));
    PrintValue(line, scan.timeOn);
    std::fputs(" -> ", stdout);
    PrintValue(line, scan.timeOff);
    if (EndsBeforeItStarts(line, scan)) {
        ++m_recordsEndingBeforeStart;
        std::fputs("  (TIME_OFF is earlier: crossed midnight UTC? QSO_DATE stays as it is)",
                   stdout);
    }
    std::fputc('\n', stdout);
}

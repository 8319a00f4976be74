// cli/ConsoleHost.h: the conversion run's host on a terminal: progress on standard error and,
// with --check, a line per record that would change or stays as it is.
#pragma once

#include <cstdint>
#include <cstdio>

#include "conversion/ConversionRun.h"

class ConsoleHost : public ConversionHost {
  public:
    ConsoleHost(bool showProgress, bool reportRecords)
        : m_showProgress(showProgress), m_reportRecords(reportRecords) {}

    bool WantsProgress() const override { return m_showProgress; }
    void SetProgressRange(std::int64_t totalLines) override { m_totalLines = totalLines; }
    void SetProgress(std::int64_t linesWritten) override;
    // The dialog's texts are for the dialog; here the caller words its own, naming the files.
    void ShowMessage(const char* /*text*/) override {}
    void EndRun() override;
    void OnRecordLine(std::int64_t lineNumber, const CString& line,
                      const RecordScan& scan) override;

    // Counted while reviewing records (--check).
    std::int64_t RecordsEndingBeforeStart() const { return m_recordsEndingBeforeStart; }

  private:
    bool m_showProgress;
    bool m_reportRecords;
    bool m_progressShown = false;
    std::int64_t m_totalLines = -1;
    std::int64_t m_recordsEndingBeforeStart = 0;
};

// tests/RecordingHost.h: a conversion host that writes down every call, in order.
#pragma once

#include <string>
#include <vector>

#include "conversion/ConversionRun.h"

class RecordingHost : public ConversionHost {
  public:
    void SetProgressRange(std::int64_t totalLines) override {
        calls.push_back("range " + std::to_string(totalLines));
    }
    void SetProgress(std::int64_t linesWritten) override {
        calls.push_back("progress " + std::to_string(linesWritten));
        positions.push_back(linesWritten);
    }
    void ShowMessage(const char* text) override { calls.push_back(std::string("message ") + text); }
    void EndRun() override { calls.push_back("end"); }

    std::vector<std::string> calls;
    std::vector<std::int64_t> positions;
};

// cli/CommandLine.h: what halvrin-convert was asked to do.
#pragma once

#include <string>
#include <vector>

struct CommandLine {
    enum class Action { Convert, Check, Help, Version, Usage };

    Action action = Action::Convert;
    std::string input = "tavu2.adi";
    std::string output = "Tavu_to_Logger.adi";
    bool quiet = false;
    std::string usageError;  // with Action::Usage
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

extern const char kUsageText[];

// cli/CommandLine.cpp: options and file names of halvrin-convert.
#include "cli/CommandLine.h"

#include <utility>

const char kUsageText[] =
    "Usage: halvrin-convert [OPTION]... [INPUT [OUTPUT]]\n"
    "Copy an ADIF log, giving every record line that begins with <STATION_CALLSIGN\n"
    "a TIME_ON equal to its TIME_OFF. Every other byte is copied unchanged; lines\n"
    "end in CR LF.\n"
    "\n"
    "INPUT defaults to tavu2.adi and OUTPUT to Tavu_to_Logger.adi, both in the\n"
    "current directory; '-' means standard input or standard output.\n"
    "\n"
    "  --check    write nothing; list each record line that would change or that is\n"
    "             left unchanged, and count the records whose TIME_OFF is earlier\n"
    "             than their TIME_ON (the contact crossed midnight UTC: the rule\n"
    "             leaves QSO_DATE as it is, so review those)\n"
    "  --quiet    no summary or progress on standard error\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Exit status: 0 done, 1 the input cannot be opened or read, 2 the output cannot\n"
    "be written (nothing incomplete is left behind), 64 bad usage.\n";

namespace {

CommandLine JustDo(CommandLine::Action action) {
    CommandLine line;
    line.action = action;
    return line;
}

CommandLine UsageError(std::string message) {
    CommandLine line = JustDo(CommandLine::Action::Usage);
    line.usageError = std::move(message);
    return line;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (!isOption) {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--check") {
            line.action = CommandLine::Action::Check;
        } else if (argument == "--quiet") {
            line.quiet = true;
        } else if (argument == "--help") {
            return JustDo(CommandLine::Action::Help);
        } else if (argument == "--version") {
            return JustDo(CommandLine::Action::Version);
        } else {
            return UsageError("unknown option '" + argument + "'");
        }
    }
    if (files.size() > 2) {
        return UsageError("too many file names: give at most INPUT and OUTPUT");
    }
    if (line.action == CommandLine::Action::Check && files.size() > 1) {
        return UsageError("--check writes nothing, so it takes no OUTPUT");
    }
    if (!files.empty()) {
        line.input = files[0];
    }
    if (files.size() > 1) {
        line.output = files[1];
    }
    return line;
}

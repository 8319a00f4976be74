// tests/gui/GuiTestMain.cpp: halvrin_gui_tests --app=HALVRIN_EXE --log=ADIF_LOG [gtest flags]
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/gui/AppDriver.h"

std::string g_logPath;

namespace {

bool TakeOption(const std::string& argument, const std::string& name, std::string& value) {
    if (argument.rfind(name, 0) != 0) {
        return false;
    }
    value = WindowsPath(argument.substr(name.size()));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (!TakeOption(argument, "--app=", g_appPath) &&
            !TakeOption(argument, "--log=", g_logPath)) {
            std::fprintf(stderr, "unknown argument %s\n", argv[i]);
            return 64;
        }
    }
    if (g_appPath.empty() || g_logPath.empty()) {
        std::fprintf(stderr, "usage: halvrin_gui_tests --app=HALVRIN_EXE --log=ADIF_LOG\n");
        return 64;
    }
    return RUN_ALL_TESTS();
}

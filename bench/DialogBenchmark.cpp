// bench/DialogBenchmark.cpp: halvrin_dialog_benchmark --app=HALVRIN_EXE --folder=DIR: times the
// dialog converting DIR\tavu2.adi, from the Start click to the completion message.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/gui/AppDriver.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument.rfind("--app=", 0) == 0) {
            g_appPath = WindowsPath(argument.substr(6));
        } else if (argument.rfind("--folder=", 0) == 0) {
            folder = WindowsPath(argument.substr(9));
        }
    }
    if (g_appPath.empty() || folder.empty()) {
        std::fprintf(stderr, "usage: halvrin_dialog_benchmark --app=HALVRIN_EXE --folder=DIR\n");
        return 64;
    }
    AppDriver app(folder);
    HWND dialog = app.WaitForMainDialog();
    if (dialog == nullptr) {
        std::fprintf(stderr, "the dialog did not appear\n");
        return 1;
    }
    LARGE_INTEGER clicked;
    LARGE_INTEGER told;
    QueryPerformanceCounter(&clicked);
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    HWND box = app.WaitForOwnedDialog();
    QueryPerformanceCounter(&told);
    if (box == nullptr) {
        std::fprintf(stderr, "no message box\n");
        return 1;
    }
    std::wstring text = MessageBoxText(box);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    app.WaitForExit();
    bool completed = text.rfind(L"Apllication finished!", 0) == 0;
    std::printf("%.3f\n", Seconds(clicked, told));
    return completed ? 0 : 1;
}

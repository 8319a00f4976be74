// tests/gui/AppDriver.h: runs halvrin.exe in a folder of its own and works its windows from
// outside, through window messages, as a person at the keyboard and mouse would.
#pragma once

#include <windows.h>

#include <string>

// Where halvrin.exe is; set from the command line.
extern std::string g_appPath;

// A path as Windows programs under Wine see it: /work/x becomes Z:\work\x.
std::string WindowsPath(std::string path);

// Milliseconds any one wait may take before the test fails instead of hanging.
constexpr DWORD kPatience = 30000;

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);

class AppDriver {
  public:
    // Starts halvrin.exe with `folder` as its current directory.
    explicit AppDriver(const std::string& folder);
    // Ends the program if a test left it running, so nothing outlives the test.
    ~AppDriver();
    AppDriver(const AppDriver&) = delete;
    AppDriver& operator=(const AppDriver&) = delete;

    // The main dialog, once it is shown and waiting for input; nullptr if it never is.
    HWND WaitForMainDialog();
    // A dialog of the program owned by the main dialog (a message box or the About box) whose
    // title is `title`, or any title when empty; nullptr if none appears.
    HWND WaitForOwnedDialog(const std::wstring& title = L"");
    // Waits until `window` is gone.
    bool WaitUntilClosed(HWND window);
    // The exit code, or -1 if the program had to be stopped after kPatience.
    int WaitForExit();
    bool HasExited() const;

    DWORD ProcessId() const { return m_process.dwProcessId; }
    DWORD ThreadId() const { return m_process.dwThreadId; }
    HWND MainDialog() const { return m_mainDialog; }

  private:
    PROCESS_INFORMATION m_process{};
    HWND m_mainDialog = nullptr;
};

// The text of a message box (its static control 0xFFFF).
std::wstring MessageBoxText(HWND box);
// Waits until `predicate` is true, checking every few milliseconds, for at most kPatience.
template <class Predicate>
bool WaitFor(Predicate predicate) {
    for (DWORD waited = 0; waited < kPatience; waited += 10) {
        if (predicate()) {
            return true;
        }
        Sleep(10);
    }
    return predicate();
}

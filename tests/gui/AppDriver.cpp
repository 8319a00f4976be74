// tests/gui/AppDriver.cpp: starting halvrin.exe and finding its windows.
#include "tests/gui/AppDriver.h"

#include <vector>

std::string g_appPath;

namespace {

struct Search {
    DWORD processId;
    HWND owner;
    std::wstring title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !IsWindowVisible(window) ||
        ClassName(window) != L"#32770" || GetWindow(window, GW_OWNER) != search->owner) {
        return TRUE;
    }
    if (!search->title.empty() && WindowText(window) != search->title) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

HWND FindDialog(DWORD processId, HWND owner, const std::wstring& title) {
    Search search{processId, owner, title, nullptr};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') {
        path = "Z:" + path;
    }
    for (char& ch : path) {
        ch = ch == '/' ? '\\' : ch;
    }
    return path;
}

std::wstring WindowText(HWND window) {
    // WM_GETTEXT is carried across processes, so controls of the program answer with their text.
    wchar_t text[512] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                        kPatience, &length);
    return std::wstring(text, length);
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = L"";
    int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

std::wstring MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, 0xFFFF));
}

AppDriver::AppDriver(const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + g_appPath + "\"";
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    CreateProcessA(g_appPath.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                   folder.c_str(), &startup, &m_process);
}

AppDriver::~AppDriver() {
    if (m_process.hProcess == nullptr) {
        return;
    }
    if (!HasExited()) {
        TerminateProcess(m_process.hProcess, 99);
        WaitForSingleObject(m_process.hProcess, kPatience);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

bool AppDriver::HasExited() const {
    return m_process.hProcess == nullptr ||
           WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0;
}

HWND AppDriver::WaitForMainDialog() {
    WaitFor([&] {
        m_mainDialog = FindDialog(m_process.dwProcessId, nullptr, L"");
        return m_mainDialog != nullptr || HasExited();
    });
    // The modal loop shows its dialog again the first time its queue runs empty: wait for that,
    // or it would undo whatever the test does first (a minimise, say).
    WaitForInputIdle(m_process.hProcess, kPatience);
    return m_mainDialog;
}

HWND AppDriver::WaitForOwnedDialog(const std::wstring& title) {
    HWND found = nullptr;
    WaitFor([&] {
        found = FindDialog(m_process.dwProcessId, m_mainDialog, title);
        return found != nullptr || HasExited();
    });
    return found;
}

bool AppDriver::WaitUntilClosed(HWND window) {
    return WaitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

int AppDriver::WaitForExit() {
    if (m_process.hProcess == nullptr) {
        return -1;
    }
    if (WaitForSingleObject(m_process.hProcess, kPatience) != WAIT_OBJECT_0) {
        TerminateProcess(m_process.hProcess, 99);
        WaitForSingleObject(m_process.hProcess, kPatience);
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(m_process.hProcess, &code);
    return static_cast<int>(code);
}

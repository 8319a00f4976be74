// tests/gui/InProcessDialogTest.cpp: the main dialog run inside this test program, for what Wine
// will not report to another process: the window's icons and its system menu.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/HalvrinDlg.h"
#include "platform/CWinApp.h"

namespace {

// The dialog loads its icon through the application object, as in halvrin.exe.
CWinApp g_testApplication;

using Inspection = void (*)(HWND dialog);
Inspection g_inspection = nullptr;

BOOL CALLBACK TakeFirstWindow(HWND window, LPARAM result) {
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

HWND ThisThreadsDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &TakeFirstWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK InspectThenCancel(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND dialog = ThisThreadsDialog();
    g_inspection(dialog);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

// Runs the main dialog modally; once its loop is going, a timer runs `inspection` on it and
// cancels it. Returns what DoModal returned.
INT_PTR WithMainDialog(Inspection inspection) {
    g_inspection = inspection;
    SetTimer(nullptr, 0, 50, &InspectThenCancel);
    CHalvrinDlg dialog;
    g_testApplication.m_pMainWnd = &dialog;
    INT_PTR result = dialog.DoModal();
    g_testApplication.m_pMainWnd = nullptr;
    return result;
}

HICON ApplicationIcon() {
    return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128));
}

TEST(MainDialogInside, UsesTheApplicationIconEverywhere) {
    ASSERT_NE(ApplicationIcon(), nullptr);
    INT_PTR result = WithMainDialog([](HWND dialog) {
        auto icon = reinterpret_cast<LRESULT>(ApplicationIcon());
        EXPECT_EQ(SendMessageW(dialog, WM_GETICON, ICON_BIG, 0), icon);
        EXPECT_EQ(SendMessageW(dialog, WM_GETICON, ICON_SMALL, 0), icon);
        EXPECT_EQ(SendMessageW(dialog, WM_QUERYDRAGICON, 0, 0), icon);

        ShowWindow(dialog, SW_MINIMIZE);
        EXPECT_TRUE(IsIconic(dialog));
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_EQ(SendMessageW(dialog, WM_QUERYDRAGICON, 0, 0), icon);
        ShowWindow(dialog, SW_RESTORE);
        EXPECT_FALSE(IsIconic(dialog));
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST(MainDialogInside, EndsTheSystemMenuWithTheAboutEntry) {
    INT_PTR result = WithMainDialog([](HWND dialog) {
        HMENU menu = GetSystemMenu(dialog, FALSE);
        ASSERT_NE(menu, nullptr);
        int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 2);
        EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR,
                  static_cast<UINT>(MF_SEPARATOR));
        EXPECT_EQ(GetMenuItemID(menu, count - 1), 0x0010u);
        wchar_t text[64] = L"";
        GetMenuStringW(menu, static_cast<UINT>(count - 1), text, 64, MF_BYPOSITION);
        EXPECT_EQ(std::wstring(text), L"&О проекте Halvrin...");
    });
    EXPECT_EQ(result, IDCANCEL);
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    g_testApplication.m_hInstance = GetModuleHandleW(nullptr);
    return RUN_ALL_TESTS();
}

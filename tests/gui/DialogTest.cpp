// tests/gui/DialogTest.cpp: halvrin.exe in real windows: what the user sees, what each way of
// closing it does, and what it leaves on disk.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "conversion/FileLog.h"
#include "tests/RecordingHost.h"
#include "tests/TestSupport.h"
#include "tests/gui/AppDriver.h"

// The real log the conversion cases use; set from the command line.
extern std::string g_logPath;

namespace {

namespace fs = std::filesystem;

const std::wstring kCompletion =
    L"Apllication finished! Файл для конвертации Tavu_to_Logger.adi готов! ";
const std::wstring kInputMissing = L"tavu2.adi not found. Apllication finished!";
const std::wstring kOutputUnwritable =
    L"Tavu_to_Logger.adi could not be written. Apllication finished!";
const std::wstring kAboutTitle = L"О проекте Halvrin";

// A folder with the real log in it as tavu2.adi, or with nothing.
struct Folder {
    explicit Folder(bool withLog) {
        if (withLog) {
            WriteBytes(Input(), ReadBytes(g_logPath));
        }
    }
    std::string Input() const { return dir / "tavu2.adi"; }
    std::string Output() const { return dir / "Tavu_to_Logger.adi"; }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.Path())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }
    TempDir dir;
};

// What the conversion core writes for the same log, to compare the dialog's output with.
std::string ExpectedOutput() {
    TempDir dir;
    WriteBytes(dir / "in.adi", ReadBytes(g_logPath));
    FileLogSource source(dir / "in.adi");
    FileLogSink sink(dir / "out.adi", source, COutputFile::Flush::WhenBufferFull);
    RecordingHost host;
    RunConversion(source, sink, host);
    return ReadBytes(dir / "out.adi");
}

HWND Control(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

void Click(HWND dialog, int id) {
    PostMessageW(Control(dialog, id), BM_CLICK, 0, 0);
}

// A key pressed while the dialog has the focus: the modal loop gives it to the focused control.
void PressKey(const AppDriver& app, WPARAM key) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND target = GetGUIThreadInfo(app.ThreadId(), &info) && info.hwndFocus != nullptr
                      ? info.hwndFocus
                      : Control(app.MainDialog(), IDOK);
    constexpr ULONG_PTR kReleased = 0xC0000001;  // repeat 1, was down, going up
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(kReleased));
}

// Checks a message box owned by the main dialog: its text, the default caption, an OK button
// only. Then presses OK.
void ExpectMessageAndConfirm(AppDriver& app, const std::wstring& text) {
    HWND box = app.WaitForOwnedDialog();
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(MessageBoxText(box), text);
    EXPECT_EQ(WindowText(box), L"halvrin") << "the caption is the application's name";
    EXPECT_NE(Control(box, IDOK), nullptr);
    EXPECT_EQ(Control(box, IDCANCEL), nullptr);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

struct ControlRow {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    LONG style;
};

TEST(MainDialog, ShowsItsTitleAndControls) {
    Folder folder(false);
    AppDriver app(folder.dir.Path().string());
    HWND dialog = app.WaitForMainDialog();
    ASSERT_NE(dialog, nullptr);

    EXPECT_EQ(WindowText(dialog), L"Korvane_Tavu2");
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    // Live styles; the template's own are checked in the exe's resources. The progress bar
    // trades its WS_BORDER for WS_EX_STATICEDGE when it is created, on Windows as under Wine.
    const ControlRow rows[] = {
        {IDOK, L"Button", L"Start", 0x50010001},
        {IDCANCEL, L"Button", L"Cancel", 0x50010000},
        {1000, L"msctls_progress32", L"", 0x50800000 & ~WS_BORDER},
    };
    for (const ControlRow& row : rows) {
        HWND control = Control(dialog, row.id);
        ASSERT_NE(control, nullptr) << "control " << row.id;
        EXPECT_EQ(ClassName(control), row.className) << "control " << row.id;
        EXPECT_EQ(WindowText(control), row.text) << "control " << row.id;
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE), row.style) << "control " << row.id;
    }

    Click(dialog, IDCANCEL);
    EXPECT_EQ(app.WaitForExit(), 0);
    EXPECT_TRUE(folder.Names().empty());
}

void ExpectConvertedAndExited(AppDriver& app, const Folder& folder, const std::string& log) {
    HWND dialog = app.MainDialog();
    HWND box = app.WaitForOwnedDialog();
    ASSERT_NE(box, nullptr) << "no message box";
    // While the message is up, the bar shows the whole log done.
    HWND bar = Control(dialog, 1000);
    LRESULT lines = SendMessageW(bar, PBM_GETRANGE, FALSE, 0);
    EXPECT_GT(lines, 0);
    EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, TRUE, 0), 0);
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), lines);
    ExpectMessageAndConfirm(app, kCompletion);
    EXPECT_EQ(app.WaitForExit(), 0);
    EXPECT_EQ(ReadBytes(folder.Output()), ExpectedOutput());
    EXPECT_EQ(ReadBytes(folder.Input()), log);
}

TEST(MainDialog, StartConvertsTheLogThenEnds) {
    Folder folder(true);
    std::string log = ReadBytes(folder.Input());
    AppDriver app(folder.dir.Path().string());
    ASSERT_NE(app.WaitForMainDialog(), nullptr);
    Click(app.MainDialog(), IDOK);
    ExpectConvertedAndExited(app, folder, log);
}

TEST(MainDialog, EnterPressesStart) {
    Folder folder(true);
    std::string log = ReadBytes(folder.Input());
    AppDriver app(folder.dir.Path().string());
    ASSERT_NE(app.WaitForMainDialog(), nullptr);
    PressKey(app, VK_RETURN);
    ExpectConvertedAndExited(app, folder, log);
}

struct CloseCase {
    const char* name;
    void (*close)(AppDriver& app);
};
void PrintTo(const CloseCase& row, std::ostream* out) {
    *out << row.name;
}

const CloseCase kCloseCases[] = {
    {"Esc", [](AppDriver& app) { PressKey(app, VK_ESCAPE); }},
    {"Cancel", [](AppDriver& app) { Click(app.MainDialog(), IDCANCEL); }},
    {"close box",
     [](AppDriver& app) { PostMessageW(app.MainDialog(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
};

class ClosingWithoutStart : public testing::TestWithParam<CloseCase> {};

TEST_P(ClosingWithoutStart, EndsTheProgramAndCreatesNothing) {
    Folder folder(true);
    AppDriver app(folder.dir.Path().string());
    ASSERT_NE(app.WaitForMainDialog(), nullptr);
    GetParam().close(app);
    EXPECT_EQ(app.WaitForExit(), 0);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"tavu2.adi"});
    EXPECT_EQ(ReadBytes(folder.Input()), ReadBytes(g_logPath));
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingWithoutStart, testing::ValuesIn(kCloseCases), RowName());

// Each row spoils the conversion in its own way; the user is told which file failed, the
// program ends, and nothing on disk is lost.
struct FailureCase {
    const char* name;
    bool withLog;
    void (*arrange)(const Folder& folder);
    bool holdOutputOpen;  // as a running logger might, with no sharing at all
    const std::wstring* message;
};
void PrintTo(const FailureCase& row, std::ostream* out) {
    *out << row.name;
}

const FailureCase kFailureCases[] = {
    {"no input", false, [](const Folder&) {}, false, &kInputMissing},
    {"output name taken by a folder", true,
     [](const Folder& folder) { fs::create_directory(folder.Output()); }, false,
     &kOutputUnwritable},
    {"output held open by another program", true,
     [](const Folder& folder) { WriteBytes(folder.Output(), "kept as it is\r\n"); }, true,
     &kOutputUnwritable},
    {"output is a hard link to the input", true,
     [](const Folder& folder) {
         CreateHardLinkA(folder.Output().c_str(), folder.Input().c_str(), nullptr);
     },
     false, &kOutputUnwritable},
};

class StartFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(StartFailure, TellsWhichFileFailedAndLosesNothing) {
    const FailureCase& row = GetParam();
    Folder folder(row.withLog);
    row.arrange(folder);
    HANDLE held = INVALID_HANDLE_VALUE;
    if (row.holdOutputOpen) {
        held = CreateFileA(folder.Output().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
    }
    std::vector<std::string> namesBefore = folder.Names();

    AppDriver app(folder.dir.Path().string());
    ASSERT_NE(app.WaitForMainDialog(), nullptr);
    Click(app.MainDialog(), IDOK);
    ExpectMessageAndConfirm(app, *row.message);
    EXPECT_EQ(app.WaitForExit(), 0);

    if (held != INVALID_HANDLE_VALUE) {
        CloseHandle(held);
        EXPECT_EQ(ReadBytes(folder.Output()), "kept as it is\r\n");
    }
    EXPECT_EQ(folder.Names(), namesBefore);
    if (row.withLog) {
        EXPECT_EQ(ReadBytes(folder.Input()), ReadBytes(g_logPath)) << "the input keeps its bytes";
    }
}

INSTANTIATE_TEST_SUITE_P(Files, StartFailure, testing::ValuesIn(kFailureCases), RowName());

class AboutBox : public testing::TestWithParam<WPARAM> {};

TEST_P(AboutBox, OpensFromTheSystemMenuCommandAndClosesBackToTheDialog) {
    Folder folder(false);
    AppDriver app(folder.dir.Path().string());
    HWND dialog = app.WaitForMainDialog();
    ASSERT_NE(dialog, nullptr);

    PostMessageW(dialog, WM_SYSCOMMAND, GetParam(), 0);
    HWND about = app.WaitForOwnedDialog(kAboutTitle);
    ASSERT_NE(about, nullptr) << "no About box";
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(about, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        texts.push_back(WindowText(child));
    }
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1], L"Halvrin, версия 1.0");
    EXPECT_EQ(texts[2], L"Начало QSO = конец QSO");
    EXPECT_EQ(texts[3], L"ОК");
    EXPECT_EQ(GetWindowLongW(GetWindow(about, GW_CHILD), GWL_STYLE) & SS_TYPEMASK, SS_ICON);
    EXPECT_FALSE(IsWindowEnabled(dialog)) << "the About box is modal";

    PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(app.WaitUntilClosed(about));
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(dialog) != FALSE; }));
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(WindowText(dialog), L"Korvane_Tavu2");
    EXPECT_EQ(WindowText(Control(dialog, IDOK)), L"Start");

    Click(dialog, IDCANCEL);
    EXPECT_EQ(app.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Commands, AboutBox, testing::Values(WPARAM{0x0010}, WPARAM{0x0013}));

TEST(MainDialog, SurvivesMinimiseAndRestoreAndStillConverts) {
    Folder folder(true);
    std::string log = ReadBytes(folder.Input());
    AppDriver app(folder.dir.Path().string());
    HWND dialog = app.WaitForMainDialog();
    ASSERT_NE(dialog, nullptr);

    // The dialog has no minimise box: the shell minimises it ("Show desktop"), as here.
    ShowWindowAsync(dialog, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(dialog) != FALSE; }));
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    PostMessageW(dialog, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(dialog) == FALSE; }));
    Click(dialog, IDOK);
    ExpectConvertedAndExited(app, folder, log);
}

}  // namespace

// The real Tavrex.exe under Wine: definitions written to the registry beforehand, keys pressed
// with SendInput, and what the user would see checked through a recorder helper program and
// stand-in windows for the shell ("ProgMan") and the editor.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "E2eSupport.h"

#include <shellapi.h>

using namespace e2e;

namespace {
const std::string kTavrinChanKey = "Software\\MoxApp\\TavrinChan";
const std::string kListKey = kTavrinChanKey + "\\HotKeys";
constexpr UINT kShowEditor = WM_USER + 2;
constexpr UINT kCloseEditor = WM_USER + 3;
constexpr UINT kReloadDefinitions = WM_USER + 4;
constexpr UINT kTrayNotify = WM_USER + 1;

bool SameFolder(std::string a, std::string b) {
    for (std::string* s : {&a, &b}) {
        while (!s->empty() && s->back() == '\\') s->pop_back();
        CharUpperA(s->data());
    }
    return a == b;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}
}  // namespace

class ServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "the tests need the Japanese code page (LANG=ja_JP.UTF-8)";
        service = staging.Copy(TAVREX_SERVICE_EXE, "Tavrex.exe");
        recorder = staging.Copy(TAVREX_RECORDER_EXE, "TavrexRecorder.exe");
        staging.Copy(TAVREX_RECORDER_EXE, "TavrexW.exe");  // the editor, as far as starting it goes
        work = staging.File("work");
        CreateDirectoryA(work.c_str(), nullptr);
        recordFile = staging.File("record.txt");
        SetEnvironmentVariableA("TAVREX_RECORD_FILE", recordFile.c_str());
        DeleteKeyTree(kTavrinChanKey);
    }

    Definition Launch(char key, bool ctrl, bool alt, bool shift, std::string parameters = {}) {
        Definition d{key, ctrl, alt, shift};
        d.command = recorder;
        d.parameters = std::move(parameters);
        return d;
    }
    static Definition Mode(char key, int extra) {
        Definition d{key};
        d.extra = extra;
        return d;
    }

    // Starts the service and waits until it has finished starting: its hidden window exists (the
    // hotkeys are probed by then) and answers a sent message, which it can do only once its
    // start-up has read and registered the definitions and its message loop runs.
    void StartService() {
        ASSERT_TRUE(process.Start(service, "", staging.Path()));
        ASSERT_TRUE(WaitUntil([] { return FindWindowA("TTvrDefFormD", "TvrDefFormD") != nullptr; }))
            << "the service's hidden window did not appear";
        serviceWindow = FindWindowA("TTvrDefFormD", "TvrDefFormD");
        DWORD_PTR result = 0;
        ASSERT_NE(SendMessageTimeoutA(serviceWindow, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result), 0)
            << "the service did not reach its message loop";
    }

    std::vector<std::map<std::string, std::string>> Records() const { return ReadRecords(recordFile); }
    bool WaitForRecords(std::size_t count) {
        return WaitUntil([&] { return Records().size() >= count; });
    }

    // Opens the tray menu as a right-button press on the icon does and chooses its last item, Exit.
    void ExitThroughMenu() {
        HWND tray = FindWindowA("TTvrTrayForm", "TvrTrayForm");
        ASSERT_NE(tray, nullptr);
        PostMessageA(tray, kTrayNotify, 100, WM_RBUTTONDOWN);
        ASSERT_TRUE(WaitUntil([] {
            HWND menu = FindWindowA("#32768", nullptr);
            return menu != nullptr && IsWindowVisible(menu);
        })) << "the tray menu did not open";
        PressKey(VK_UP);
        PressKey(VK_RETURN);
    }

    SavedKey savedKey{kTavrinChanKey};  // restored last
    StagingFolder staging;
    std::string service, recorder, work, recordFile;
    HWND serviceWindow = nullptr;
    Process process;  // terminated first if a test leaves it running
};

TEST_F(ServiceTest, LaunchStartsTheCommandWithItsParametersFolderAndShowCommand) {
    Definition minimised = Launch('N', false, false, true, "first \"second arg\"");
    minimised.directory = work;
    minimised.showCmd = SW_MINIMIZE;
    Definition maximised = Launch('M', true, false, false, "max");
    maximised.showCmd = SW_SHOWMAXIMIZED;
    WriteDefinitions(kListKey, {minimised, maximised});
    StartService();

    PressWinCombination('N', false, false, true);
    ASSERT_TRUE(WaitForRecords(1));
    PressWinCombination('M', true, false, false);
    ASSERT_TRUE(WaitForRecords(2));

    const auto records = Records();
    EXPECT_TRUE(SameFolder(records[0].at("module"), recorder)) << records[0].at("module");
    EXPECT_TRUE(EndsWith(records[0].at("cmdline"), " first \"second arg\"")) << records[0].at("cmdline");
    EXPECT_TRUE(SameFolder(records[0].at("cwd"), work)) << records[0].at("cwd");
    EXPECT_EQ(records[0].at("show"), "6");
    EXPECT_TRUE(EndsWith(records[1].at("cmdline"), " max")) << records[1].at("cmdline");
    EXPECT_EQ(records[1].at("show"), "3");
}

TEST_F(ServiceTest, ShellBindingPostsItsFunctionNumberToProgMan) {
    StandInWindow progMan("ProgMan", "Program Manager");
    WriteDefinitions(kListKey, {Mode('K', (9 << 3) | 2), Mode('J', 8)});
    StartService();

    PressWinCombination('K', false, false, false);
    ASSERT_TRUE(WaitUntil([&] { return progMan.Messages(WM_HOTKEY).size() >= 1; }));
    PressWinCombination('J', false, false, false);
    ASSERT_TRUE(WaitUntil([&] { return progMan.Messages(WM_HOTKEY).size() >= 2; }));

    const auto received = progMan.Messages(WM_HOTKEY);
    EXPECT_EQ(received[0].wParam, 9u);
    EXPECT_EQ(received[0].lParam, 0);
    EXPECT_EQ(received[1].wParam, 1u);  // Extra 8: not a launch, function number 1
    EXPECT_TRUE(Records().empty());
}

TEST_F(ServiceTest, PopupStartsTheEditorOrRaisesTheRunningOne) {
    WriteDefinitions(kListKey, {Mode('P', 1)});
    StartService();

    PressWinCombination('P', false, false, false);
    ASSERT_TRUE(WaitForRecords(1)) << "TavrexW was not started";
    EXPECT_TRUE(EndsWith(Records()[0].at("module"), "\\TavrexW.exe")) << Records()[0].at("module");

    StandInWindow editor("TTvrMainFormD", "TvrMainFormD");
    PressWinCombination('P', false, false, false);
    ASSERT_TRUE(WaitUntil([&] { return !editor.Messages(kShowEditor).empty(); }));
    Pump(300ms);
    EXPECT_EQ(Records().size(), 1u) << "a second editor was started";
}

TEST_F(ServiceTest, PressesOfNoHeldDefinitionDoNothing) {
    StandInWindow progMan("ProgMan", "Program Manager");
    WriteDefinitions(kListKey, {Launch('N', false, false, true), Mode('B', 2)});
    StartService();

    PressCombination('N', false, false, true);      // without the Windows key
    PressWinCombination('N', false, false, false);  // not defined
    PressWinCombination('B', true, false, false);   // not defined
    Pump(500ms);
    EXPECT_TRUE(Records().empty());
    EXPECT_TRUE(progMan.Messages(WM_HOTKEY).empty());

    // The defined one still works, and the earlier presses left nothing behind.
    PressWinCombination('N', false, false, true);
    ASSERT_TRUE(WaitForRecords(1));
    Pump(300ms);
    EXPECT_EQ(Records().size(), 1u);
}

TEST_F(ServiceTest, CombinationHeldByAnotherProgramAtStartIsNeverRegistered) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, Modifiers(true, false, true, false), 'H'));
    WriteDefinitions(kListKey, {Launch('H', false, true, false), Launch('G', false, false, false)});
    StartService();
    EXPECT_TRUE(HeldElsewhere(Modifiers(true, false, false, false), 'G'));
    UnregisterHotKey(nullptr, 1);

    // A reload that adds Win+F shows that the service re-applied the list; Win+Alt+H stays free.
    WriteDefinitions(kListKey, {Launch('H', false, true, false), Launch('G', false, false, false),
                                Launch('F', false, false, false)});
    PostMessageA(serviceWindow, kReloadDefinitions, 0, 0);
    ASSERT_TRUE(WaitUntil([] { return HeldElsewhere(Modifiers(true, false, false, false), 'F'); }));
    EXPECT_FALSE(HeldElsewhere(Modifiers(true, false, true, false), 'H'));

    PressWinCombination('H', false, true, false);
    Pump(500ms);
    EXPECT_TRUE(Records().empty());
}

TEST_F(ServiceTest, ReloadAppliesTheRewrittenListAndWritesItBackNormalised) {
    WriteDefinitions(kListKey, {Launch('A', false, false, false), Launch('B', false, false, true)});
    StartService();
    const UINT win = Modifiers(true, false, false, false);
    const UINT winShift = Modifiers(true, false, false, true);
    EXPECT_TRUE(HeldElsewhere(win, 'A'));
    EXPECT_TRUE(HeldElsewhere(winShift, 'B'));
    EXPECT_FALSE(HeldElsewhere(win, 'C'));

    // As an editor might leave it: a duplicate combination (the later one wins), an empty
    // definition, A dropped.
    Definition first = Launch('C', false, false, false, "first");
    Definition empty{'E'};
    Definition second = Launch('C', false, false, false, "second");
    WriteDefinitions(kListKey, {first, empty, Launch('B', false, false, true), second});
    PostMessageA(serviceWindow, kReloadDefinitions, 0, 0);
    // The write-back ends with the removal of the stale item keys: wait for that, not for "Count",
    // which is written first.
    ASSERT_TRUE(WaitUntil([] { return ReadDword(kListKey, "Count") == 2 && SubkeyNames(kListKey).size() == 2; }))
        << "the list was not written back";

    EXPECT_FALSE(HeldElsewhere(win, 'A'));
    EXPECT_TRUE(HeldElsewhere(winShift, 'B'));
    EXPECT_TRUE(HeldElsewhere(win, 'C'));
    EXPECT_FALSE(HeldElsewhere(win, 'E'));

    std::vector<std::string> items = SubkeyNames(kListKey);
    std::sort(items.begin(), items.end());
    EXPECT_EQ(items, (std::vector<std::string>{"HotKey_0", "HotKey_1"}));
    EXPECT_EQ(ReadString(kListKey + "\\HotKey_0", "Key"), "B");
    EXPECT_EQ(ReadDword(kListKey + "\\HotKey_0", "Shift"), 1);
    EXPECT_EQ(ReadString(kListKey + "\\HotKey_1", "Key"), "C");
    EXPECT_EQ(ReadString(kListKey + "\\HotKey_1", "Parameters"), "second");

    // The new command of C is the one that runs.
    PressWinCombination('C', false, false, false);
    ASSERT_TRUE(WaitForRecords(1));
    EXPECT_TRUE(EndsWith(Records()[0].at("cmdline"), " second")) << Records()[0].at("cmdline");
}

TEST_F(ServiceTest, ExitFromTheTrayMenuClosesTheEditorFreesEveryCombinationAndEndsWithZero) {
    WriteDefinitions(kListKey, {Launch('A', false, false, false), Launch('Z', true, true, true)});
    StandInWindow editor("TTvrMainFormD", "TvrMainFormD");
    StartService();
    ASSERT_TRUE(HeldElsewhere(Modifiers(true, false, false, false), 'A'));
    ASSERT_TRUE(HeldElsewhere(Modifiers(true, true, true, true), 'Z'));

    ExitThroughMenu();
    EXPECT_EQ(process.WaitForExit(10s), 0);
    EXPECT_TRUE(WaitUntil([&] { return !editor.Messages(kCloseEditor).empty(); }, 2s));
    EXPECT_FALSE(HeldElsewhere(Modifiers(true, false, false, false), 'A'));
    EXPECT_FALSE(HeldElsewhere(Modifiers(true, true, true, true), 'Z'));
    EXPECT_EQ(FindWindowA("TTvrTrayForm", "TvrTrayForm"), nullptr);
}

TEST_F(ServiceTest, StartWithoutKeyCreatesThePathAndWritesNoValue) {
    ASSERT_FALSE(KeyExists(kTavrinChanKey));
    StartService();
    EXPECT_TRUE(KeyExists(kListKey));
    EXPECT_TRUE(ValueNames(kListKey).empty());
    EXPECT_TRUE(SubkeyNames(kListKey).empty());
}

namespace {
// Whether the service's icon is in the notification area: deleting it succeeds only when it is
// there (so a true result also takes it away).
bool TakeTrayIcon(HWND tray) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = tray;
    data.uID = 100;
    return Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
}

HWND VisibleWindow(const char* className) {
    HWND window = FindWindowA(className, nullptr);
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}
}  // namespace

TEST_F(ServiceTest, IconComesBackWhenTheTaskbarIsRebuilt) {
    StartService();
    HWND tray = FindWindowA("TTvrTrayForm", "TvrTrayForm");
    ASSERT_NE(tray, nullptr);
    EXPECT_FALSE(IsWindowVisible(tray));
    EXPECT_FALSE(IsWindowVisible(serviceWindow));
    ASSERT_TRUE(TakeTrayIcon(tray)) << "the icon was not in the notification area";
    ASSERT_FALSE(TakeTrayIcon(tray));

    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    PostMessageA(tray, taskbarCreated, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return TakeTrayIcon(tray); }, 5s)) << "the icon did not come back";
}

TEST_F(ServiceTest, DoubleClickOnTheIconAndDefineRaiseOrStartTheEditor) {
    StartService();
    HWND tray = FindWindowA("TTvrTrayForm", "TvrTrayForm");
    ASSERT_NE(tray, nullptr);

    // A single click does nothing; a double click starts the editor when none runs.
    PostMessageA(tray, kTrayNotify, 100, WM_LBUTTONDOWN);
    PostMessageA(tray, kTrayNotify, 100, WM_LBUTTONUP);
    Pump(300ms);
    EXPECT_TRUE(Records().empty());
    PostMessageA(tray, kTrayNotify, 100, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitForRecords(1)) << "TavrexW was not started";
    EXPECT_TRUE(EndsWith(Records()[0].at("module"), "\\TavrexW.exe"));
    EXPECT_EQ(Records()[0].at("show"), "5");

    // "Define ...", the first item, raises the running editor.
    StandInWindow editor("TTvrMainFormD", "TvrMainFormD");
    PostMessageA(tray, kTrayNotify, 100, WM_RBUTTONDOWN);
    ASSERT_TRUE(WaitUntil([] { return VisibleWindow("#32768") != nullptr; }));
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !editor.Messages(kShowEditor).empty(); }));
    EXPECT_EQ(Records().size(), 1u);
}

TEST_F(ServiceTest, AboutShowsOneBoxThatOkHidesAndTheHotkeysKeepWorking) {
    WriteDefinitions(kListKey, {Launch('N', false, false, true)});
    StartService();
    HWND tray = FindWindowA("TTvrTrayForm", "TvrTrayForm");
    auto chooseAbout = [&] {
        PostMessageA(tray, kTrayNotify, 100, WM_RBUTTONDOWN);
        ASSERT_TRUE(WaitUntil([] { return VisibleWindow("#32768") != nullptr; }));
        PressKey(VK_UP);  // Exit
        PressKey(VK_UP);  // About ..., past the separator
        PressKey(VK_RETURN);
    };
    chooseAbout();
    ASSERT_TRUE(WaitUntil([] { return VisibleWindow("TTvrAboutBoxForm") != nullptr; })) << "no about box";
    HWND box = VisibleWindow("TTvrAboutBoxForm");
    char caption[64] = {};
    GetWindowTextA(box, caption, sizeof caption);
    EXPECT_STREQ(caption, "\x83o\x81[\x83W\x83\x87\x83\x93\x8F\xEE\x95\xF1");  // バージョン情報 in Shift-JIS

    // While the box is open the hotkeys still work.
    PressWinCombination('N', false, false, true);
    EXPECT_TRUE(WaitForRecords(1));

    chooseAbout();
    Pump(300ms);
    EXPECT_EQ(FindWindowExA(nullptr, box, "TTvrAboutBoxForm", nullptr), nullptr) << "a second about box";

    HWND ok = FindWindowExA(box, nullptr, nullptr, "OK");
    ASSERT_NE(ok, nullptr);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ok), BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(box); })) << "OK did not hide the box";
    EXPECT_TRUE(IsWindow(box));
}

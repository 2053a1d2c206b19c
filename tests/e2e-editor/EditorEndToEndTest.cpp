// The real TavrexW.exe worked through its windows: rows, toggles, OK and the ways of discarding,
// the single-instance rule, the service's show and close messages and the parameters dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EditorProcess.h"
#include "HotKeyList.h"
#include "KeyGrid.h"
#include "MoxRegistry.h"
#include "RegistrySnapshot.h"
#include "ServiceStandIn.h"
#include "WindowFinder.h"

namespace {

constexpr char kPath[] = "Software\\MoxApp\\TavrinChan\\HotKeys";
constexpr UINT kShowEditor = WM_USER + 2;
constexpr UINT kCloseEditor = WM_USER + 3;
constexpr DWORD kWaitMs = 10000;

struct Definition {
    char key;
    bool ctrl, alt, shift;
    const char* command;
    int extra;
    const char* directory = "";
    int showCmd = 5;
};

std::unique_ptr<HotKey> MakeHotKey(const Definition& d) {
    auto h = std::make_unique<HotKey>();
    h->SetKey(d.key);
    h->SetCtrl(d.ctrl);
    h->SetAlt(d.alt);
    h->SetShift(d.shift);
    h->SetCommand(d.command);
    h->SetExtra(d.extra);
    h->SetDirectory(d.directory);
    h->SetShowCmd(d.showCmd);
    return h;
}

class EditorEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "the tests need LANG=ja_JP.UTF-8 and the glibc locale";
        saved_ = RegistrySnapshot::Take(kPath);
        RegistrySnapshot::Delete(kPath);
    }
    void TearDown() override {
        editor_.reset();
        saved_.Restore();
    }

    // Writes the definitions as the store lays them out, in this order.
    void WriteDefinitions(const std::vector<Definition>& definitions) {
        HotKeyList list;
        for (const Definition& d : definitions) list.Add(MakeHotKey(d).release());
        MoxRegistry registry;
        ASSERT_TRUE(registry.OpenPath(kPath));
        list.SaveToRegistry("HotKey", &registry);
    }

    std::unique_ptr<HotKeyList> ReadDefinitions() {
        auto list = std::make_unique<HotKeyList>();
        MoxRegistry registry;
        registry.OpenPath(kPath);
        list->LoadFromRegistry("HotKey", &registry);
        return list;
    }

    // Starts the editor and waits for its visible key grid.
    HWND StartEditor() {
        editor_ = std::make_unique<EditorProcess>();
        if (!editor_->Started()) {
            ADD_FAILURE() << "cannot start " << EditorProcess::ExePath();
            return nullptr;
        }
        HWND grid = nullptr;
        bool shown = WindowFinder::PumpUntil(
            [&] {
                grid = WindowFinder::TopLevel(editor_->Id(), "TTvrDefForm");
                return grid != nullptr && IsWindowVisible(grid);
            },
            kWaitMs);
        EXPECT_TRUE(shown) << "no key grid";
        return shown ? grid : nullptr;
    }

    // The edit of a letter row: the TMoxEdit whose panel holds the label with the letter.
    static HWND RowEdit(HWND grid, char letter) { return RowControl(grid, letter, "TMoxEdit"); }
    static HWND RowButton(HWND grid, char letter) { return RowControl(grid, letter, "TBitBtn"); }
    static HWND RowLabel(HWND grid, char letter) { return RowControl(grid, letter, "TLabel"); }
    static HWND RowControl(HWND grid, char letter, const char* className) {
        const std::string text(1, letter);
        for (HWND label : WindowFinder::Descendants(grid, "TLabel")) {
            if (WindowFinder::Text(label) != text) continue;
            return WindowFinder::Descendant(GetParent(label), className);
        }
        return nullptr;
    }

    static void Toggle(HWND grid, const char* caption) {
        HWND panel = WindowFinder::Descendant(grid, "TPanel", caption);
        ASSERT_NE(panel, nullptr) << caption;
        WindowFinder::MouseClick(panel);
    }

    void ExpectEnded() {
        ASSERT_TRUE(editor_->WaitForExit(kWaitMs)) << "the editor did not end";
        EXPECT_EQ(editor_->ExitCode(), 0u);
    }

    // Opens the parameters dialog of a row by its ellipsis button.
    HWND OpenParams(HWND grid, char letter) {
        HWND button = RowButton(grid, letter);
        EXPECT_NE(button, nullptr);
        WindowFinder::Click(button);
        HWND dialog = nullptr;
        bool shown = WindowFinder::PumpUntil(
            [&] {
                dialog = WindowFinder::TopLevel(editor_->Id(), "TTvrDefParamsForm");
                return dialog != nullptr && IsWindowVisible(dialog);
            },
            kWaitMs);
        EXPECT_TRUE(shown) << "no parameters dialog";
        return shown ? dialog : nullptr;
    }

    void CloseParamsWith(HWND dialog, const char* button) {
        HWND ok = WindowFinder::Descendant(dialog, "TButton", button);
        ASSERT_NE(ok, nullptr);
        WindowFinder::Click(ok);
        ASSERT_TRUE(WindowFinder::PumpUntil([&] { return !IsWindowVisible(dialog); }, kWaitMs));
    }

    void PressOk(HWND grid) {
        HWND ok = WindowFinder::Descendant(grid, "TButton", "OK");
        ASSERT_NE(ok, nullptr);
        WindowFinder::Click(ok);
    }

    RegistrySnapshot saved_;
    std::unique_ptr<EditorProcess> editor_;
};

TEST_F(EditorEndToEnd, RowsShowTheDefinitionsAndMarkers) {
    WriteDefinitions({{'A', false, false, false, "notepad.exe", 0},
                      {'B', false, false, false, "", 1},
                      {'C', false, false, false, "", 26},
                      {'A', true, false, false, "ctrl-a.exe", 0},
                      {'E', false, false, false, "reserved.exe", 0}});
    HWND grid = StartEditor();
    ASSERT_NE(grid, nullptr);

    HWND a = RowEdit(grid, 'A'), b = RowEdit(grid, 'B'), c = RowEdit(grid, 'C'), e = RowEdit(grid, 'E');
    ASSERT_TRUE(a && b && c && e);
    EXPECT_EQ(WindowFinder::Text(a), "notepad.exe");
    EXPECT_FALSE(WindowFinder::ReadOnly(a));
    EXPECT_TRUE(WindowFinder::TabStop(a));
    EXPECT_EQ(WindowFinder::Text(b), KeyGrid::PopupMarker);
    EXPECT_TRUE(WindowFinder::ReadOnly(b));
    EXPECT_FALSE(WindowFinder::TabStop(b));
    EXPECT_EQ(WindowFinder::Text(c), KeyGrid::ShellBindMarker);
    EXPECT_TRUE(WindowFinder::ReadOnly(c));
    EXPECT_EQ(WindowFinder::Text(RowEdit(grid, 'D')), "");
    // Reserved without modifiers: shown greyed.
    EXPECT_EQ(WindowFinder::Text(e), "reserved.exe");
    EXPECT_FALSE(IsWindowEnabled(e));
    EXPECT_FALSE(IsWindowEnabled(RowButton(grid, 'E')));
    EXPECT_FALSE(IsWindowEnabled(RowEdit(grid, 'R')));
    EXPECT_TRUE(IsWindowEnabled(RowEdit(grid, 'D')));
    char caption[64] = {};
    GetWindowTextA(grid, caption, sizeof caption);
    EXPECT_STREQ(caption, "Tavrinちゃん");

    Toggle(grid, "CTRL");
    EXPECT_EQ(WindowFinder::Text(a), "ctrl-a.exe");
    EXPECT_EQ(WindowFinder::Text(b), "");
    EXPECT_FALSE(WindowFinder::ReadOnly(b));
    EXPECT_TRUE(IsWindowEnabled(e));
    EXPECT_FALSE(IsWindowEnabled(RowEdit(grid, 'F')));
}

TEST_F(EditorEndToEnd, OkWritesTheRowsAndNotifiesTheServiceOnceAfterTheWrite) {
    WriteDefinitions({{'A', false, false, false, "a.exe", 0, "C:\\a"},
                      {'G', false, false, false, "g.exe", 0},
                      {'X', false, false, false, "x.exe", 0},
                      {'Y', false, false, false, "y.exe", 0},
                      {'Z', false, false, false, "z.exe", 0, "", 3}});
    std::unique_ptr<HotKeyList> seenByService;
    ServiceStandIn service([&] { seenByService = ReadDefinitions(); });
    ASSERT_NE(service.Window(), nullptr);
    HWND grid = StartEditor();
    ASSERT_NE(grid, nullptr);

    ASSERT_TRUE(WindowFinder::SetText(RowEdit(grid, 'A'), ""));
    ASSERT_TRUE(WindowFinder::SetText(RowEdit(grid, 'X'), ""));
    ASSERT_TRUE(WindowFinder::SetText(RowEdit(grid, 'Y'), ""));
    const std::string longCommand = "C:\\" + std::string(400, 'h') + "\\calc.exe";
    ASSERT_TRUE(WindowFinder::SetText(RowEdit(grid, 'H'), longCommand));
    Toggle(grid, "CTRL");
    ASSERT_TRUE(WindowFinder::SetText(RowEdit(grid, 'K'), "ctrl-k.exe"));
    PressOk(grid);
    ExpectEnded();
    WindowFinder::PumpUntil([&] { return service.ReloadCount() > 0; }, kWaitMs);

    EXPECT_EQ(service.ReloadCount(), 1);
    EXPECT_EQ(service.BadParameterCount(), 0);
    EXPECT_EQ(service.OtherCount(), 0);

    // The item layout: a count and items HotKey_0 .. HotKey_3, the stale HotKey_4 gone; the rows of
    // the combination shown first went into the list at the toggle, in letter order.
    RegistrySnapshot after = RegistrySnapshot::Take(kPath);
    const auto& root = after.Root();
    ASSERT_TRUE(root.values.count("Count"));
    EXPECT_EQ(root.values.at("Count").type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(root.values.at("Count").data, std::string("\x04\0\0\0", 4));
    std::vector<std::string> items;
    for (const auto& [name, key] : root.subkeys) items.push_back(name);
    EXPECT_EQ(items, (std::vector<std::string>{"HotKey_0", "HotKey_1", "HotKey_2", "HotKey_3"})) << after.Describe();
    for (const auto& [name, key] : root.subkeys)
        for (const char* value : {"Key", "Ctrl", "Alt", "Shift", "Command", "Directory", "Parameters", "Extra", "ShowCmd"})
            EXPECT_TRUE(key.values.count(value)) << name << " lacks " << value;

    std::unique_ptr<HotKeyList> list = ReadDefinitions();
    ASSERT_EQ(list->Count(), 4);
    const char* order[] = {"G", "H", "Z", "K"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(std::string(1, list->GetHotKey(i)->GetKey()), order[i]) << i;
    EXPECT_EQ(list->GetHotKey(1)->GetCommand(), longCommand);
    EXPECT_EQ(list->GetHotKey(1)->GetShowCmd(), 5);
    EXPECT_EQ(list->GetHotKey(2)->GetShowCmd(), 3);
    EXPECT_TRUE(list->GetHotKey(3)->GetCtrl());
    EXPECT_EQ(list->GetHotKey(3)->GetCommand(), "ctrl-k.exe");
    // The service saw the finished write.
    ASSERT_NE(seenByService, nullptr);
    EXPECT_EQ(seenByService->Count(), 4);
}

enum class Discard { CancelButton, EscKey, CloseBox, CloseMessage };

void PrintTo(Discard d, std::ostream* os) { *os << static_cast<int>(d); }

class EditorDiscards : public EditorEndToEnd, public ::testing::WithParamInterface<Discard> {};

TEST_P(EditorDiscards, LeaveTheRegistryByteForByte) {
    WriteDefinitions({{'A', false, false, false, "a.exe", 0, "C:\\a", 6},
                      {'B', false, false, false, "", 122},
                      {'A', true, false, false, "ctrl-a.exe", 0},
                      {'a', false, false, false, "lower.exe", 0}});
    RegistrySnapshot before = RegistrySnapshot::Take(kPath);
    ServiceStandIn service;
    HWND grid = StartEditor();
    ASSERT_NE(grid, nullptr);
    ASSERT_TRUE(WindowFinder::SetText(RowEdit(grid, 'A'), "changed.exe"));
    ASSERT_TRUE(WindowFinder::SetText(RowEdit(grid, 'Q'), "new.exe"));
    Toggle(grid, "CTRL");  // stores the rows into the working list
    ASSERT_TRUE(WindowFinder::SetText(RowEdit(grid, 'A'), ""));

    switch (GetParam()) {
        case Discard::CancelButton:
            WindowFinder::Click(WindowFinder::Descendant(grid, "TButton", "Cancel"));
            break;
        case Discard::EscKey:
            PostMessageA(RowEdit(grid, 'G'), WM_KEYDOWN, VK_ESCAPE, 1);
            PostMessageA(RowEdit(grid, 'G'), WM_KEYUP, VK_ESCAPE, 0xC0000001);
            break;
        case Discard::CloseBox:
            PostMessageA(grid, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case Discard::CloseMessage:
            PostMessageA(FindWindowA("TTvrMainFormD", "TvrMainFormD"), kCloseEditor, 0, 0);
            break;
    }
    ExpectEnded();
    WindowFinder::PumpUntil([] { return false; }, 100);  // a late message would show now
    RegistrySnapshot after = RegistrySnapshot::Take(kPath);
    EXPECT_TRUE(after == before) << "before:\n" << before.Describe() << "after:\n" << after.Describe();
    EXPECT_EQ(service.ReloadCount(), 0);
}

std::string DiscardName(const ::testing::TestParamInfo<Discard>& info) {
    switch (info.param) {
        case Discard::CancelButton: return "CancelButton";
        case Discard::EscKey: return "EscKey";
        case Discard::CloseBox: return "CloseBox";
        case Discard::CloseMessage: return "CloseMessage";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(Ways, EditorDiscards,
                         ::testing::Values(Discard::CancelButton, Discard::EscKey, Discard::CloseBox,
                                           Discard::CloseMessage),
                         DiscardName);

TEST_F(EditorEndToEnd, SecondEditorEndsAtOnceAndShowsNothing) {
    ServiceStandIn service;
    HWND grid = StartEditor();
    ASSERT_NE(grid, nullptr);
    ASSERT_TRUE(WindowFinder::SetText(RowEdit(grid, 'G'), "first.exe"));

    EditorProcess second;
    ASSERT_TRUE(second.Started());
    ASSERT_TRUE(second.WaitForExit(kWaitMs));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(WindowFinder::AllTopLevel("TTvrDefForm").size(), 1u);
    EXPECT_EQ(WindowFinder::AllTopLevel("TTvrMainFormD").size(), 1u);
    EXPECT_EQ(service.ReloadCount(), 0);
    // The first editor goes on as before.
    EXPECT_TRUE(editor_->Running());
    EXPECT_TRUE(IsWindowVisible(grid));
    EXPECT_EQ(WindowFinder::Text(RowEdit(grid, 'G')), "first.exe");
}

TEST_F(EditorEndToEnd, ShowEditorRaisesTheGridWithItsEditsAndCloseEditorEndsWithoutSaving) {
    WriteDefinitions({{'G', false, false, false, "g.exe", 0}});
    RegistrySnapshot before = RegistrySnapshot::Take(kPath);
    HWND grid = StartEditor();
    ASSERT_NE(grid, nullptr);
    HWND mainWindow = FindWindowA("TTvrMainFormD", "TvrMainFormD");
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_FALSE(IsWindowVisible(mainWindow));
    ASSERT_TRUE(WindowFinder::SetText(RowEdit(grid, 'G'), "unsaved.exe"));

    ShowWindow(grid, SW_HIDE);
    ASSERT_TRUE(WindowFinder::PumpUntil([&] { return !IsWindowVisible(grid); }, kWaitMs));
    PostMessageA(mainWindow, kShowEditor, 0, 0);
    ASSERT_TRUE(WindowFinder::PumpUntil([&] { return IsWindowVisible(grid) != FALSE; }, kWaitMs));
    EXPECT_EQ(WindowFinder::Text(RowEdit(grid, 'G')), "unsaved.exe");
    EXPECT_FALSE(IsWindowVisible(mainWindow));

    // Any other private message changes nothing.
    PostMessageA(mainWindow, WM_USER + 7, 0, 0);
    WindowFinder::PumpUntil([] { return false; }, 100);
    EXPECT_TRUE(editor_->Running());

    PostMessageA(mainWindow, kCloseEditor, 0, 0);
    ExpectEnded();
    EXPECT_TRUE(RegistrySnapshot::Take(kPath) == before);
}

TEST_F(EditorEndToEnd, ParamsDialogPopupModeTurnsTheRowIntoTheMarker) {
    WriteDefinitions({{'P', false, false, false, "p.exe", 0, "C:\\p"}});
    HWND grid = StartEditor();
    ASSERT_NE(grid, nullptr);
    HWND dialog = OpenParams(grid, 'P');
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowFinder::Text(WindowFinder::Descendant(dialog, "TMoxEdit")), "p.exe");
    HWND combination = nullptr;
    for (HWND label : WindowFinder::Descendants(dialog, "TLabel"))
        if (WindowFinder::Text(label).rfind("[Windows]", 0) == 0) combination = label;
    ASSERT_NE(combination, nullptr);
    EXPECT_EQ(WindowFinder::Text(combination), "[Windows] + P");

    HWND popup = WindowFinder::Descendant(dialog, "TRadioButton", "Tavrinちゃんポップアップキーにする");
    ASSERT_NE(popup, nullptr);
    WindowFinder::Click(popup);
    HWND command = WindowFinder::Descendant(dialog, "TMoxEdit");
    ASSERT_TRUE(WindowFinder::PumpUntil([&] { return !IsWindowEnabled(command); }, kWaitMs));
    CloseParamsWith(dialog, "OK");

    HWND row = RowEdit(grid, 'P');
    EXPECT_EQ(WindowFinder::Text(row), KeyGrid::PopupMarker);
    EXPECT_TRUE(WindowFinder::ReadOnly(row));
    PressOk(grid);
    ExpectEnded();
    std::unique_ptr<HotKeyList> list = ReadDefinitions();
    const HotKey* p = list->Find('P', false, false, false);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->GetExtra(), 1);
    EXPECT_EQ(p->GetCommand(), "");
    EXPECT_EQ(p->GetDirectory(), "");
}

TEST_F(EditorEndToEnd, ParamsDialogOtherShellBindingStoresTheNumber) {
    HWND grid = StartEditor();
    ASSERT_NE(grid, nullptr);
    HWND dialog = OpenParams(grid, 'Q');
    ASSERT_NE(dialog, nullptr);
    HWND bind = WindowFinder::Descendant(dialog, "TRadioButton", "Windows標準のHotKeyへバインドする");
    ASSERT_NE(bind, nullptr);
    WindowFinder::Click(bind);
    HWND other = WindowFinder::Descendant(dialog, "TRadioButton", "その他");
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(WindowFinder::PumpUntil([&] { return IsWindowEnabled(other) != FALSE; }, kWaitMs));
    WindowFinder::Click(other);
    HWND number = nullptr;
    for (HWND edit : WindowFinder::Descendants(dialog, "TEdit"))
        if (WindowFinder::Text(edit) == "10") number = edit;
    ASSERT_NE(number, nullptr);
    ASSERT_TRUE(WindowFinder::PumpUntil([&] { return IsWindowEnabled(number) != FALSE; }, kWaitMs));
    ASSERT_TRUE(WindowFinder::SetText(number, "15"));
    CloseParamsWith(dialog, "OK");

    EXPECT_EQ(WindowFinder::Text(RowEdit(grid, 'Q')), KeyGrid::ShellBindMarker);
    PressOk(grid);
    ExpectEnded();
    std::unique_ptr<HotKeyList> list = ReadDefinitions();
    const HotKey* q = list->Find('Q', false, false, false);
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->GetExtra(), (15 << 3) | 2);
}

// The window that has the keyboard focus in the editor's GUI thread.
HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

void PressEnter(HWND window) {
    // The editor's message loop translates the key into the character 13.
    PostMessageA(window, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(window, WM_KEYUP, VK_RETURN, 0xC0000001);
}

TEST_F(EditorEndToEnd, EnterWalksTheFocusToOkWithoutConfirming) {
    WriteDefinitions({{'G', false, false, false, "g.exe", 0}});
    RegistrySnapshot before = RegistrySnapshot::Take(kPath);
    HWND grid = StartEditor();
    ASSERT_NE(grid, nullptr);
    HWND gridOk = WindowFinder::Descendant(grid, "TButton", "OK");
    HWND row = RowEdit(grid, 'G');
    PressEnter(row);
    ASSERT_TRUE(WindowFinder::PumpUntil([&] { return FocusOf(grid) == gridOk; }, kWaitMs));
    EXPECT_EQ(WindowFinder::Text(row), "g.exe");
    EXPECT_TRUE(editor_->Running());
    EXPECT_TRUE(RegistrySnapshot::Take(kPath) == before);

    // In the dialog: command -> folder -> parameters -> OK, and Enter on the focused OK confirms.
    HWND dialog = OpenParams(grid, 'G');
    ASSERT_NE(dialog, nullptr);
    HWND ok = WindowFinder::Descendant(dialog, "TButton", "OK");
    ASSERT_TRUE(WindowFinder::PumpUntil([&] { return FocusOf(dialog) == ok; }, kWaitMs)) << "OK has the focus on show";
    HWND command = WindowFinder::Descendant(dialog, "TMoxEdit");
    std::vector<HWND> edits;
    for (HWND edit : WindowFinder::Descendants(dialog, "TEdit"))
        if (GetParent(edit) == GetParent(command)) edits.push_back(edit);
    ASSERT_EQ(edits.size(), 2u);  // folder and parameters: the upper one is the folder
    auto topOf = [](HWND w) {
        RECT r{};
        GetWindowRect(w, &r);
        return r.top;
    };
    if (topOf(edits[0]) > topOf(edits[1])) std::swap(edits[0], edits[1]);
    ASSERT_TRUE(WindowFinder::SetText(edits[1], "-p"));
    HWND chain[] = {command, edits[0], edits[1], ok};
    WindowFinder::MouseClick(command);  // an edit takes the focus when clicked
    ASSERT_TRUE(WindowFinder::PumpUntil([&] { return FocusOf(dialog) == command; }, kWaitMs));
    for (int i = 0; i < 3; ++i) {
        PressEnter(chain[i]);
        ASSERT_TRUE(WindowFinder::PumpUntil([&] { return FocusOf(dialog) == chain[i + 1]; }, kWaitMs))
            << "step " << i << ", focus on " << WindowFinder::ClassOf(FocusOf(dialog)) << " \"" << WindowFinder::Text(FocusOf(dialog)) << "\"";
        EXPECT_TRUE(IsWindowVisible(dialog));
    }
    PressEnter(ok);
    ASSERT_TRUE(WindowFinder::PumpUntil([&] { return !IsWindowVisible(dialog); }, kWaitMs));
    EXPECT_EQ(WindowFinder::Text(command), "g.exe");
    PressOk(grid);
    ExpectEnded();
    std::unique_ptr<HotKeyList> list = ReadDefinitions();
    ASSERT_NE(list->Find('G', false, false, false), nullptr);
    EXPECT_EQ(list->Find('G', false, false, false)->GetParameters(), "-p");
}

TEST_F(EditorEndToEnd, ParamsDialogCancelLeavesTheRow) {
    WriteDefinitions({{'G', false, false, false, "g.exe", 0}});
    HWND grid = StartEditor();
    ASSERT_NE(grid, nullptr);
    HWND dialog = OpenParams(grid, 'G');
    ASSERT_NE(dialog, nullptr);
    WindowFinder::Click(WindowFinder::Descendant(dialog, "TRadioButton", "Tavrinちゃんポップアップキーにする"));
    CloseParamsWith(dialog, "Cancel");
    EXPECT_EQ(WindowFinder::Text(RowEdit(grid, 'G')), "g.exe");
    EXPECT_FALSE(WindowFinder::ReadOnly(RowEdit(grid, 'G')));
}

}  // namespace

namespace {

// Not a check but a stage for scripts/editor-screenshots.sh: with TAVREX_SCREENSHOT_DIR set, it
// puts the grid and the parameters dialog on the screen one after the other, each time writing
// "<name>.ready" into that folder and waiting for the script's "<name>.done".
class EditorScreens : public EditorEndToEnd {
protected:
    static std::string Folder() {
        const char* dir = getenv("TAVREX_SCREENSHOT_DIR");
        if (dir == nullptr || *dir == '\0') return {};
        std::string path = dir;
        if (path[0] == '/') {
            for (char& c : path)
                if (c == '/') c = '\\';
            path = "Z:" + path;
        }
        return path;
    }
    static bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
    // Lets the script take its picture.
    static void Stage(const std::string& name) {
        const std::string folder = Folder();
        WindowFinder::PumpUntil([] { return false; }, 500);  // let the windows paint
        HANDLE ready = CreateFileA((folder + "\\" + name + ".ready").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(ready, INVALID_HANDLE_VALUE);
        CloseHandle(ready);
        EXPECT_TRUE(WindowFinder::PumpUntil([&] { return Exists(folder + "\\" + name + ".done"); }, 60000));
    }
};

TEST_F(EditorScreens, GridAndParametersDialog) {
    if (Folder().empty()) GTEST_SKIP() << "only for scripts/editor-screenshots.sh";
    WriteDefinitions({{'A', false, false, false, "C:\\Windows\\notepad.exe", 0},
                      {'B', false, false, false, "", 1},
                      {'C', false, false, false, "", 122},
                      {'E', false, false, false, "C:\\reserved\\explorer.exe", 0},
                      {'N', false, false, false, "C:\\Program Files\\日本語のフォルダ\\アプリ.exe", 0, "C:\\work", 3},
                      {'Q', false, false, false, "", 8}});
    HWND grid = StartEditor();
    ASSERT_NE(grid, nullptr);
    Stage("grid");
    HWND dialog = OpenParams(grid, 'N');
    ASSERT_NE(dialog, nullptr);
    Stage("params-launch");
    CloseParamsWith(dialog, "Cancel");
    dialog = OpenParams(grid, 'C');
    ASSERT_NE(dialog, nullptr);
    Stage("params-shellbind");
    CloseParamsWith(dialog, "Cancel");
    Toggle(grid, "CTRL");
    Toggle(grid, "SHIFT");
    Stage("grid-ctrl-shift");
    PostMessageA(FindWindowA("TTvrMainFormD", "TvrMainFormD"), kCloseEditor, 0, 0);
    ExpectEnded();
}

}  // namespace

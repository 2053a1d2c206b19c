#include "KeyGrid.h"

const char* const KeyGrid::PopupMarker = " <<< Tavrinちゃんポップアップ >>>";
const char* const KeyGrid::ShellBindMarker = " <<< Windows標準HotKeyへのバインド >>>";
const char* const KeyGrid::UnknownMarker = "???";

namespace {
constexpr int kDefaultShowCmd = 5;  // SW_SHOW
constexpr unsigned long kPlatformWin9x = 1;  // VER_PLATFORM_WIN32_WINDOWS
}  // namespace

char KeyGrid::LetterOf(char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return c;
    return 0;
}

int KeyGrid::RowIndexOf(char c) {
    char letter = LetterOf(c);
    return letter == 0 ? -1 : letter - 'A';
}

std::vector<char> KeyGrid::ReservedLetters(bool ctrl, bool alt, bool shift, const OsVersion& os) {
    if (!ctrl && !alt && !shift) {
        std::vector<char> letters{'E', 'F', 'M', 'R'};
        // Windows 98 and later of the 9x platform also take Win+D; Windows 95 (4.0) does not.
        bool before98 = os.majorVersion == 4 && os.minorVersion < 10;
        if (os.known && os.platformId == kPlatformWin9x && !before98) letters.push_back('D');
        return letters;
    }
    if (ctrl && !alt && !shift) return {'F'};
    if (!ctrl && !alt && shift) return {'M'};
    return {};
}

KeyGrid::KeyGrid() = default;

void KeyGrid::SetModifiers(bool ctrl, bool alt, bool shift) noexcept {
    ctrl_ = ctrl;
    alt_ = alt;
    shift_ = shift;
}

KeyGridRow* KeyGrid::Row(char letter) {
    int index = RowIndexOf(letter);
    return index < 0 ? nullptr : &rows_[static_cast<size_t>(index)];
}

const KeyGridRow* KeyGrid::Row(char letter) const {
    int index = RowIndexOf(letter);
    return index < 0 ? nullptr : &rows_[static_cast<size_t>(index)];
}

void KeyGrid::SetCommand(char letter, const AnsiString& text) {
    if (KeyGridRow* row = Row(letter)) {
        row->command = text;
        row->hint = text;
    }
}

void KeyGrid::SetRowReadOnly(char letter, bool readOnly) {
    if (KeyGridRow* row = Row(letter)) row->readOnly = readOnly;
}

void KeyGrid::EnableRow(char letter, bool enabled) {
    if (KeyGridRow* row = Row(letter)) {
        row->enabled = enabled;
        SetRowReadOnly(letter, !enabled);
    }
}

void KeyGrid::ShowHotKey(const HotKey* hotKey) {
    if (hotKey == nullptr) return;
    char letter = hotKey->GetKey();
    KeyGridRow* row = Row(letter);
    if (row == nullptr) return;
    row->extra = hotKey->GetExtra();
    const char* marker = nullptr;
    if (hotKey->IsLaunch()) {
        SetCommand(letter, hotKey->GetCommand());
        row->directory = hotKey->GetDirectory();
        row->parameters = hotKey->GetParameters();
        row->showCmd = hotKey->GetShowCmd();
        SetRowReadOnly(letter, !row->enabled);
        return;
    }
    bool readOnly = true;
    if (hotKey->IsPopup()) {
        marker = PopupMarker;
    } else if (hotKey->IsShellBind()) {
        marker = ShellBindMarker;
    } else {
        marker = UnknownMarker;
        readOnly = !row->enabled;
    }
    SetCommand(letter, marker);
    row->directory.clear();
    row->parameters.clear();
    row->showCmd = kDefaultShowCmd;
    SetRowReadOnly(letter, readOnly);
}

std::unique_ptr<HotKey> KeyGrid::RowToHotKey(char letter) const {
    const KeyGridRow* row = Row(letter);
    if (row == nullptr) return nullptr;
    auto hotKey = std::make_unique<HotKey>();
    hotKey->SetKey(LetterOf(letter));
    hotKey->SetCtrl(ctrl_);
    hotKey->SetAlt(alt_);
    hotKey->SetShift(shift_);
    hotKey->SetExtra(row->extra);
    if (HotKey::IsLaunchExtra(row->extra)) {
        hotKey->SetCommand(row->command);
        hotKey->SetDirectory(row->directory);
        hotKey->SetParameters(row->parameters);
        hotKey->SetShowCmd(row->showCmd);
    } else {
        // The edit shows a marker text in these modes; it is never a command.
        hotKey->SetShowCmd(kDefaultShowCmd);
    }
    return hotKey;
}

void KeyGrid::Refresh(const HotKeyList& hotKeys, const OsVersion& os) {
    const bool ctrl = ctrl_, alt = alt_, shift = shift_;
    for (char letter = 'A'; letter <= 'Z'; ++letter) EnableRow(letter, true);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (const HotKey* found = hotKeys.Find(letter, ctrl, alt, shift)) {
            ShowHotKey(found);
        } else {
            HotKey empty;
            empty.SetKey(letter);
            empty.SetCtrl(ctrl);
            empty.SetAlt(alt);
            empty.SetShift(shift);
            ShowHotKey(&empty);
        }
    }
    for (char letter : ReservedLetters(ctrl, alt, shift, os)) EnableRow(letter, false);
}

void KeyGrid::StoreGrid(HotKeyList& hotKeys) const {
    for (char letter = 'A'; letter <= 'Z'; ++letter) hotKeys.Store(RowToHotKey(letter).release());
}

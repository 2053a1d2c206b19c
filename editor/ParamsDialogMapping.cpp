#include "ParamsDialogMapping.h"

#include <cerrno>
#include <cstdlib>
#include <string>

namespace {
constexpr int kShowNormal = 5;     // SW_SHOW
constexpr int kShowMinimized = 6;  // SW_MINIMIZE
constexpr int kShowMaximized = 3;  // SW_SHOWMAXIMIZED
}  // namespace

void ParamsDialogMapping::LoadHotKey(const HotKey* hotKey, ParamsDialogState& state) {
    if (hotKey == nullptr) return;
    state.key = hotKey->GetKey();
    state.ctrl = hotKey->GetCtrl();
    state.alt = hotKey->GetAlt();
    state.shift = hotKey->GetShift();
    state.command = hotKey->GetCommand();
    state.directory = hotKey->GetDirectory();
    state.parameters = hotKey->GetParameters();
    state.bindItem = 0;
    int extra = hotKey->GetExtra();
    if (HotKey::IsLaunchExtra(extra)) {
        state.mode = ParamsMode::Launch;
    } else if (HotKey::IsPopupExtra(extra)) {
        state.mode = ParamsMode::Popup;
    } else {
        // Every other value is shown as shell binding.
        state.mode = ParamsMode::ShellBind;
        int number = HotKey::ShellBindNumberOf(extra);
        if (number >= OtherBindItem) {
            state.bindItem = OtherBindItem;
            state.winBindText = std::to_string(number);
        } else {
            state.bindItem = number;
        }
    }
    state.windowSizeItem = WindowSizeItemOf(hotKey->GetShowCmd());
}

void ParamsDialogMapping::StoreHotKey(const ParamsDialogState& state, HotKey* hotKey) {
    if (hotKey == nullptr) return;
    bool launch = state.mode == ParamsMode::Launch;
    AnsiString command = launch ? state.command : AnsiString();
    bool withCommand = !command.empty();
    hotKey->SetKey(state.key);
    hotKey->SetCtrl(state.ctrl);
    hotKey->SetAlt(state.alt);
    hotKey->SetShift(state.shift);
    hotKey->SetCommand(command);
    hotKey->SetDirectory(withCommand ? state.directory : AnsiString());
    hotKey->SetParameters(withCommand ? state.parameters : AnsiString());
    hotKey->SetExtra(SelectedExtra(state));
    hotKey->SetShowCmd(ShowCmdOf(state.windowSizeItem));
}

int ParamsDialogMapping::SelectedExtra(const ParamsDialogState& state) {
    switch (state.mode) {
        case ParamsMode::Launch: return hkLaunch;
        case ParamsMode::Popup: return hkPopup;
        case ParamsMode::ShellBind: break;
    }
    int number = state.bindItem >= 0 && state.bindItem < OtherBindItem
                     ? state.bindItem
                     : WinBindNumber(state.winBindText);
    return HotKey::ShellBindExtra(number);
}

int ParamsDialogMapping::WinBindNumber(const AnsiString& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(begin, &end, 10);
    if (end == begin || *end != '\0' || errno == ERANGE) return WinBindMin;
    if (value < WinBindMin) return WinBindMin;
    if (value > WinBindMax) return WinBindMax;
    return static_cast<int>(value);
}

AnsiString ParamsDialogMapping::CombinationText(const ParamsDialogState& state) {
    AnsiString text = "[Windows] ";
    if (state.ctrl) text += "+ [CTRL] ";
    if (state.alt) text += "+ [ALT] ";
    if (state.shift) text += "+ [SHIFT] ";
    text += "+ ";
    if (state.key != '\0') text += state.key;
    return text;
}

ParamsControlStates ParamsDialogMapping::ControlStates(const ParamsDialogState& state) {
    bool launch = state.mode == ParamsMode::Launch;
    bool bind = state.mode == ParamsMode::ShellBind;
    bool other = bind && state.bindItem == OtherBindItem;
    return ParamsControlStates{
        /*launchControlsEnabled=*/launch,
        /*launchEditsEnabled=*/launch,
        /*launchEditsWindowColour=*/launch,
        /*bindGroupEnabled=*/bind,
        /*winBindEnabled=*/other,
        /*winBindWindowColour=*/other,
    };
}

int ParamsDialogMapping::WindowSizeItemOf(int showCmd) {
    if (showCmd == kShowMinimized) return 1;
    if (showCmd == kShowMaximized) return 2;
    return 0;
}

int ParamsDialogMapping::ShowCmdOf(int windowSizeItem) {
    if (windowSizeItem == 1) return kShowMinimized;
    if (windowSizeItem == 2) return kShowMaximized;
    return kShowNormal;
}

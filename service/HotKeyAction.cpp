#include "HotKeyAction.h"

#include "HotKey.h"
#include "HotKeyAccessCtrl.h"
#include "HotKeyCombination.h"
#include "HotKeyList.h"

HotKeyAction ChooseHotKeyAction(const HotKey* definition) {
    if (definition == nullptr) return {};
    if (definition->IsLaunch())
        return definition->GetCommand().empty() ? HotKeyAction{} : HotKeyAction{HotKeyActionKind::Launch, 0};
    if (definition->IsPopup()) return {HotKeyActionKind::Popup, 0};
    return {HotKeyActionKind::ShellBind, definition->GetShellBindNumber()};
}

void RunHotKeyAction(const HotKey* definition, ShellAccess& shell, ShellAccess::Window owner,
                     const std::function<void()>& popupEditor) {
    const HotKeyAction action = ChooseHotKeyAction(definition);
    switch (action.kind) {
    case HotKeyActionKind::None:
        return;
    case HotKeyActionKind::Launch: {
        const AnsiString command = definition->GetCommand();
        const AnsiString parameters = definition->GetParameters();
        const AnsiString directory = definition->GetDirectory();
        shell.Execute(owner, "Open", command.c_str(), parameters.c_str(), directory.c_str(),
                      definition->GetShowCmd());
        return;
    }
    case HotKeyActionKind::Popup:
        if (popupEditor) popupEditor();
        return;
    case HotKeyActionKind::ShellBind:
        if (const ShellAccess::Window window = shell.FindTopWindow(kShellWindowClass, nullptr); window != 0)
            shell.PostToWindow(window, kWmHotKey, static_cast<std::uintptr_t>(action.shellNumber), 0);
        return;
    }
}

void HandleHotKeyPress(const HotKeyCombination& combination, const HotKeyAccessCtrl& accessCtrl,
                       const HotKeyList* definitions, ShellAccess& shell, ShellAccess::Window owner,
                       const std::function<void()>& popupEditor) {
    const auto [key, ctrl, alt, shift] = combination;
    if (!accessCtrl.IsRegistered(key, ctrl, alt, shift) || definitions == nullptr) return;
    RunHotKeyAction(definitions->Find(key, ctrl, alt, shift), shell, owner, popupEditor);
}

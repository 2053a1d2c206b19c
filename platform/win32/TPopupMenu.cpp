#include "TPopupMenu.h"

#include <algorithm>

#include "TApplication.h"
#include "TForm.h"
#include "UniqueHandle.h"

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() { items_.clear(); }

TMenuItem* TPopupMenu::Add(const AnsiString& caption, TNotifyEvent onClick) {
    TMenuItem* item = CreateComponent<TMenuItem>();
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    items_.push_back(item);
    return item;
}

TMenuItem* TPopupMenu::Items(int index) const noexcept {
    if (index < 0 || index >= Count()) return nullptr;
    return items_[static_cast<std::size_t>(index)];
}

void TPopupMenu::ItemGone(TMenuItem* item) noexcept {
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
}

HWND TPopupMenu::OwnerWindow() {
    for (TComponent* c = Owner(); c != nullptr; c = c->Owner())
        if (auto* form = dynamic_cast<TForm*>(c)) return form->Handle();
    return Application != nullptr ? Application->Handle() : nullptr;
}

void TPopupMenu::Popup(int x, int y) {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const TMenuItem* item = items_[i];
        if (item->IsSeparator())
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(menu.get(), MF_STRING | (item->Enabled() ? 0u : MF_GRAYED), i + 1, item->Caption().c_str());
    }
    HWND owner = OwnerWindow();
    const auto chosen = static_cast<std::size_t>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_NONOTIFY, x, y,
                       0, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);  // lets the menu close properly on a later click elsewhere
    menu.reset();
    if (chosen >= 1 && chosen <= items_.size()) items_[chosen - 1]->Click();
}

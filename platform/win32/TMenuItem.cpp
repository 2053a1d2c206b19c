#include "TMenuItem.h"

#include "TPopupMenu.h"

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    if (auto* menu = dynamic_cast<TPopupMenu*>(Owner())) menu->ItemGone(this);
}

void TMenuItem::Click() {
    if (OnClick) OnClick(this);
}

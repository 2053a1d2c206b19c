#pragma once
// A popup menu of TMenuItems, opened at a screen position.
#include <windows.h>

#include <vector>

#include "TComponent.h"
#include "TMenuItem.h"

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;
    AnsiString ClassName() const override { return "TPopupMenu"; }

    // Appends an item owned by the menu and returns it.
    TMenuItem* Add(const AnsiString& caption, TNotifyEvent onClick = {});
    int Count() const noexcept { return static_cast<int>(items_.size()); }
    // The item at index; null outside the items.
    TMenuItem* Items(int index) const noexcept;

    // Opens the menu at the screen position (x, y) for the window of the form that owns the menu
    // (the application's window when no form owns it) and waits for the user's choice; then runs
    // the chosen item's OnClick. The caller brings that window to the foreground first when the
    // menu must close on a click elsewhere.
    void Popup(int x, int y);

private:
    friend class TMenuItem;
    void ItemGone(TMenuItem* item) noexcept;
    HWND OwnerWindow();
    std::vector<TMenuItem*> items_;
};

#pragma once
// The key grid's controller: owns the form and the working list of definitions, moves the list's
// definitions into the rows whenever the shown combination changes and the rows back before it
// changes, and hands over to the editor's main object on OK and Cancel.
#include <memory>

#include "HotKeyList.h"
#include "OsVersion.h"
#include "TList.h"

class TavrinChanD;
class TTvrDefForm;

class TvrDisplayer {
public:
    explicit TvrDisplayer(TavrinChanD* owner);
    ~TvrDisplayer();
    TvrDisplayer(const TvrDisplayer&) = delete;
    TvrDisplayer& operator=(const TvrDisplayer&) = delete;

    // Replaces the working list with a deep copy of hotKeys and shows the rows without modifiers.
    void SetHotKeys(TList* hotKeys);
    // A deep copy of the working list; the caller owns it.
    std::unique_ptr<HotKeyList> CopyHotKeys() const;
    void Show();
    void StoreGrid();
    void Refresh();
    void CommitEdit();
    void CancelEdit();

    TTvrDefForm* Form() const noexcept { return form; }

private:
    static OsVersion QueryOsVersion();

    TavrinChanD* owner;
    TTvrDefForm* form = nullptr;
    std::unique_ptr<HotKeyList> hotKeys;
};

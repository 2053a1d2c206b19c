#include "TOpenDialog.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "TForm.h"

namespace {
// Room for the long paths (\\?\ form) that the system allows, well beyond MAX_PATH.
constexpr std::size_t kFileNameBuffer = 32768;
}  // namespace

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

bool TOpenDialog::Execute() {
    std::vector<char> buffer(kFileNameBuffer, '\0');
    std::copy_n(fileName_.begin(), std::min(fileName_.size(), buffer.size() - 1), buffer.begin());
    HWND owner = GetActiveWindow();
    if (owner == nullptr)
        for (TComponent* c = Owner(); c != nullptr && owner == nullptr; c = c->Owner())
            if (auto* form = dynamic_cast<TForm*>(c)) owner = form->Handle();
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&dialog)) return false;
    buffer.back() = '\0';
    fileName_ = buffer.data();
    return true;
}

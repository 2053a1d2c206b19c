#include "WindowFinder.h"

#include <windowsx.h>

namespace {
constexpr UINT kSendTimeoutMs = 5000;

struct Search {
    DWORD processId;
    const char* className;
    const char* text;
    bool firstOnly;
    std::vector<HWND> found;
};
}  // namespace

bool WindowFinder::PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (GetTickCount() - start > timeoutMs) return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

std::string WindowFinder::ClassOf(HWND window) {
    char name[256] = {};
    int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string WindowFinder::Text(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length)) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &copied))
        return {};
    text.resize(static_cast<size_t>(copied) <= length ? static_cast<size_t>(copied) : static_cast<size_t>(length));
    return text;
}

bool WindowFinder::SetText(HWND window, const std::string& text) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                               kSendTimeoutMs, &result) != 0;
}

void WindowFinder::Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void WindowFinder::MouseClick(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    LPARAM at = MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_LBUTTONDOWN, MK_LBUTTON, at, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    SendMessageTimeoutA(window, WM_LBUTTONUP, 0, at, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
}

bool WindowFinder::ReadOnly(HWND edit) { return (GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) != 0; }
bool WindowFinder::TabStop(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP) != 0; }

namespace {
// Collects the windows that match; stops at the first when `firstOnly`.
BOOL CALLBACK Collect(HWND window, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    if (s->processId != 0) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->processId) return TRUE;
    }
    if (WindowFinder::ClassOf(window) != s->className) return TRUE;
    if (s->text != nullptr && WindowFinder::Text(window) != s->text) return TRUE;
    s->found.push_back(window);
    return s->firstOnly ? FALSE : TRUE;
}
}  // namespace

HWND WindowFinder::TopLevel(DWORD processId, const char* className) {
    Search search{processId, className, nullptr, true, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

std::vector<HWND> WindowFinder::AllTopLevel(const char* className) {
    Search search{0, className, nullptr, false, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> WindowFinder::Descendants(HWND root, const char* className) {
    Search search{0, className, nullptr, false, {}};
    EnumChildWindows(root, Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WindowFinder::Descendant(HWND root, const char* className, const char* text) {
    Search search{0, className, text, true, {}};
    EnumChildWindows(root, Collect, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

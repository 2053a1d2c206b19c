#pragma once
// A move-only owner of one system handle, released by the traits' Close.
#include <windows.h>

#include <utility>

template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    // Gives up ownership and returns the handle.
    Handle release() noexcept { return std::exchange(handle_, nullptr); }
    // Closes the owned handle, if any, and takes over `handle`.
    void reset(Handle handle = nullptr) noexcept {
        Handle old = std::exchange(handle_, handle);
        if (old != nullptr) Traits::Close(old);
    }

private:
    Handle handle_ = nullptr;
};

struct GdiObjectTraits {
    using Handle = HGDIOBJ;
    static void Close(HGDIOBJ h) noexcept { DeleteObject(h); }
};
template <class H>
struct TypedGdiTraits {
    using Handle = H;
    static void Close(H h) noexcept { DeleteObject(h); }
};
struct IconTraits {
    using Handle = HICON;
    static void Close(HICON h) noexcept { DestroyIcon(h); }
};
struct MenuTraits {
    using Handle = HMENU;
    static void Close(HMENU h) noexcept { DestroyMenu(h); }
};
struct WindowTraits {
    using Handle = HWND;
    static void Close(HWND h) noexcept { DestroyWindow(h); }
};
struct DcTraits {  // a DC made with CreateCompatibleDC
    using Handle = HDC;
    static void Close(HDC h) noexcept { DeleteDC(h); }
};

using UniqueFont = UniqueHandle<TypedGdiTraits<HFONT>>;
using UniqueBrush = UniqueHandle<TypedGdiTraits<HBRUSH>>;
using UniqueBitmap = UniqueHandle<TypedGdiTraits<HBITMAP>>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;
using UniqueMemoryDc = UniqueHandle<DcTraits>;

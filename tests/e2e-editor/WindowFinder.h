#pragma once
// Finding another process's windows by class, text and position, reading them and working them
// as a user would; and waiting for a state with bounded polling.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class WindowFinder {
public:
    // Handles the caller's own messages and polls `done` every few milliseconds until it holds or
    // the time is up; true when it held.
    static bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

    // The top-level window of the process with this class (any caption); null when none.
    static HWND TopLevel(DWORD processId, const char* className);
    // Every top-level window of this class, of any process.
    static std::vector<HWND> AllTopLevel(const char* className);
    // The first descendant of `root` with this class and, when given, this text.
    static HWND Descendant(HWND root, const char* className, const char* text = nullptr);
    static std::vector<HWND> Descendants(HWND root, const char* className);

    static std::string ClassOf(HWND window);
    // The whole window text, whatever its length.
    static std::string Text(HWND window);
    // WM_SETTEXT, as an edit's user sees its text replaced.
    static bool SetText(HWND window, const std::string& text);
    // Presses a button (BM_CLICK), posted so that a modal dialog it opens cannot block us.
    static void Click(HWND button);
    // A left click in the middle of the window (press and release), sent.
    static void MouseClick(HWND window);
    static bool ReadOnly(HWND edit);
    static bool TabStop(HWND window);
};

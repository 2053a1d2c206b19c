#pragma once
// Helpers of the end-to-end tests under Wine: paths, a staging folder for the programs under
// test, processes, the definitions key with save and restore, stand-in windows, key presses and
// bounded waits that keep the driver's own windows responsive.
#include <windows.h>

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

// A Unix path as Wine sees it (Z:\...); a Windows path is returned unchanged.
std::string WindowsPath(const std::string& path);
std::string TempFolder();

// Handles messages of this thread while waiting until `done` is true or `timeout` has passed;
// returns the last value of `done`.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 10s);
// Handles messages of this thread for `duration` (used only to show that something does NOT
// happen within a short time).
void Pump(std::chrono::milliseconds duration);

// A folder of its own under the temporary folder, removed with its files at the end.
class StagingFolder {
public:
    StagingFolder();
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;
    const std::string& Path() const { return path_; }
    // Copies `source` into the folder as `name`; returns the new path.
    std::string Copy(const std::string& source, const std::string& name);
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// A started process; terminated in the destructor if it still runs.
class Process {
public:
    Process() = default;
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    bool Start(const std::string& exe, const std::string& arguments, const std::string& folder);
    bool Running() const;
    // The exit code once the process has ended within `timeout`; -1 otherwise.
    long WaitForExit(std::chrono::milliseconds timeout);
    DWORD Id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_{};
};

// Saves the key HKCU\<path> with everything below it and puts it back (or removes it, when it did
// not exist) in the destructor.
class SavedKey {
public:
    explicit SavedKey(std::string path);
    ~SavedKey();
    SavedKey(const SavedKey&) = delete;
    SavedKey& operator=(const SavedKey&) = delete;

private:
    std::string path_;
    std::string backup_;
    bool existed_ = false;
};

bool DeleteKeyTree(const std::string& path);
bool KeyExists(const std::string& path);
std::vector<std::string> SubkeyNames(const std::string& path);
std::vector<std::string> ValueNames(const std::string& path);
bool WriteDword(const std::string& path, const std::string& name, DWORD value);
bool WriteString(const std::string& path, const std::string& name, const std::string& value);
// -1 when missing or not a DWORD.
long long ReadDword(const std::string& path, const std::string& name);
std::string ReadString(const std::string& path, const std::string& name);

// A hotkey definition as the store writes it: the item key <listPath>\HotKey_<index>.
struct Definition {
    explicit Definition(char key, bool ctrl = false, bool alt = false, bool shift = false)
        : key(key), ctrl(ctrl), alt(alt), shift(shift) {}
    char key;
    bool ctrl, alt, shift;
    std::string command;
    std::string directory;
    std::string parameters;
    int extra = 0;
    int showCmd = 5;
};
void WriteDefinitions(const std::string& listPath, const std::vector<Definition>& definitions);

// A top-level window of a class of ours that records the messages it receives.
class StandInWindow {
public:
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    StandInWindow(const std::string& className, const std::string& caption);
    ~StandInWindow();
    StandInWindow(const StandInWindow&) = delete;
    StandInWindow& operator=(const StandInWindow&) = delete;
    HWND Handle() const { return window_; }
    // The messages received so far with this number.
    std::vector<Received> Messages(UINT message) const;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    std::string className_;
    HWND window_ = nullptr;
    std::vector<Received> received_;
};

// Presses and releases a letter with the Windows key and the given modifiers, the way a user does:
// Windows key down, modifiers down, letter down and up, modifiers up, Windows key up.
void PressWinCombination(char letter, bool ctrl, bool alt, bool shift);
// The same without the Windows key.
void PressCombination(char letter, bool ctrl, bool alt, bool shift);
void PressKey(WORD virtualKey);

// MOD_* flags for RegisterHotKey.
UINT Modifiers(bool win, bool ctrl, bool alt, bool shift);
// Whether another program holds the combination: true when this process cannot register it
// (RegisterHotKey fails); a successful trial is released at once.
bool HeldElsewhere(UINT modifiers, UINT virtualKey);

// The starts of the recorder helper read from its record file: one map of
// module/cmdline/cwd/show per start.
std::vector<std::map<std::string, std::string>> ReadRecords(const std::string& file);

}  // namespace e2e

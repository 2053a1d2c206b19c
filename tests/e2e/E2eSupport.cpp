#include "E2eSupport.h"

#include <fstream>
#include <sstream>
#include <utility>

namespace e2e {

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string result = "Z:" + path;
    for (char& c : result)
        if (c == '/') c = '\\';
    return result;
}

std::string TempFolder() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    std::string folder(buffer, length <= MAX_PATH ? length : 0);
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder;
}

namespace {
void PumpOnce() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
}  // namespace

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        PumpOnce();
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void Pump(std::chrono::milliseconds duration) {
    WaitUntil([] { return false; }, duration);
}

// --- Staging folder --------------------------------------------------------------------------

StagingFolder::StagingFolder() {
    static int counter = 0;
    path_ = TempFolder() + "\\tavrex-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    CreateDirectoryA(path_.c_str(), nullptr);
}

namespace {
void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = folder + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}
}  // namespace

StagingFolder::~StagingFolder() {
    // A helper that has just ended may hold its file a moment longer.
    for (int attempt = 0; attempt < 50; ++attempt) {
        RemoveTree(path_);
        if (GetFileAttributesA(path_.c_str()) == INVALID_FILE_ATTRIBUTES) return;
        Sleep(20);
    }
}

std::string StagingFolder::Copy(const std::string& source, const std::string& name) {
    const std::string target = File(name);
    CopyFileA(WindowsPath(source).c_str(), target.c_str(), FALSE);
    return target;
}

// --- Process ---------------------------------------------------------------------------------

Process::~Process() {
    if (info_.hProcess != nullptr) {
        if (Running()) {
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
}

bool Process::Start(const std::string& exe, const std::string& arguments, const std::string& folder) {
    std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &info_) != FALSE;
}

bool Process::Running() const {
    return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

long Process::WaitForExit(std::chrono::milliseconds timeout) {
    if (info_.hProcess == nullptr) return -1;
    if (!WaitUntil([this] { return !Running(); }, timeout)) return -1;
    DWORD code = 0;
    return GetExitCodeProcess(info_.hProcess, &code) ? static_cast<long>(code) : -1;
}

// --- Registry --------------------------------------------------------------------------------

namespace {
class Key {
public:
    explicit Key(const std::string& path, bool create = false) {
        if (create)
            RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        else
            RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key_);
    }
    ~Key() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

private:
    HKEY key_ = nullptr;
};
}  // namespace

bool DeleteKeyTree(const std::string& path) {
    const LSTATUS status = RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return false;
    RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
    return !KeyExists(path);
}

bool KeyExists(const std::string& path) { return static_cast<bool>(Key(path)); }

SavedKey::SavedKey(std::string path)
    : path_(std::move(path)), backup_("Software\\TavrexE2EBackup\\" + std::to_string(GetCurrentProcessId())) {
    existed_ = KeyExists(path_);
    DeleteKeyTree(backup_);
    if (existed_) {
        Key source(path_);
        Key target(backup_, true);
        RegCopyTreeA(source.get(), nullptr, target.get());
    }
}

SavedKey::~SavedKey() {
    DeleteKeyTree(path_);
    if (existed_) {
        Key source(backup_);
        Key target(path_, true);
        RegCopyTreeA(source.get(), nullptr, target.get());
    }
    DeleteKeyTree(backup_);
    if (SubkeyNames("Software\\TavrexE2EBackup").empty()) DeleteKeyTree("Software\\TavrexE2EBackup");
}

std::vector<std::string> SubkeyNames(const std::string& path) {
    std::vector<std::string> names;
    Key key(path);
    if (!key) return names;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}

std::vector<std::string> ValueNames(const std::string& path) {
    std::vector<std::string> names;
    Key key(path);
    if (!key) return names;
    for (DWORD i = 0;; ++i) {
        char name[16384];
        DWORD length = sizeof name;
        if (RegEnumValueA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}

bool WriteDword(const std::string& path, const std::string& name, DWORD value) {
    Key key(path, true);
    return key && RegSetValueExA(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                 sizeof value) == ERROR_SUCCESS;
}

bool WriteString(const std::string& path, const std::string& name, const std::string& value) {
    Key key(path, true);
    return key && RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

long long ReadDword(const std::string& path, const std::string& name) {
    Key key(path);
    DWORD type = 0, value = 0, size = sizeof value;
    if (!key || RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
                    ERROR_SUCCESS ||
        type != REG_DWORD)
        return -1;
    return value;
}

std::string ReadString(const std::string& path, const std::string& name) {
    Key key(path);
    DWORD type = 0, size = 0;
    if (!key || RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
    std::string data(size, '\0');
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return {};
    data.resize(size);
    while (!data.empty() && data.back() == '\0') data.pop_back();
    return data;
}

void WriteDefinitions(const std::string& listPath, const std::vector<Definition>& definitions) {
    WriteDword(listPath, "Count", static_cast<DWORD>(definitions.size()));
    for (std::size_t i = 0; i < definitions.size(); ++i) {
        const Definition& d = definitions[i];
        const std::string item = listPath + "\\HotKey_" + std::to_string(i);
        WriteString(item, "Key", std::string(1, d.key));
        WriteDword(item, "Ctrl", d.ctrl);
        WriteDword(item, "Alt", d.alt);
        WriteDword(item, "Shift", d.shift);
        WriteString(item, "Command", d.command);
        WriteString(item, "Directory", d.directory);
        WriteString(item, "Parameters", d.parameters);
        WriteDword(item, "Extra", static_cast<DWORD>(d.extra));
        WriteDword(item, "ShowCmd", static_cast<DWORD>(d.showCmd));
    }
}

// --- Stand-in windows ------------------------------------------------------------------------

StandInWindow::StandInWindow(const std::string& className, const std::string& caption) : className_(className) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &StandInWindow::Procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className_.c_str();
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, className_.c_str(), caption.c_str(), WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              wc.hInstance, this);
}

StandInWindow::~StandInWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
    UnregisterClassA(className_.c_str(), GetModuleHandleA(nullptr));
}

std::vector<StandInWindow::Received> StandInWindow::Messages(UINT message) const {
    std::vector<Received> found;
    for (const Received& r : received_)
        if (r.message == message) found.push_back(r);
    return found;
}

LRESULT CALLBACK StandInWindow::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<StandInWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr && (msg == WM_HOTKEY || msg >= WM_USER)) {
        self->received_.push_back({msg, wParam, lParam});
        return 0;
    }
    if (msg == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return DefWindowProcA(window, msg, wParam, lParam);
}

// --- Keys and hotkeys ------------------------------------------------------------------------

namespace {
INPUT KeyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (virtualKey == VK_LWIN) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return input;
}

void Press(char letter, bool win, bool ctrl, bool alt, bool shift) {
    std::vector<WORD> modifiers;
    if (win) modifiers.push_back(VK_LWIN);
    if (ctrl) modifiers.push_back(VK_CONTROL);
    if (alt) modifiers.push_back(VK_MENU);
    if (shift) modifiers.push_back(VK_SHIFT);
    std::vector<INPUT> inputs;
    for (WORD m : modifiers) inputs.push_back(KeyInput(m, false));
    inputs.push_back(KeyInput(static_cast<WORD>(letter), false));
    inputs.push_back(KeyInput(static_cast<WORD>(letter), true));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) inputs.push_back(KeyInput(*it, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
}  // namespace

void PressWinCombination(char letter, bool ctrl, bool alt, bool shift) { Press(letter, true, ctrl, alt, shift); }
void PressCombination(char letter, bool ctrl, bool alt, bool shift) { Press(letter, false, ctrl, alt, shift); }

void PressKey(WORD virtualKey) {
    INPUT inputs[2] = {KeyInput(virtualKey, false), KeyInput(virtualKey, true)};
    SendInput(2, inputs, sizeof(INPUT));
}

UINT Modifiers(bool win, bool ctrl, bool alt, bool shift) {
    return (win ? MOD_WIN : 0) | (ctrl ? MOD_CONTROL : 0) | (alt ? MOD_ALT : 0) | (shift ? MOD_SHIFT : 0);
}

bool HeldElsewhere(UINT modifiers, UINT virtualKey) {
    constexpr int kTrialId = 0xBFF0;
    if (!RegisterHotKey(nullptr, kTrialId, modifiers, virtualKey)) return true;
    UnregisterHotKey(nullptr, kTrialId);
    return false;
}

// --- Recorder --------------------------------------------------------------------------------

std::vector<std::map<std::string, std::string>> ReadRecords(const std::string& file) {
    std::vector<std::map<std::string, std::string>> records;
    std::ifstream in(file, std::ios::binary);
    std::map<std::string, std::string> current;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == "end") {
            records.push_back(std::move(current));
            current.clear();
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) current[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return records;
}

}  // namespace e2e

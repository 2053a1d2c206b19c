#include "EditorProcess.h"

#include <vector>

#include "WindowFinder.h"

std::string EditorProcess::ExePath() {
    std::string path = TAVREX_EDITOR_EXE;  // a Unix path from the build; Wine maps / to Z:
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            if (c == '/') c = '\\';
        path = "Z:" + path;
    }
    return path;
}

EditorProcess::EditorProcess() {
    std::string exe = ExePath();
    std::string folder = exe.substr(0, exe.find_last_of('\\'));
    std::string commandLine = "\"" + exe + "\"";
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info))
        return;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

EditorProcess::~EditorProcess() {
    Kill();
    if (process_ != nullptr) CloseHandle(process_);
}

bool EditorProcess::WaitForExit(DWORD timeoutMs) {
    if (process_ == nullptr) return true;
    return WindowFinder::PumpUntil([this] { return !Running(); }, timeoutMs);
}

bool EditorProcess::Running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD EditorProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_ != nullptr) GetExitCodeProcess(process_, &code);
    return code;
}

void EditorProcess::Kill() {
    if (!Running()) return;
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
}

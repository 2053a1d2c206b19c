// A helper program of the end-to-end tests: it appends how it was started (its own path, command
// line, current folder and the show command it received) to a record file, then ends. The file is
// named by --record-file=PATH on the command line, else by the environment variable
// TAVREX_RECORD_FILE; without either it records nothing. Copies of it stand in for other
// programs (for instance as TavrexW.exe).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {
std::string RecordFileName() {
    const std::string commandLine = GetCommandLineA();
    const std::string option = "--record-file=";
    if (const std::size_t at = commandLine.find(option); at != std::string::npos) {
        std::size_t begin = at + option.size();
        const bool quoted = begin < commandLine.size() && commandLine[begin] == '"';
        if (quoted) ++begin;
        const std::size_t end = commandLine.find(quoted ? '"' : ' ', begin);
        return commandLine.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
    }
    std::vector<char> value(32768);
    const DWORD length = GetEnvironmentVariableA("TAVREX_RECORD_FILE", value.data(), static_cast<DWORD>(value.size()));
    if (length == 0 || length >= value.size()) return {};
    return std::string(value.data(), length);
}

std::string ModulePath() {
    std::vector<char> path(32768);
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return std::string(path.data(), length < path.size() ? length : 0);
}

std::string CurrentFolder() {
    std::vector<char> path(32768);
    const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(path.size()), path.data());
    return std::string(path.data(), length < path.size() ? length : 0);
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string file = RecordFileName();
    if (file.empty()) return 1;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : -1;
    const std::string record = "module=" + ModulePath() + "\ncmdline=" + GetCommandLineA() + "\ncwd=" +
                               CurrentFolder() + "\nshow=" + std::to_string(show) + "\nend\n";
    // One block per start, appended in one write so that starts close together do not mix.
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE handle = CreateFileA(file.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            const BOOL ok = WriteFile(handle, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
            CloseHandle(handle);
            return ok && written == record.size() ? 0 : 1;
        }
        Sleep(10);  // another start holds the file for a moment
    }
    return 1;
}

#pragma once
// One run of the real TavrexW.exe, started from its own folder; ended (killed if need be) when
// the object goes.
#include <windows.h>

#include <string>

class EditorProcess {
public:
    // Starts the editor; Started() tells whether that worked.
    EditorProcess();
    ~EditorProcess();
    EditorProcess(const EditorProcess&) = delete;
    EditorProcess& operator=(const EditorProcess&) = delete;

    // The Windows path of the editor under test.
    static std::string ExePath();

    bool Started() const noexcept { return process_ != nullptr; }
    DWORD Id() const noexcept { return id_; }
    // Waits (pumping the caller's messages) until the process has ended; false on timeout.
    bool WaitForExit(DWORD timeoutMs);
    bool Running() const;
    // The exit code once ended; STILL_ACTIVE before.
    DWORD ExitCode() const;
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

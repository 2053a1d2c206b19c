#pragma once
// The shell and window calls in memory: records each call; windows exist by class (and caption);
// ShellExecute of chosen files fails.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ShellAccess.h"

class FakeShellAccess : public ShellAccess {
public:
    struct Execution {
        Window owner;
        std::string verb, file;
        std::optional<std::string> parameters, directory;
        int showCmd;
        bool operator==(const Execution&) const = default;
    };
    struct Post {
        Window window;
        unsigned message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        bool operator==(const Post&) const = default;
    };

    std::intptr_t Execute(Window owner, const char* verb, const char* file, const char* parameters,
                          const char* directory, int showCmd) override {
        auto text = [](const char* s) { return s ? std::optional<std::string>(s) : std::nullopt; };
        executions.push_back({owner, verb, file, text(parameters), text(directory), showCmd});
        return failFiles.count(file) != 0 ? 2 : 42;
    }
    Window FindTopWindow(const char* className, const char* caption) override {
        ++finds;
        for (const auto& [key, window] : windows)
            if (key.first == className && (caption == nullptr || key.second == caption)) return window;
        return 0;
    }
    bool PostToWindow(Window window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
        posts.push_back({window, message, wParam, lParam});
        return true;
    }
    AnsiString ProgramFolder() override { return folder; }

    std::map<std::pair<std::string, std::string>, Window> windows;
    std::set<std::string> failFiles;
    AnsiString folder = "C:\\Tavrex";
    std::vector<Execution> executions;
    std::vector<Post> posts;
    int finds = 0;
};

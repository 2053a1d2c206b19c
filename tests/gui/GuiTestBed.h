#pragma once
// A fresh application object for each test, waiting for states while messages are handled, and
// key presses posted the way the system queues them.
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TApplication.h"

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Handles messages until `done` holds or `timeout` has passed; returns whether it holds.
    static bool WaitFor(const std::function<bool()>& done,
                        std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));
    // Handles the messages that are waiting, a few rounds.
    static void Pump();
    // Queues a key press (WM_KEYDOWN, WM_KEYUP) for `window`, as the keyboard would.
    static void PostKey(HWND window, UINT virtualKey);

    TApplication& App() { return *application_; }
    // Exceptions that reached the application's handling (in place of the error box).
    std::vector<std::string> exceptions;

private:
    std::unique_ptr<TApplication> application_;
    TApplication* previous_ = nullptr;
};

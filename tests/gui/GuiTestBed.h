#pragma once
// A fresh application object for each test, and waiting for states while messages are handled.
#include <chrono>
#include <functional>
#include <memory>

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

    TApplication& App() { return *application_; }

private:
    std::unique_ptr<TApplication> application_;
    TApplication* previous_ = nullptr;
};

#include "GuiTestBed.h"

#include <windows.h>

void GuiTest::SetUp() {
    previous_ = Application;
    application_ = std::make_unique<TApplication>();
    Application = application_.get();
    Application->Initialize();
    // An exception that reaches a window procedure fails the test instead of opening a message box.
    Application->OnException = [](TObject*, const Exception& e) { ADD_FAILURE() << "unexpected exception: " << e.Message(); };
}

void GuiTest::TearDown() {
    application_.reset();
    Application = previous_;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

bool GuiTest::WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        Application->ProcessMessages();
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void GuiTest::Pump() {
    for (int i = 0; i < 5; ++i) {
        Application->ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

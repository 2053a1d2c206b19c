#include "GuiTestBed.h"

void GuiTest::SetUp() {
    previous_ = Application;
    application_ = std::make_unique<TApplication>();
    Application = application_.get();
    Application->Initialize();
    Application->OnException = [this](TObject*, const Exception& e) { exceptions.push_back(e.Message()); };
}

void GuiTest::TearDown() {
    EXPECT_TRUE(exceptions.empty()) << "first: " << (exceptions.empty() ? "" : exceptions.front());
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

void GuiTest::PostKey(HWND window, UINT virtualKey) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(window, WM_KEYDOWN, virtualKey, scan | 1);
    PostMessageA(window, WM_KEYUP, virtualKey, scan | 1 | (LPARAM{3} << 30));
}

// The file-open dialog, driven from a helper thread: the chosen name comes back with its path
// and is offered again at the next use; Cancel keeps it.
#include <atomic>
#include <string>
#include <thread>

#include "GuiTestBed.h"
#include "TForm.h"
#include "TOpenDialog.h"

namespace {

constexpr int kFileNameEdit = 0x480;   // edt1
constexpr int kFileNameCombo = 0x47C;  // cmb13

struct DialogDriver {
    std::string type;      // the name to type; empty: press Cancel
    std::string offered;   // what the file-name field showed when the dialog opened
    std::atomic<bool> seen{false};

    void Run() {
        for (int i = 0; i < 500; ++i) {
            HWND dialog = FindWindowA("#32770", nullptr);
            if (dialog != nullptr && IsWindowVisible(dialog)) {
                seen = true;
                Sleep(50);  // let the dialog finish its initialisation
                HWND field = GetDlgItem(dialog, kFileNameCombo);
                if (field == nullptr) field = GetDlgItem(dialog, kFileNameEdit);
                char text[1024] = {};
                if (field != nullptr) GetWindowTextA(field, text, sizeof text);
                offered = text;
                if (type.empty()) {
                    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                } else {
                    if (field != nullptr) SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(type.c_str()));
                    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                }
                return;
            }
            Sleep(10);
        }
    }
};

using OpenDialog = GuiTest;

TEST_F(OpenDialog, ChosenNameIsKeptAndOfferedAgain) {
    TForm* form = nullptr;
    App().CreateForm(form);
    form->Show();
    TOpenDialog* dialog = form->CreateComponent<TOpenDialog>();
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string chosen = std::string(windows) + "\\win.ini";

    DialogDriver choose;
    choose.type = chosen;
    std::thread first([&] { choose.Run(); });
    const bool accepted = dialog->Execute();
    first.join();
    ASSERT_TRUE(choose.seen);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(lstrcmpiA(dialog->FileName().c_str(), chosen.c_str()), 0) << dialog->FileName();

    DialogDriver cancel;
    std::thread second([&] { cancel.Run(); });
    EXPECT_FALSE(dialog->Execute());
    second.join();
    EXPECT_NE(cancel.offered.find("win.ini"), std::string::npos) << cancel.offered;
    EXPECT_EQ(lstrcmpiA(dialog->FileName().c_str(), chosen.c_str()), 0);
}

}  // namespace

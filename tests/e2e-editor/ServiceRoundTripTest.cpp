// The editor with the real service: a definition added in the key grid and confirmed with OK is
// registered by the running service, and pressing it launches its command.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "E2eSupport.h"
#include "EditorProcess.h"
#include "RegistrySnapshot.h"
#include "WindowFinder.h"

namespace {

using namespace e2e;

constexpr char kPath[] = "Software\\MoxApp\\TavrinChan\\HotKeys";
constexpr DWORD kWaitMs = 10000;

class EditorWithService : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = RegistrySnapshot::Take(kPath);
        RegistrySnapshot::Delete(kPath);
        record_ = TempFolder() + "\\tavrex-editor-roundtrip-" + std::to_string(GetCurrentProcessId()) + ".txt";
        DeleteFileA(record_.c_str());
        // The service passes its environment on to what it launches.
        SetEnvironmentVariableA("TAVREX_RECORD_FILE", record_.c_str());
    }
    void TearDown() override {
        editor_.reset();
        service_.reset();  // ends the service
        SetEnvironmentVariableA("TAVREX_RECORD_FILE", nullptr);
        DeleteFileA(record_.c_str());
        saved_.Restore();
    }

    RegistrySnapshot saved_;
    std::string record_;
    std::unique_ptr<Process> service_;
    std::unique_ptr<EditorProcess> editor_;
};

TEST_F(EditorWithService, DefinitionConfirmedWithOkIsRegisteredAndLaunches) {
    const UINT modifiers = MOD_WIN | MOD_CONTROL | MOD_ALT;
    ASSERT_FALSE(HeldElsewhere(modifiers, 'J')) << "Win+Ctrl+Alt+J is taken on this desktop";

    const std::string serviceExe = WindowsPath(TAVREX_SERVICE_EXE);
    service_ = std::make_unique<Process>();
    ASSERT_TRUE(service_->Start(serviceExe, "", serviceExe.substr(0, serviceExe.find_last_of('\\'))));
    ASSERT_TRUE(WindowFinder::PumpUntil([] { return FindWindowA("TTvrDefFormD", "TvrDefFormD") != nullptr; }, kWaitMs))
        << "the service's hidden window did not appear";

    editor_ = std::make_unique<EditorProcess>();
    ASSERT_TRUE(editor_->Started());
    HWND grid = nullptr;
    ASSERT_TRUE(WindowFinder::PumpUntil(
        [&] {
            grid = WindowFinder::TopLevel(editor_->Id(), "TTvrDefForm");
            return grid != nullptr && IsWindowVisible(grid);
        },
        kWaitMs));
    for (const char* toggle : {"CTRL", "ALT"}) WindowFinder::MouseClick(WindowFinder::Descendant(grid, "TPanel", toggle));
    HWND row = nullptr;
    for (HWND label : WindowFinder::Descendants(grid, "TLabel"))
        if (WindowFinder::Text(label) == "J") row = WindowFinder::Descendant(GetParent(label), "TMoxEdit");
    ASSERT_NE(row, nullptr);
    const std::string recorder = WindowsPath(TAVREX_RECORDER_EXE);
    ASSERT_TRUE(WindowFinder::SetText(row, recorder));
    WindowFinder::Click(WindowFinder::Descendant(grid, "TButton", "OK"));
    ASSERT_TRUE(editor_->WaitForExit(kWaitMs));
    EXPECT_EQ(editor_->ExitCode(), 0u);

    ASSERT_TRUE(WindowFinder::PumpUntil([&] { return HeldElsewhere(modifiers, 'J'); }, kWaitMs))
        << "the service did not register Win+Ctrl+Alt+J after the reload";
    PressWinCombination('J', /*ctrl=*/true, /*alt=*/true, /*shift=*/false);
    ASSERT_TRUE(WindowFinder::PumpUntil([&] { return !ReadRecords(record_).empty(); }, kWaitMs))
        << "the command was not launched";
    auto records = ReadRecords(record_);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]["show"], "5");
}

}  // namespace

// TMoxEdit with real drop handles: the drop target registration, one OnDropFiles per drop with
// every name in order, and the release of the handle in every case.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TApplication.h"
#include "TForm.h"
#include "TMoxEdit.h"

namespace {

// A drop handle as the shell makes it: DROPFILES followed by the ANSI names, each ended by a NUL,
// and one more NUL.
HGLOBAL MakeDrop(const std::vector<std::string>& files) {
    size_t size = sizeof(DROPFILES) + 2;  // the closing NUL, and one more for an empty list
    for (const std::string& f : files) size += f.size() + 1;
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (handle == nullptr) return nullptr;
    auto* header = static_cast<DROPFILES*>(GlobalLock(handle));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    char* at = reinterpret_cast<char*>(header) + sizeof(DROPFILES);
    for (const std::string& f : files) {
        memcpy(at, f.c_str(), f.size() + 1);
        at += f.size() + 1;
    }
    GlobalUnlock(handle);
    return handle;
}

bool Released(HGLOBAL handle) {
    return GlobalSize(handle) == 0 || GlobalFlags(handle) == GMEM_INVALID_HANDLE;
}

bool AcceptsFiles(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0; }

class MoxEditDrop : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        form_ = std::make_unique<TForm>(nullptr);
        form_->AfterConstruction();
        edit_ = form_->CreateComponent<TMoxEdit>(form_.get());
        edit_->SetBounds(10, 10, 200, 20);
        edit_->OnDropFiles = [this](TObject* sender, TStringList* files) {
            ++drops_;
            EXPECT_EQ(sender, edit_);
            for (int i = 0; i < files->Count(); ++i) names_.push_back(files->Strings(i));
        };
    }

    std::unique_ptr<TForm> form_;
    TMoxEdit* edit_ = nullptr;
    int drops_ = 0;
    std::vector<std::string> names_;
};

TEST_F(MoxEditDrop, DropAcceptRegistersTheWindowAtOnceAndAfterItIsMadeAgain) {
    edit_->SetDropAccept(false);
    HWND window = edit_->Handle();
    EXPECT_FALSE(AcceptsFiles(window));
    edit_->SetDropAccept(true);
    EXPECT_TRUE(AcceptsFiles(window));
    edit_->SetDropAccept(false);
    EXPECT_FALSE(AcceptsFiles(window));

    edit_->SetDropAccept(true);
    int creates = 0;
    edit_->OnCreate = [&](TObject*) { ++creates; };
    edit_->DestroyHandle();
    EXPECT_TRUE(AcceptsFiles(edit_->Handle()));
    EXPECT_EQ(creates, 1);
}

TEST_F(MoxEditDrop, SeveralFilesGiveOneEventWithAllNamesInOrder) {
    edit_->SetDropAccept(true);
    const std::string longName = "C:\\" + std::string(300, 'l') + "\\" + std::string(100, 'n') + ".txt";
    const std::vector<std::string> files = {"C:\\first.txt", longName, "D:\\third folder\\third.exe"};
    HGLOBAL drop = MakeDrop(files);
    ASSERT_NE(drop, nullptr);
    SendMessageA(edit_->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(drops_, 1);
    EXPECT_EQ(names_, files);
    EXPECT_TRUE(Released(drop));
}

TEST_F(MoxEditDrop, DropIsReleasedWithoutHandlerAndWithoutFiles) {
    edit_->OnDropFiles = nullptr;
    HGLOBAL drop = MakeDrop({"C:\\one.txt"});
    SendMessageA(edit_->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_TRUE(Released(drop));

    int calls = 0;
    edit_->OnDropFiles = [&](TObject*, TStringList*) { ++calls; };
    HGLOBAL empty = MakeDrop({});
    SendMessageA(edit_->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(empty), 0);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(Released(empty));
}

TEST_F(MoxEditDrop, HandlerFailureStillReleasesTheDrop) {
    edit_->OnDropFiles = [](TObject*, TStringList*) { throw Exception("handler failed"); };
    bool reported = false;
    Application->OnException = [&](TObject*, const Exception&) { reported = true; };
    HGLOBAL drop = MakeDrop({"C:\\one.txt"});
    SendMessageA(edit_->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    Application->OnException = nullptr;
    EXPECT_TRUE(reported);
    EXPECT_TRUE(Released(drop));
}

}  // namespace

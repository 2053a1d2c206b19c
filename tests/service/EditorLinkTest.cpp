// Raising, starting and closing the editor, and the fallbacks when the shell cannot find a file.
#include <gtest/gtest.h>

#include "EditorLink.h"
#include "FakeShellAccess.h"

namespace {
constexpr ShellAccess::Window kOwner = 0x55;
constexpr ShellAccess::Window kEditor = 0x66;
}  // namespace

class EditorLinkTest : public ::testing::Test {
protected:
    FakeShellAccess shell;
    void EditorRuns() { shell.windows[{"TTvrMainFormD", "TvrMainFormD"}] = kEditor; }
};

TEST_F(EditorLinkTest, PopupRaisesARunningEditorAndStartsNothing) {
    EditorRuns();
    PopupEditor(shell, kOwner);
    ASSERT_EQ(shell.posts.size(), 1u);
    EXPECT_EQ(shell.posts[0], (FakeShellAccess::Post{kEditor, 0x0402, 0, 0}));
    EXPECT_TRUE(shell.executions.empty());
}

TEST_F(EditorLinkTest, PopupStartsTheEditorByItsBareName) {
    shell.windows[{"TTvrMainFormD", "SomethingElse"}] = kEditor;  // the caption must match too
    PopupEditor(shell, kOwner);
    EXPECT_TRUE(shell.posts.empty());
    ASSERT_EQ(shell.executions.size(), 1u);
    EXPECT_EQ(shell.executions[0], (FakeShellAccess::Execution{kOwner, "Open", "TavrexW", "", "", 5}));
}

TEST_F(EditorLinkTest, PopupFallsBackToTheEditorBesideTheService) {
    shell.failFiles.insert("TavrexW");
    PopupEditor(shell, kOwner);
    ASSERT_EQ(shell.executions.size(), 2u);
    EXPECT_EQ(shell.executions[1],
              (FakeShellAccess::Execution{kOwner, "Open", "C:\\Tavrex\\TavrexW.exe", "", "", 5}));
}

TEST_F(EditorLinkTest, CloseTellsOnlyARunningEditor) {
    CloseEditor(shell);
    EXPECT_TRUE(shell.posts.empty());
    EditorRuns();
    CloseEditor(shell);
    ASSERT_EQ(shell.posts.size(), 1u);
    EXPECT_EQ(shell.posts[0], (FakeShellAccess::Post{kEditor, 0x0403, 0, 0}));
}

TEST(ExecuteWithFallbackTest, KeepsNullArgumentsAndTriesTheFallbackOnlyOnFailure) {
    FakeShellAccess shell;
    ExecuteWithFallback(shell, kOwner, "Tavrex.html", nullptr, nullptr, 5, "Tavrex.html");
    ASSERT_EQ(shell.executions.size(), 1u);

    shell.failFiles.insert("Tavrex.html");
    ExecuteWithFallback(shell, kOwner, "Tavrex.html", nullptr, nullptr, 5, "Tavrex.html");
    ASSERT_EQ(shell.executions.size(), 3u);
    EXPECT_EQ(shell.executions[2],
              (FakeShellAccess::Execution{kOwner, "Open", "C:\\Tavrex\\Tavrex.html", std::nullopt, std::nullopt, 5}));

    // Without a folder to look in there is nothing to fall back to.
    shell.folder.clear();
    ExecuteWithFallback(shell, kOwner, "Tavrex.html", nullptr, nullptr, 5, "Tavrex.html");
    EXPECT_EQ(shell.executions.size(), 4u);
}

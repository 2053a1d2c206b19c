#include "EditorLink.h"

namespace {
constexpr int kSwShow = 5;
}

ShellAccess::Window FindEditorWindow(ShellAccess& shell) {
    return shell.FindTopWindow(kEditorWindowClass, kEditorWindowCaption);
}

void PopupEditor(ShellAccess& shell, ShellAccess::Window owner) {
    if (const ShellAccess::Window editor = FindEditorWindow(shell); editor != 0) {
        shell.PostToWindow(editor, UM_SHOW_EDITOR, 0, 0);
        return;
    }
    ExecuteWithFallback(shell, owner, kEditorProgram, "", "", kSwShow, kEditorProgramFile);
}

void CloseEditor(ShellAccess& shell) {
    if (const ShellAccess::Window editor = FindEditorWindow(shell); editor != 0)
        shell.PostToWindow(editor, UM_CLOSE_EDITOR, 0, 0);
}

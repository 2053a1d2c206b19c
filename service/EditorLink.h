#pragma once
// The service's side of the conversation with the editor TavrexW: the two hidden windows by which
// the programs find each other, the three posted messages, and raising, starting or closing the
// editor.
#include "ShellAccess.h"

constexpr unsigned kWmUser = 0x0400;
constexpr unsigned UM_SHOW_EDITOR = kWmUser + 2;
constexpr unsigned UM_CLOSE_EDITOR = kWmUser + 3;
constexpr unsigned UM_RELOAD_DEFINITIONS = kWmUser + 4;

constexpr char kEditorWindowClass[] = "TTvrMainFormD";
constexpr char kEditorWindowCaption[] = "TvrMainFormD";
constexpr char kServiceWindowClass[] = "TTvrDefFormD";
constexpr char kServiceWindowCaption[] = "TvrDefFormD";
constexpr char kEditorProgram[] = "TavrexW";
constexpr char kEditorProgramFile[] = "TavrexW.exe";

// The editor's hidden main window, or 0.
ShellAccess::Window FindEditorWindow(ShellAccess& shell);
// Posts UM_SHOW_EDITOR to a running editor; otherwise starts "TavrexW" through the shell (empty
// parameters and folder, SW_SHOW) and, when the shell cannot find it, TavrexW.exe from the
// service's own folder.
void PopupEditor(ShellAccess& shell, ShellAccess::Window owner);
// Posts UM_CLOSE_EDITOR to a running editor.
void CloseEditor(ShellAccess& shell);

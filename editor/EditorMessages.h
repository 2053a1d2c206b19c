#pragma once
// The messages between the service and the editor, posted without data (wParam 0, lParam 0),
// and the windows by which each program finds the other.
#include <windows.h>

constexpr UINT UM_SHOW_EDITOR = WM_USER + 2;         // service -> editor: bring the grid to the front
constexpr UINT UM_CLOSE_EDITOR = WM_USER + 3;        // service -> editor: end without saving
constexpr UINT UM_RELOAD_DEFINITIONS = WM_USER + 4;  // editor -> service: re-read the registry

constexpr char kEditorWindowClass[] = "TTvrMainFormD";
constexpr char kEditorWindowCaption[] = "TvrMainFormD";
constexpr char kServiceWindowClass[] = "TTvrDefFormD";
constexpr char kServiceWindowCaption[] = "TvrDefFormD";


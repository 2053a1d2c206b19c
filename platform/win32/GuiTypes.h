#pragma once
// Types shared by the forms and controls: colours, events, layout and form settings.
#include <cstdint>
#include <functional>

class TObject;

// An event that carries only its sender.
using TNotifyEvent = std::function<void(TObject* sender)>;

// A colour: 0x00BBGGRR, or a system colour (high byte 0x80, low byte the COLOR_* index).
using TColor = std::uint32_t;
constexpr TColor clSystemColor = 0x80000000u;
constexpr TColor clWindowText = clSystemColor | 8u;  // COLOR_WINDOWTEXT
constexpr TColor clWindow = clSystemColor | 5u;      // COLOR_WINDOW
constexpr TColor clBtnFace = clSystemColor | 15u;    // COLOR_BTNFACE
constexpr TColor clBtnText = clSystemColor | 18u;    // COLOR_BTNTEXT
constexpr TColor clBlack = 0x000000u;
constexpr TColor clWhite = 0xFFFFFFu;

// The result of a modal form: 0 while it runs.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;

// What Close does with a form once its OnClose handler has run.
enum TCloseAction { caNone, caHide, caFree, caMinimize };

// The placement of a control inside its parent's client area.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Horizontal alignment of a text.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A panel's bevel.
enum TBevelCut { bvNone, bvLowered, bvRaised };

// A form's frame: bsDialog is a fixed-size dialog frame.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };

// Where a form appears when it is shown.
enum TPosition { poDesigned, poScreenCenter };

// fsStayOnTop keeps the form above the windows of other programs.
enum TFormStyle { fsNormal, fsStayOnTop };

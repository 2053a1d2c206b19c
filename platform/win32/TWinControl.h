#pragma once
// The base of every control that has a window: its place among its parent's controls, its
// bounds, texts, state and look, and the route that every message of its window takes:
//
//   window procedure -> Dispatch (virtual: the message map of a derived class, which passes on
//   what it does not take to the inherited Dispatch) -> the inherited handling here (standard
//   messages; WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_CTLCOLOR*, WM_HSCROLL and WM_VSCROLL
//   reflected to the child control they concern as CN_*) -> DefaultHandler (virtual; here
//   DefWindowProc, or the standard control's own window procedure for EDIT, BUTTON and the like).
//
// An exception thrown anywhere on that route stops at the window procedure and goes to the
// application's exception handling.
#include <windows.h>

#include <memory>
#include <vector>

#include "GuiTypes.h"
#include "TComponent.h"
#include "TFont.h"
#include "TMessage.h"
#include "UniqueHandle.h"

class TForm;

class TWinControl : public TComponent {
public:
    // The control belongs to `owner` (usually its form) and lies on `parent` (may be given
    // later with SetParent). Its window is made by AfterConstruction when the parent has one
    // already (create controls with CreateComponent), else with the parent's window, or on demand.
    explicit TWinControl(TComponent* owner, TWinControl* parent = nullptr);
    // Destroys the window (and with it the windows of the controls on it) and leaves the parent.
    ~TWinControl() override;

    AnsiString ClassName() const override { return "TWinControl"; }
    void AfterConstruction() override;

    // --- Place -------------------------------------------------------------------------------
    TWinControl* Parent() const noexcept { return parent_; }
    // Moves the control onto `parent` (null takes it off); its window is made at once when the
    // new parent already has one.
    void SetParent(TWinControl* parent);
    int ControlCount() const noexcept { return static_cast<int>(controls_.size()); }
    // The control at index on this one, in the order they were put on it; null outside the list.
    TWinControl* Controls(int index) const noexcept;
    // The form this control lies on (this one, if it is a form); null when there is none.
    TForm* ParentForm();

    // --- Bounds, in pixels relative to the parent's client area (a form: to the screen) ---------
    int Left() const noexcept { return left_; }
    int Top() const noexcept { return top_; }
    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    virtual void SetBounds(int left, int top, int width, int height);
    // The size of the client area: the live one once the window exists.
    virtual int ClientWidth();
    virtual int ClientHeight();
    TAlign Align() const noexcept { return align_; }
    void SetAlign(TAlign align);

    // --- Text --------------------------------------------------------------------------------
    // The window text: read live from the window once it exists, whole whatever its length.
    AnsiString Caption() const;
    void SetCaption(const AnsiString& caption);
    AnsiString Text() const { return Caption(); }
    void SetText(const AnsiString& text) { SetCaption(text); }

    // --- State -------------------------------------------------------------------------------
    bool Enabled() const noexcept { return enabled_; }
    virtual void SetEnabled(bool enabled);
    bool Visible() const noexcept { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Whether Tab stops at this control.
    bool TabStop() const noexcept { return tabStop_; }
    void SetTabStop(bool tabStop);
    // The control's place in the Tab sequence among the controls of its parent: 0 is first.
    // Setting it moves the others up or down; a value beyond the last makes it the last.
    int TabOrder() const noexcept;
    void SetTabOrder(int order);
    // Shown as a tooltip over the control while the form's ShowHint is on.
    const AnsiString& Hint() const noexcept { return hint_; }
    void SetHint(const AnsiString& hint);

    // --- Look --------------------------------------------------------------------------------
    // The background colour; with ParentColor on (the default of most controls) that of the parent.
    TColor Color() const noexcept;
    void SetColor(TColor color);
    bool ParentColor() const noexcept { return parentColor_; }
    void SetParentColor(bool parentColor);
    // The font in effect: the parent's while ParentFont is on (the default), else the own one.
    TFont& Font();
    bool ParentFont() const noexcept { return parentFont_; }
    void SetParentFont(bool parentFont);
    // Repaints the control.
    void Invalidate();
    // Puts the control above its siblings (a form: above the other windows).
    virtual void BringToFront();

    // --- Focus -------------------------------------------------------------------------------
    // Gives the control the input focus; on a form that is not active, the focus goes there
    // when the form is next activated.
    virtual void SetFocus();
    bool Focused() const;
    // Whether the control and all its parents are visible and enabled.
    bool CanFocus() const;

    // --- Window ------------------------------------------------------------------------------
    // The window; made on first use together with the windows of the controls on it (and of
    // the parent, if need be). Raises Exception when the window cannot be made.
    HWND Handle();
    void HandleNeeded() { (void)Handle(); }
    bool HandleAllocated() const noexcept { return handle_ != nullptr; }
    // Destroys the window; the object keeps its settings and makes a new window on demand.
    void DestroyHandle();
    // The object bound to `window` when it is one of ours; null otherwise.
    static TWinControl* FromHandle(HWND window) noexcept;
    // The RGB value of a colour (system colours resolved).
    static COLORREF ColorToRGB(TColor color) noexcept;

    // --- Messages ----------------------------------------------------------------------------
    // Sends a message straight through this control's route and returns its result; makes the
    // window if need be.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The message map: derived classes take their messages here and pass on the rest to the
    // inherited Dispatch.
    virtual void Dispatch(TMessage& message);
    // What a message that nothing took gets: DefWindowProc or the standard control's procedure.
    virtual void DefaultHandler(TMessage& message);

    // --- Events ------------------------------------------------------------------------------
    TNotifyEvent OnClick;
    // A character typed into the control; setting the key to 0 swallows it, changing it
    // passes the changed character on.
    std::function<void(TObject* sender, char& key)> OnKeyPress;

    // Raises OnClick.
    virtual void Click();

protected:
    struct TCreateParams {
        AnsiString WinClassName;     // registered on demand
        const char* BaseClassName;   // a standard class that this one extends, or null
        DWORD Style;
        DWORD ExStyle;
        UINT ClassStyle;             // for a class of our own (no base class)
        LPCSTR Cursor;               // a system cursor for a class of our own
        HWND WndParent;
        int X, Y, Width, Height;
    };
    // Fills in how the window is made; derived classes adjust what the base class set.
    virtual void CreateParams(TCreateParams& params);
    // Runs once the window exists (and the windows of the controls on it): applies the settings
    // that need a window.
    virtual void CreateWnd() {}
    // The part of the client area that aligned controls share.
    virtual void AdjustClientRect(RECT& rect);
    // Places the aligned controls on this one.
    void RealignControls();
    // The brush of the background colour; owned by this control (or a system brush).
    HBRUSH BackgroundBrush();
    // Fills `rect` with the background colour.
    void PaintBackground(HDC dc, const RECT& rect);
    // Answers WM_PAINT of a control that draws itself: BeginPaint, Paint, EndPaint.
    void PaintMessage(TMessage& message);
    // Draws a self-drawn control; called by PaintMessage.
    virtual void Paint(HDC) {}
    // Called when the font in effect changed (after WM_SETFONT has been sent to the window).
    virtual void FontChanged() {}
    // Called after SetCaption changed the text.
    virtual void TextChanged() {}
    // The bounds are changed by the window itself (user move, alignment, auto size).
    void UpdateBoundsFromWindow();
    // Sets the bounds kept by this object without touching the window.
    void SetBoundsFields(int left, int top, int width, int height) noexcept;
    // Defaults of a control class.
    void SetDefaultTabStop(bool tabStop) noexcept { tabStop_ = tabStop; }
    // The handle without making it.
    HWND WindowHandle() const noexcept { return handle_; }
    // Adds or removes a style bit on the live window (and remembers nothing).
    void ChangeStyle(DWORD add, DWORD remove);
    // Whether the left mouse button went down on this window and is still down.
    bool MouseDown() const noexcept { return mouseDown_; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    friend class TApplication;
    friend class TForm;

    void CreateHandle();
    void CreateChildHandles();
    void ApplyFont();
    void PropagateFontChange();
    void ColorChanged();
    void UpdateZOrder();
    void HintChanged();
    bool ReflectToChild(TMessage& message, HWND child);
    void RemoveControl(TWinControl* control) noexcept;
    void LinkTo(TWinControl* parent);

    HWND handle_ = nullptr;
    WNDPROC baseProc_ = nullptr;
    TWinControl* parent_ = nullptr;
    std::vector<TWinControl*> controls_;   // controls lying on this one, in creation order
    std::vector<TWinControl*> tabList_;    // the same, in Tab order
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TAlign align_ = alNone;
    AnsiString caption_;
    AnsiString hint_;
    bool enabled_ = true;
    bool visible_ = true;
    bool tabStop_ = false;
    bool parentColor_ = true;
    bool parentFont_ = true;
    bool mouseDown_ = false;
    bool realigning_ = false;
    TColor color_ = clBtnFace;
    std::unique_ptr<TFont> font_;
    UniqueBrush brush_;          // the brush of a colour that is not a system colour
    HBRUSH brushHandle_ = nullptr; // brush_ or a system brush
    TColor brushColor_ = 0;

protected:
    // Set by forms: a form is a top-level window and has no parent control.
    bool isForm_ = false;
    // Set by standard controls that draw their own background and text colours.
    bool reflectsColors_ = true;
};

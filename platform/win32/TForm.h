#pragma once
// A top-level window with controls on it. Its window class is registered on demand under the
// form's ClassName() and its window text is the Caption, so another program finds the window with
// FindWindowA(ClassName(), Caption()). Forms are owned by the application's hidden window, which
// carries the taskbar button.
//
// Keys (handled by the application's message loop for the active form): Tab and Shift+Tab walk
// the controls whose TabStop is on, by TabOrder; Esc clicks the visible, enabled button whose
// Cancel is on; Enter clicks the focused push button, else the Default button, else reaches the
// focused control as the character 13.
#include <windows.h>

#include <vector>

#include "TIcon.h"
#include "TWinControl.h"

class TButton;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    // Leaves the application (a main form stops being the main form) and destroys the window.
    ~TForm() override;

    AnsiString ClassName() const override { return "TForm"; }

    // Runs once after construction: makes the window (and those of the controls), then runs
    // OnCreate. CreateForm and CreateComponent call it; a form made otherwise calls it itself.
    void AfterConstruction() override;

    // --- Settings ----------------------------------------------------------------------------
    TFormBorderStyle BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TPosition Position() const noexcept { return position_; }
    void SetPosition(TPosition position) noexcept { position_ = position; }
    TFormStyle FormStyle() const noexcept { return formStyle_; }
    void SetFormStyle(TFormStyle style);
    // Sets the window size so that the client area gets this size.
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    void SetClientSize(int width, int height);
    int ClientWidth() override;
    int ClientHeight() override;
    // Tooltips of the controls' hints.
    bool ShowHint() const noexcept { return showHint_; }
    void SetShowHint(bool showHint);
    // The form's icon (title bar and Alt+Tab); the form owns the handle.
    TIcon& Icon() noexcept { return icon_; }

    // --- Showing and closing -----------------------------------------------------------------
    // Makes the form visible (centred first when Position is poScreenCenter and it was hidden)
    // and brings it to the front. OnShow runs each time the form goes from hidden to visible.
    void Show();
    void Hide();
    void SetVisible(bool visible) override;
    void BringToFront() override;
    // Asks the form to close: runs OnClose with the action caHide (a handler may change it);
    // caNone keeps the form, caHide hides it, caMinimize minimises it, caFree destroys it once
    // the current message is done. Closing the application's main form ends the application
    // (Run returns). On a form shown by ShowModal, Close sets ModalResult to mrCancel.
    // The title bar's close box calls Close.
    void Close();
    // Shows the form modally: the application's other windows are disabled while it runs; it
    // returns when ModalResult becomes non-zero (a button's ModalResult, Close, or the
    // application ending, which gives mrCancel), then the form is hidden and the windows are
    // enabled again. Returns the ModalResult. Raises Exception when the form is already modal.
    TModalResult ShowModal();
    TModalResult ModalResult() const noexcept { return modalResult_; }
    void SetModalResult(TModalResult result);
    bool Modal() const noexcept { return modal_; }

    // --- Focus -------------------------------------------------------------------------------
    // The control that has (or gets, when the form is activated) the input focus.
    TWinControl* ActiveControl() const noexcept { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // Moves the focus to the next (or previous) control that Tab stops at; false when there is none.
    bool SelectNext(bool forward);

    // --- Events ------------------------------------------------------------------------------
    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    std::function<void(TObject* sender, TCloseAction& action)> OnClose;

    // The application's message loop offers each key message for this form's windows here
    // before translating it; true when the form took it.
    bool HandleDialogKey(const MSG& message);

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    friend class TWinControl;
    void ControlFocused(TWinControl* control);
    void ControlGone(TWinControl* control) noexcept;
    void UpdateToolTip(TWinControl* control);
    void ApplyIcon();
    void CenterOnScreen();
    bool RunCloseHandlers();  // OnClose for a modal form's end; false when it must go on
    TButton* FindButton(bool cancel);
    void CollectTabStops(TWinControl* parent, std::vector<TWinControl*>& stops);

    TFormBorderStyle borderStyle_ = bsSizeable;
    TPosition position_ = poDesigned;
    TFormStyle formStyle_ = fsNormal;
    bool showHint_ = false;
    bool created_ = false;
    bool modal_ = false;
    bool clientSizeSet_ = false;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    TModalResult modalResult_ = mrNone;
    TWinControl* activeControl_ = nullptr;
    TIcon icon_;
    UniqueWindow toolTip_;
};

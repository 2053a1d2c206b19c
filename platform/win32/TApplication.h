#pragma once
// The application object: its hidden top-level window (class "TApplication", caption the title),
// the forms it creates and owns, the message loop with the forms' key handling, and the
// handling of exceptions that reach a window procedure.
#include <windows.h>

#include <exception>
#include <functional>
#include <utility>
#include <vector>

#include "Exception.h"
#include "TComponent.h"
#include "TForm.h"

class TApplication : public TComponent {
public:
    TApplication();
    // Destroys the forms it owns, then its window.
    ~TApplication() override;

    AnsiString ClassName() const override { return "TApplication"; }

    // Initialises the common controls; safe to call more than once.
    void Initialize();
    // Initialises the common controls once per process (the controls that need them call it).
    static void InitializeCommonControls() noexcept;
    const AnsiString& Title() const noexcept { return title_; }
    // Also the caption of the application's window.
    void SetTitle(const AnsiString& title);
    // The application's own hidden window; made on first use.
    HWND Handle();

    // Creates a form owned by the application, makes its window and runs its OnCreate; the first
    // form created becomes MainForm. The form stays the application's until the application
    // ends or until someone destroys it (Free or delete), which takes it out of the application.
    template <class F>
    void CreateForm(F*& reference) {
        reference = AdoptNew<F>();
        try {
            FormCreated(reference);
        } catch (...) {
            reference->Free();
            reference = nullptr;
            throw;
        }
    }
    TForm* MainForm() const noexcept { return mainForm_; }
    // Whether Run shows the main form first.
    bool ShowMainForm() const noexcept { return showMainForm_; }
    void SetShowMainForm(bool show) noexcept { showMainForm_ = show; }

    // Shows the main form if ShowMainForm is on, then handles messages until Terminate.
    void Run();
    // Asks the message loops to end; Run returns after the current message.
    void Terminate();
    bool Terminated() const noexcept { return terminated_; }
    // Handles the messages waiting in the queue, then returns.
    void ProcessMessages();
    // Waits for one message and handles it (with the forms' key handling). False on WM_QUIT,
    // which also terminates the application.
    bool HandleMessage();

    // The standard error box: MessageBoxA with the message, the title and MB_ICONSTOP.
    void ShowException(const Exception& e);
    // Handles the exception that is being handled (call it from inside a catch block) or the
    // given one: OnException when it is set, else ShowException. Never throws.
    void HandleException(std::exception_ptr error = std::current_exception()) noexcept;
    // Receives the exceptions that reach the message loop or a window procedure in place of the
    // error box.
    std::function<void(TObject* sender, const Exception& e)> OnException;

private:
    friend class TForm;
    void FormCreated(TForm* form);
    void FormGone(TForm* form) noexcept;
    // Routes one message; key messages go to the form's key handling first.
    void ProcessMessage(MSG& message);
    // Destroys the form later, once the message that asked for it is done.
    void ReleaseForm(TForm* form);
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    AnsiString title_;
    UniqueWindow window_;
    TForm* mainForm_ = nullptr;
    bool showMainForm_ = true;
    std::vector<TForm*> pendingRelease_;
    bool terminated_ = false;
};

// The program's application object. Tests may point it at an application of their own.
extern TApplication* Application;

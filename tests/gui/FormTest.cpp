// Forms: the keys that the message loop handles for them, modal showing, closing, and the
// ownership of forms by the application.
#include <string>
#include <vector>

#include "GuiTestBed.h"
#include "TButton.h"
#include "TEdit.h"
#include "TForm.h"
#include "TPanel.h"

namespace {

constexpr UINT kCloseMessage = WM_USER + 20;

// A form with an edit, two buttons on a panel, and a cancel button.
class KeyForm : public TForm {
public:
    explicit KeyForm(TComponent* owner) : TForm(owner) {
        Edit = CreateComponent<TEdit>(this);
        Panel = CreateComponent<TPanel>(this);
        Panel->SetBounds(0, 40, 300, 40);
        First = CreateComponent<TButton>(Panel);
        Second = CreateComponent<TButton>(Panel);
        Second->SetLeft(80);
        CancelButton = CreateComponent<TButton>(this);
        CancelButton->SetBounds(100, 100, 75, 25);
        CancelButton->SetCancel(true);
        for (TButton* b : {First, Second, CancelButton})
            b->OnClick = [this, b](TObject*) { clicked.push_back(b); };
        Edit->OnKeyPress = [this](TObject*, char& key) {
            typed += key;
            if (key == 'x') key = 0;    // swallowed
            if (key == 'b') key = 'c';  // changed
        };
    }
    AnsiString ClassName() const override { return "TKeyTestForm"; }

    void Dispatch(TMessage& message) override {
        if (message.Msg == kCloseMessage) {
            Close();
            return;
        }
        TForm::Dispatch(message);
    }

    TEdit* Edit;
    TPanel* Panel;
    TButton* First;
    TButton* Second;
    TButton* CancelButton;
    std::vector<TButton*> clicked;
    std::string typed;
};

class FormKeys : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        App().CreateForm(form);
        form->Show();
        form->Edit->SetFocus();
        Pump();
    }
    KeyForm* form = nullptr;
};

TEST_F(FormKeys, EscClicksTheCancelButton) {
    PostKey(form->Edit->Handle(), VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !form->clicked.empty(); }));
    EXPECT_EQ(form->clicked, (std::vector<TButton*>{form->CancelButton}));
}

TEST_F(FormKeys, TypedCharactersReachOnKeyPressWhichCanChangeOrSwallowThem) {
    for (UINT key : {UINT{'A'}, UINT{'X'}, UINT{'B'}, UINT{VK_RETURN}}) PostKey(form->Edit->Handle(), key);
    ASSERT_TRUE(WaitFor([&] { return form->typed.size() == 4; }));
    EXPECT_EQ(form->typed, "axb\r");  // Enter reaches the edit as character 13: no default button
    EXPECT_EQ(form->Edit->Text(), "ac");
    EXPECT_TRUE(form->clicked.empty());
}

TEST_F(FormKeys, EnterClicksTheFocusedButtonElseTheDefaultButton) {
    form->Second->SetDefault(true);
    struct Case {
        const char* name;
        TWinControl* focus;
        TButton* expected;
    };
    for (const Case& c : {Case{"focused push button", form->First, form->First},
                          Case{"edit: the default button", form->Edit, form->Second}}) {
        SCOPED_TRACE(c.name);
        form->clicked.clear();
        form->typed.clear();
        c.focus->SetFocus();
        PostKey(c.focus->Handle(), VK_RETURN);
        ASSERT_TRUE(WaitFor([&] { return !form->clicked.empty(); }));
        EXPECT_EQ(form->clicked, (std::vector<TButton*>{c.expected}));
        EXPECT_EQ(form->typed, "");  // taken by the button: the edit never sees it
    }
}

TEST_F(FormKeys, TabWalksTheTabStopsInTabOrderAcrossPanels) {
    form->Panel->SetTabOrder(0);  // the panel's buttons now come before the edit
    form->Second->SetTabOrder(0); // and within the panel Second before First
    TEdit* hidden = form->CreateComponent<TEdit>(form);
    hidden->SetVisible(false);
    TEdit* disabled = form->CreateComponent<TEdit>(form);
    disabled->SetEnabled(false);
    TEdit* noStop = form->CreateComponent<TEdit>(form);
    noStop->SetTabStop(false);

    const std::vector<TWinControl*> expected{form->First, form->Edit, form->CancelButton, form->Second, form->First};
    form->Second->SetFocus();
    for (TWinControl* next : expected) {
        HWND focus = GetFocus();
        PostKey(focus, VK_TAB);
        ASSERT_TRUE(WaitFor([&] { return next->Focused(); })) << "focus stayed on " << focus;
    }
    EXPECT_TRUE(form->SelectNext(/*forward=*/false));
    EXPECT_TRUE(form->Second->Focused());
}

// --- Modal forms ---------------------------------------------------------------------------------

constexpr UINT kCheckFocus = WM_USER + 21;

class ModalForm : public TForm {
public:
    explicit ModalForm(TComponent* owner) : TForm(owner) {
        Edit = CreateComponent<TEdit>(this);
        Ok = CreateComponent<TButton>(this);
        Ok->SetTop(40);
        Ok->SetModalResult(mrOk);
        Ok->OnClick = [this](TObject*) { mainEnabledWhileModal = IsWindowEnabled(Application->MainForm()->Handle()); };
        OnShow = [this](TObject*) { Ok->SetFocus(); };  // before the window is visible
    }
    AnsiString ClassName() const override { return "TModalTestForm"; }
    void Dispatch(TMessage& message) override {
        if (message.Msg == kCheckFocus) {
            okFocusedWhileModal = Ok->Focused();
            SetModalResult(static_cast<TModalResult>(message.WParam));
            return;
        }
        TForm::Dispatch(message);
    }
    TEdit* Edit;
    TButton* Ok;
    BOOL mainEnabledWhileModal = TRUE;
    bool okFocusedWhileModal = false;
};

using ModalForms = GuiTest;

TEST_F(ModalForms, ShowModalReturnsTheResultOfTheButtonOrCancelForTheCloseBox) {
    TForm* main = nullptr;
    App().CreateForm(main);
    main->Show();
    ModalForm* dialog = nullptr;
    App().CreateForm(dialog);

    PostMessageA(dialog->Ok->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_FALSE(dialog->mainEnabledWhileModal);  // the other windows were disabled
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));  // and are enabled again
    EXPECT_FALSE(IsWindowVisible(dialog->Handle()));

    PostMessageA(dialog->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_TRUE(IsWindow(dialog->Handle()));  // only hidden, ready for the next time

    PostMessageA(dialog->Handle(), kCheckFocus, 7, 0);
    EXPECT_EQ(dialog->ShowModal(), 7);
    EXPECT_TRUE(dialog->okFocusedWhileModal);  // the focus that OnShow gave survived the activation
}

// --- Closing and ownership -----------------------------------------------------------------------

using FormLifetime = GuiTest;

TEST_F(FormLifetime, ClosingTheMainFormEndsRunWhileOtherFormsOnlyHide) {
    KeyForm* main = nullptr;
    App().CreateForm(main);
    KeyForm* other = nullptr;
    App().CreateForm(other);
    other->Show();
    int mainCloses = 0;
    main->OnClose = [&](TObject*, TCloseAction& action) {
        EXPECT_EQ(action, caHide);
        ++mainCloses;
    };
    PostMessageA(other->Handle(), WM_CLOSE, 0, 0);
    PostMessageA(main->Handle(), kCloseMessage, 0, 0);
    App().Run();  // shows the main form, returns once it is closed

    EXPECT_EQ(mainCloses, 1);
    EXPECT_TRUE(App().Terminated());
    EXPECT_FALSE(IsWindowVisible(other->Handle()));
}

TEST_F(FormLifetime, ACloseHandlerCanKeepTheFormOrFreeIt) {
    KeyForm* form = nullptr;
    App().CreateForm(form);
    KeyForm* second = nullptr;
    App().CreateForm(second);
    second->Show();
    TCloseAction wanted = caNone;
    second->OnClose = [&](TObject*, TCloseAction& action) { action = wanted; };

    second->Close();
    EXPECT_TRUE(IsWindowVisible(second->Handle()));

    wanted = caFree;
    const HWND window = second->Handle();
    second->Close();
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(window); }));
    EXPECT_EQ(App().ComponentCount(), 1);
    EXPECT_FALSE(App().Terminated());
}

TEST_F(FormLifetime, AFormItsCreatorDestroysLeavesTheApplication) {
    KeyForm* main = nullptr;
    App().CreateForm(main);
    KeyForm* second = nullptr;
    App().CreateForm(second);
    const HWND window = second->Handle();

    second->Free();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(App().ComponentCount(), 1);
    main->Free();
    EXPECT_EQ(App().MainForm(), nullptr);
    EXPECT_EQ(App().ComponentCount(), 0);
}

TEST_F(FormLifetime, TheApplicationsOwnWindowIsHiddenAndCarriesTheTitle) {
    App().SetTitle("Gui-Test-Title");
    const HWND window = FindWindowA("TApplication", "Gui-Test-Title");
    EXPECT_EQ(window, App().Handle());
    EXPECT_FALSE(IsWindowVisible(window));
    KeyForm* form = nullptr;
    App().CreateForm(form);
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), window);  // forms have no taskbar button of their own
}

TEST_F(FormLifetime, OnCreateRunsOnceTheWindowExists) {
    class CreatedForm : public TForm {
    public:
        explicit CreatedForm(TComponent* owner) : TForm(owner) {
            OnCreate = [this](TObject*) { windowAtCreate = HandleAllocated(); };
        }
        bool windowAtCreate = false;
    };
    CreatedForm* form = nullptr;
    App().CreateForm(form);
    EXPECT_TRUE(form->windowAtCreate);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

}  // namespace

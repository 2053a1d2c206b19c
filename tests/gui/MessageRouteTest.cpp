// The route of a message through a form: message map, inherited handling, default handler,
// DefWindowProc; reflection of notifications to the control they concern; exceptions stopping at
// the window procedure; finding a form by its class name and caption; live window texts.
#include <stdexcept>
#include <string>
#include <vector>

#include "GuiTestBed.h"
#include "TButton.h"
#include "TEdit.h"
#include "TForm.h"
#include "TPanel.h"

namespace {

constexpr UINT kPrivateMessage = WM_USER + 10;
constexpr UINT kTerminateMessage = WM_USER + 11;

class RouteForm : public TForm {
public:
    using TForm::TForm;
    AnsiString ClassName() const override { return "TRouteTestForm"; }

    void Dispatch(TMessage& message) override {
        if (Traced(message.Msg)) trace.push_back("map");
        if (message.Msg == kPrivateMessage && message.WParam == 1) {  // taken by the map
            message.Result = 42;
            return;
        }
        if (message.Msg == kTerminateMessage) {
            Application->Terminate();
            return;
        }
        TForm::Dispatch(message);
    }
    void DefaultHandler(TMessage& message) override {
        if (Traced(message.Msg)) trace.push_back("default");
        TForm::DefaultHandler(message);
    }
    static bool Traced(UINT msg) { return msg == kPrivateMessage || msg == WM_SETTEXT || msg == WM_CLOSE; }
    std::vector<std::string> trace;
};

using MessageRoute = GuiTest;

TEST_F(MessageRoute, FormIsFoundByClassNameAndCaption) {
    RouteForm* form = nullptr;
    App().CreateForm(form);
    form->SetCaption("RouteTestForm");
    EXPECT_EQ(FindWindowA("TRouteTestForm", "RouteTestForm"), form->Handle());
    EXPECT_EQ(FindWindowA("TRouteTestForm", "other caption"), nullptr);
    EXPECT_EQ(App().MainForm(), form);
}

TEST_F(MessageRoute, MapThenInheritedThenDefaultHandlerThenDefWindowProc) {
    RouteForm* form = nullptr;
    App().CreateForm(form);

    SendMessageA(form->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("changed"));
    EXPECT_EQ(form->trace, (std::vector<std::string>{"map", "default"}));
    EXPECT_EQ(form->Caption(), "changed");  // DefWindowProc did its part

    form->trace.clear();
    EXPECT_EQ(SendMessageA(form->Handle(), kPrivateMessage, 1, 0), 42);
    EXPECT_EQ(form->trace, (std::vector<std::string>{"map"}));  // taken by the map: nothing after it

    // WM_CLOSE is taken by the inherited handling (Close), so DefWindowProc never destroys the window.
    form->trace.clear();
    bool closed = false;
    form->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form->trace, (std::vector<std::string>{"map"}));
    EXPECT_TRUE(closed);
    EXPECT_TRUE(IsWindow(form->Handle()));
}

TEST_F(MessageRoute, ButtonOnAPanelOwnsItsClick) {
    TForm* form = nullptr;
    App().CreateForm(form);
    TPanel* panel = form->CreateComponent<TPanel>(form);
    TButton* button = form->CreateComponent<TButton>(panel);
    int buttonClicks = 0;
    int panelClicks = 0;
    button->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, button);
        ++buttonClicks;
    };
    panel->OnClick = [&](TObject*) { ++panelClicks; };
    form->Show();

    SendMessageA(button->Handle(), BM_CLICK, 0, 0);  // BN_CLICKED goes to the panel's window
    EXPECT_EQ(buttonClicks, 1);
    EXPECT_EQ(panelClicks, 0);
}

TEST_F(MessageRoute, ExceptionInAHandlerReachesTheHookAndTheLoopGoesOn) {
    struct Case {
        const char* name;
        std::function<void()> raise;
        const char* message;
    };
    const std::vector<Case> cases{
        {"library exception", [] { throw Exception("boom"); }, "boom"},
        {"standard exception", [] { throw std::runtime_error("std boom"); }, "std boom"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto application = std::make_unique<TApplication>();
        TApplication* saved = Application;
        Application = application.get();
        std::vector<std::string> seen;
        application->OnException = [&](TObject*, const Exception& e) { seen.push_back(e.Message()); };

        RouteForm* form = nullptr;
        application->CreateForm(form);
        TButton* button = form->CreateComponent<TButton>(form);
        button->OnClick = [&](TObject*) { c.raise(); };
        application->SetShowMainForm(false);
        PostMessageA(button->Handle(), BM_CLICK, 0, 0);
        PostMessageA(form->Handle(), kTerminateMessage, 0, 0);  // handled only if the loop survived
        application->Run();

        EXPECT_EQ(seen, (std::vector<std::string>{c.message}));
        EXPECT_TRUE(application->Terminated());
        application.reset();
        Application = saved;
    }
}

TEST_F(MessageRoute, LongTextIsReadWholeFromTheWindow) {
    ASSERT_EQ(GetACP(), 932u) << "the tests expect the Japanese ANSI code page";
    TForm* form = nullptr;
    App().CreateForm(form);
    TEdit* edit = form->CreateComponent<TEdit>(form);
    std::string text = "C:\\";
    for (int i = 0; i < 80; ++i) text += "\x95\x5C\x8E\xA6\\folder\\";  // Shift-JIS with 0x5C trail bytes
    text += "end.exe";
    ASSERT_GT(text.size(), static_cast<std::size_t>(3 * MAX_PATH));

    SetWindowTextA(edit->Handle(), text.c_str());  // the object learns the text from the window
    EXPECT_EQ(edit->Text(), text);

    // Typed (replacing the selection) beyond the 30000 characters a plain edit takes.
    const std::string typed(40000, 'x');
    SendMessageA(edit->Handle(), EM_SETSEL, 0, -1);
    SendMessageA(edit->Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(typed.c_str()));
    EXPECT_EQ(edit->Text().size(), typed.size());
}

}  // namespace

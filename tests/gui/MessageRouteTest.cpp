// The route of a message through a form: message map, inherited handling, default handler,
// DefWindowProc; and finding a form by its class name and caption.
#include <string>
#include <vector>

#include "GuiTestBed.h"
#include "TForm.h"

namespace {

constexpr UINT kPrivateMessage = WM_USER + 10;

class RouteForm : public TForm {
public:
    using TForm::TForm;
    AnsiString ClassName() const override { return "TRouteTestForm"; }

    void Dispatch(TMessage& message) override {
        if (message.Msg == kPrivateMessage || message.Msg == WM_SETTEXT) trace.push_back("map");
        if (message.Msg == kPrivateMessage && message.WParam == 1) {  // taken by the map
            message.Result = 42;
            return;
        }
        TForm::Dispatch(message);
    }
    void DefaultHandler(TMessage& message) override {
        if (message.Msg == kPrivateMessage || message.Msg == WM_SETTEXT) trace.push_back("default");
        TForm::DefaultHandler(message);
    }
    std::vector<std::string> trace;
};

using MessageRoute = GuiTest;

TEST_F(MessageRoute, FormIsFoundByClassNameAndCaption) {
    RouteForm* form = nullptr;
    App().CreateForm(form);
    form->SetCaption("RouteTestForm");
    EXPECT_EQ(FindWindowA("TRouteTestForm", "RouteTestForm"), form->Handle());
    EXPECT_EQ(App().MainForm(), form);
}

TEST_F(MessageRoute, MapThenDefaultHandlerThenDefWindowProc) {
    RouteForm* form = nullptr;
    App().CreateForm(form);
    SendMessageA(form->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("changed"));
    EXPECT_EQ(form->trace, (std::vector<std::string>{"map", "default"}));
    EXPECT_EQ(form->Caption(), "changed");  // DefWindowProc did its part

    form->trace.clear();
    EXPECT_EQ(SendMessageA(form->Handle(), kPrivateMessage, 1, 0), 42);
    EXPECT_EQ(form->trace, (std::vector<std::string>{"map"}));  // taken: no default handling
}

}  // namespace

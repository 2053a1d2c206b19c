// The controls under Wine: radio buttons and groups, the up-down with its edit, the popup menu
// driven by keys, panel clicks by the mouse, alignment, colours and the bitmap button's glyph.
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "GuiTestBed.h"
#include "TBitBtn.h"
#include "TEdit.h"
#include "TForm.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TPopupMenu.h"
#include "TRadioButton.h"
#include "TRadioGroup.h"
#include "TUpDown.h"

namespace {

class Controls : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        App().CreateForm(form);
        form->SetBounds(50, 50, 500, 400);
        form->Show();
    }
    static bool IsChecked(TWinControl* c) { return SendMessageA(c->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    TForm* form = nullptr;
};

TEST_F(Controls, RadioGroupTracksTheUsersPickAndDisablesItsButtons) {
    TRadioGroup* group = form->CreateComponent<TRadioGroup>(form);
    group->SetBounds(8, 8, 300, 100);
    group->SetColumns(2);
    group->SetItems({"zero", "one", "two"});
    int clicks = 0;
    group->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, group);
        ++clicks;
    };

    group->SetItemIndex(0);  // by the program: no OnClick
    EXPECT_EQ(clicks, 0);
    SendMessageA(group->Buttons(2)->Handle(), BM_CLICK, 0, 0);  // by the user
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(std::vector<bool>({IsChecked(group->Buttons(0)), IsChecked(group->Buttons(1)), IsChecked(group->Buttons(2))}),
              std::vector<bool>({false, false, true}));
    SendMessageA(group->Buttons(2)->Handle(), BM_CLICK, 0, 0);  // the checked one again: no change
    EXPECT_EQ(clicks, 1);

    // Column by column: items 0 and 1 in the first column, item 2 at the top of the second.
    EXPECT_EQ(group->Buttons(1)->Left(), group->Buttons(0)->Left());
    EXPECT_GT(group->Buttons(1)->Top(), group->Buttons(0)->Top());
    EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left());
    EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());

    group->SetEnabled(false);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(IsWindowEnabled(group->Buttons(i)->Handle())) << i;
    group->SetItemIndex(7);
    EXPECT_EQ(group->ItemIndex(), -1);
}

TEST_F(Controls, CheckingARadioButtonClearsTheOthersOnItsParentOnly) {
    TPanel* panel = form->CreateComponent<TPanel>(form);
    TRadioButton* a = form->CreateComponent<TRadioButton>(panel);
    TRadioButton* b = form->CreateComponent<TRadioButton>(panel);
    b->SetTop(20);
    TRadioButton* elsewhere = form->CreateComponent<TRadioButton>(form);
    elsewhere->SetTop(100);
    std::vector<TObject*> clicked;
    for (TRadioButton* r : {a, b, elsewhere}) r->OnClick = [&](TObject* sender) { clicked.push_back(sender); };

    elsewhere->SetChecked(true);
    a->SetChecked(true);
    SendMessageA(b->Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(a->Checked());
    EXPECT_FALSE(IsChecked(a));
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(IsChecked(b));
    EXPECT_TRUE(elsewhere->Checked());
    EXPECT_EQ(clicked, (std::vector<TObject*>{b}));  // only the user's click
    EXPECT_TRUE(b->TabStop());
    EXPECT_FALSE(a->TabStop());
}

TEST_F(Controls, UpDownStepsTheNumberInItsEditWithinItsRange) {
    TEdit* edit = form->CreateComponent<TEdit>(form);
    edit->SetBounds(10, 10, 40, 20);
    edit->SetReadOnly(true);
    TUpDown* upDown = form->CreateComponent<TUpDown>(form);
    upDown->SetBounds(50, 10, 15, 20);
    upDown->SetAssociate(edit);
    upDown->SetMin(10);
    upDown->SetMax(12);
    upDown->SetPosition(10);
    EXPECT_EQ(edit->Text(), "10");
    int changes = 0;
    upDown->OnChange = [&](TObject*) { ++changes; };

    auto clickUp = [&] {  // the upper arrow, pressed and released
        SendMessageA(upDown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 3));
        SendMessageA(upDown->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(7, 3));
        Pump();
    };
    clickUp();
    EXPECT_EQ(edit->Text(), "11");
    EXPECT_EQ(upDown->Position(), 11);
    EXPECT_GE(changes, 1);
    clickUp();
    clickUp();  // at the maximum: no wrap to the minimum
    EXPECT_EQ(edit->Text(), "12");

    edit->SetText("11");  // a number written into the edit is where the next step starts
    EXPECT_EQ(upDown->Position(), 11);
    clickUp();
    EXPECT_EQ(edit->Text(), "12");
}

TEST_F(Controls, PopupMenuRunsTheChosenItemsOnClick) {
    TPopupMenu* menu = form->CreateComponent<TPopupMenu>();
    std::vector<std::string> chosen;
    menu->Add("First", [&](TObject*) { chosen.push_back("First"); });
    menu->Add("-");
    TMenuItem* third = menu->Add("Third");
    third->OnClick = [&, third](TObject* sender) {
        EXPECT_EQ(sender, third);
        chosen.push_back("Third");
    };

    // The menu's own loop runs inside Popup: a helper thread drives the open menu by keys.
    std::atomic<bool> menuSeen{false};
    std::thread driver([&] {
        for (int i = 0; i < 300; ++i) {
            HWND window = FindWindowA("#32768", nullptr);
            if (window != nullptr && IsWindowVisible(window)) {
                menuSeen = true;
                for (UINT key : {UINT{VK_DOWN}, UINT{VK_DOWN}, UINT{VK_RETURN}}) PostKey(window, key);  // the separator is skipped
                return;
            }
            Sleep(10);
        }
    });
    SetForegroundWindow(form->Handle());
    menu->Popup(100, 100);
    driver.join();
    ASSERT_TRUE(menuSeen);
    EXPECT_EQ(chosen, (std::vector<std::string>{"Third"}));
}

TEST_F(Controls, PanelRaisesOnClickForEveryMouseClick) {
    TPanel* panel = form->CreateComponent<TPanel>(form);
    panel->SetBounds(20, 20, 57, 21);
    panel->SetCaption("CTRL");
    int clicks = 0;
    panel->OnClick = [&](TObject*) { ++clicks; };
    SetForegroundWindow(form->Handle());
    Pump();

    POINT center{panel->Width() / 2, panel->Height() / 2};
    ClientToScreen(panel->Handle(), &center);
    SetCursorPos(center.x, center.y);
    auto click = [] {
        INPUT input[2]{};
        input[0].type = input[1].type = INPUT_MOUSE;
        input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, input, sizeof(INPUT));
    };
    click();
    ASSERT_TRUE(WaitFor([&] { return clicks == 1; }));
    click();  // quickly again: a toggle panel takes it as a second click, not as a double click
    ASSERT_TRUE(WaitFor([&] { return clicks == 2; }));

    // Pressed on the panel, released outside: no click.
    SendMessageA(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 5));
    EXPECT_EQ(clicks, 2);
}

TEST_F(Controls, AlignedControlsShareTheClientAreaInsideTheBevels) {
    form->SetClientSize(453, 375);
    TPanel* title = form->CreateComponent<TPanel>(form);
    title->SetHeight(25);
    title->SetAlign(alTop);
    TPanel* base = form->CreateComponent<TPanel>(form);
    base->SetBevelOuter(bvLowered);
    base->SetBevelInner(bvRaised);
    base->SetAlign(alClient);
    TLabel* bottom = form->CreateComponent<TLabel>(base);
    bottom->SetAutoSize(false);
    bottom->SetHeight(24);
    bottom->SetAlign(alBottom);

    EXPECT_EQ(form->ClientWidth(), 453);
    EXPECT_EQ(form->ClientHeight(), 375);
    EXPECT_EQ((std::vector<int>{title->Left(), title->Top(), title->Width(), title->Height()}),
              (std::vector<int>{0, 0, 453, 25}));
    EXPECT_EQ((std::vector<int>{base->Left(), base->Top(), base->Width(), base->Height()}),
              (std::vector<int>{0, 25, 453, 350}));
    EXPECT_EQ((std::vector<int>{bottom->Left(), bottom->Top(), bottom->Width(), bottom->Height()}),
              (std::vector<int>{2, 350 - 2 - 24, 453 - 4, 24}));
}

TEST_F(Controls, LabelTakesTheSizeOfItsCaptionUnlessFixed) {
    TLabel* label = form->CreateComponent<TLabel>(form);
    label->SetCaption("A");
    const int narrow = label->Width();
    label->SetCaption("A much longer caption");
    EXPECT_GT(label->Width(), 3 * narrow);
    EXPECT_GT(label->Height(), 0);

    label->SetWordWrap(true);
    label->SetWidth(60);
    label->SetCaption("words that wrap over several lines");
    EXPECT_EQ(label->Width(), 60);
    EXPECT_GT(label->Height(), 2 * narrow);  // several lines high

    label->SetAutoSize(false);
    label->SetBounds(0, 0, 293, 24);
    label->SetCaption("1999/10/28");
    EXPECT_EQ((std::vector<int>{label->Width(), label->Height()}), (std::vector<int>{293, 24}));
}

TEST_F(Controls, EditColourComesFromItsColorProperty) {
    TEdit* edit = form->CreateComponent<TEdit>(form);
    HDC dc = GetDC(edit->Handle());
    for (bool readOnly : {false, true}) {  // a read-only edit asks with WM_CTLCOLORSTATIC
        SCOPED_TRACE(readOnly ? "read-only" : "editable");
        edit->SetReadOnly(readOnly);
        const UINT msg = readOnly ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
        edit->SetColor(clBtnFace);
        EXPECT_EQ(SendMessageA(form->Handle(), msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit->Handle())),
                  reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)));
        edit->SetColor(clWindow);
        EXPECT_EQ(SendMessageA(form->Handle(), msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit->Handle())),
                  reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW)));
    }
    ReleaseDC(edit->Handle(), dc);
}

TEST_F(Controls, BitmapButtonDrawsTheNormalOrTheDisabledImage) {
    // An 8 x 4 glyph: a red normal image and a blue disabled one; the bottom-left pixel's colour
    // (here the red one) would be transparent, so the normal image gets a white corner.
    constexpr COLORREF red = RGB(255, 0, 0);
    constexpr COLORREF blue = RGB(0, 0, 255);
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 4);
    {
        UniqueMemoryDc memory(CreateCompatibleDC(screen));
        HGDIOBJ old = SelectObject(memory.get(), bitmap);
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 4; ++y) SetPixel(memory.get(), x, y, x < 4 ? red : blue);
        SetPixel(memory.get(), 0, 3, RGB(0, 255, 0));  // the transparent colour
        SelectObject(memory.get(), old);
    }
    ReleaseDC(nullptr, screen);
    TBitBtn* button = form->CreateComponent<TBitBtn>(form);
    button->SetBounds(10, 10, 21, 21);
    button->SetGlyph(bitmap);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };

    auto centre = [&] {
        RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetDC(button->Handle());
        const COLORREF colour = GetPixel(dc, 11, 11);
        ReleaseDC(button->Handle(), dc);
        return colour;
    };
    EXPECT_EQ(centre(), red);
    button->SetEnabled(false);
    EXPECT_EQ(centre(), blue);
    button->SetEnabled(true);
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

struct ToolTipSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindToolTip(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<ToolTipSearch*>(data);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0 && GetWindow(window, GW_OWNER) == search->owner) search->found = window;
    return search->found == nullptr;
}

TEST_F(Controls, HintsBecomeTooltipsOfTheFormWhileShowHintIsOn) {
    TEdit* edit = form->CreateComponent<TEdit>(form);
    edit->SetHint("first hint");
    form->SetShowHint(true);
    auto toolTip = [&]() -> HWND {
        ToolTipSearch search{form->Handle(), nullptr};
        EnumThreadWindows(GetCurrentThreadId(), FindToolTip, reinterpret_cast<LPARAM>(&search));
        return search.found;
    };
    auto tipText = [&]() -> std::string {
        char text[256] = {};
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = form->Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(edit->Handle());
        tool.lpszText = text;
        SendMessageA(toolTip(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        return text;
    };
    ASSERT_NE(toolTip(), nullptr);
    EXPECT_EQ(tipText(), "first hint");
    edit->SetHint("second hint");
    EXPECT_EQ(tipText(), "second hint");
    edit->SetHint("");
    EXPECT_EQ(SendMessageA(toolTip(), TTM_GETTOOLCOUNT, 0, 0), 0);
}

TEST_F(Controls, ControlsUseTheFormsJapaneseFontAndAMissingFaceFallsBack) {
    ASSERT_EQ(GetACP(), 932u) << "the tests expect the Japanese ANSI code page";
    TEdit* edit = form->CreateComponent<TEdit>(form);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(edit->Handle(), WM_GETFONT, 0, 0));
    EXPECT_EQ(font, form->Font().Handle());
    LOGFONTA face{};
    ASSERT_NE(GetObjectA(font, sizeof face, &face), 0);
    EXPECT_STREQ(face.lfFaceName, "\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");  // ＭＳ Ｐゴシック
    EXPECT_EQ(face.lfHeight, -12);
    EXPECT_EQ(face.lfCharSet, SHIFTJIS_CHARSET);

    form->Font().SetName("No Such Face Anywhere");
    EXPECT_EQ(form->Font().Handle(), GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(edit->Handle(), WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace

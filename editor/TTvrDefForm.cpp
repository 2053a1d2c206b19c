#include "TTvrDefForm.h"

#include "Resource.h"
#include "TApplication.h"
#include "TTvrDefParamsForm.h"
#include "TvrDisplayer.h"

namespace {
constexpr int kRowsPerColumn = 13;
constexpr char kEnter = 13;

void SetPanelPressed(TPanel* panel, bool pressed) {
    TBevelCut cut = pressed ? bvLowered : bvRaised;
    panel->SetBevelOuter(cut);
    panel->SetBevelInner(cut);
}
}  // namespace

TTvrDefForm::TTvrDefForm(TComponent* owner) : TForm(owner) {
    SetName("TvrDefForm");
    SetCaption("Tavrinちゃん");
    SetBorderStyle(bsDialog);
    SetClientSize(585, 448);
    SetPosition(poScreenCenter);
    SetShowHint(true);
    Icon().LoadFromResourceID(IDI_PROGRAM);
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
    CreateComponents();
}

void TTvrDefForm::CreateComponents() {
    Panel1 = CreateComponent<TPanel>(this);
    Panel1->SetName("Panel1");
    Panel1->SetAlign(alClient);
    Panel1->SetBevelInner(bvRaised);
    Panel1->SetBevelOuter(bvLowered);

    for (int i = 0; i < KeyGrid::RowCount; ++i) CreateRow(i);

    CombinationLabel = CreateComponent<TLabel>(Panel1);
    CombinationLabel->SetName("CombinationLabel");
    CombinationLabel->SetLeft(16);
    CombinationLabel->SetTop(416);
    CombinationLabel->SetCaption("HotKey Combination : ");

    struct Toggle { TPanel** panel; const char* name; const char* caption; int left; void (TTvrDefForm::*handler)(TObject*); };
    const Toggle toggles[] = {
        {&CtrlButtonPanel, "CtrlButtonPanel", "CTRL", 130, &TTvrDefForm::CtrlButtonPanelClick},
        {&AltButtonPanel, "AltButtonPanel", "ALT", 188, &TTvrDefForm::AltButtonPanelClick},
        {&ShiftButtonPanel, "ShiftButtonPanel", "SHIFT", 246, &TTvrDefForm::ShiftButtonPanelClick},
    };
    for (const Toggle& t : toggles) {
        TPanel* panel = CreateComponent<TPanel>(Panel1);
        panel->SetName(t.name);
        panel->SetBounds(t.left, 414, 57, 21);
        panel->SetCaption(t.caption);
        SetPanelPressed(panel, false);
        auto handler = t.handler;
        panel->OnClick = [this, handler](TObject* sender) { (this->*handler)(sender); };
        *t.panel = panel;
    }

    OkButton = CreateComponent<TButton>(Panel1);
    OkButton->SetName("OkButton");
    OkButton->SetBounds(360, 416, 75, 25);
    OkButton->SetCaption("OK");
    OkButton->SetTabOrder(29);
    OkButton->OnClick = [this](TObject* sender) { OkButtonClick(sender); };
    CancelButton = CreateComponent<TButton>(Panel1);
    CancelButton->SetName("CancelButton");
    CancelButton->SetBounds(448, 416, 75, 25);
    CancelButton->SetCaption("Cancel");
    CancelButton->SetCancel(true);
    CancelButton->SetTabOrder(30);
    CancelButton->OnClick = [this](TObject* sender) { CancelButtonClick(sender); };
}

void TTvrDefForm::CreateRow(int index) {
    const char letter = static_cast<char>('A' + index);
    const AnsiString suffix(1, letter);
    const int column = index / kRowsPerColumn;
    const int position = index % kRowsPerColumn;

    TPanel* panel = CreateComponent<TPanel>(Panel1);
    panel->SetName("KeyPanel" + suffix);
    panel->SetBounds(column == 0 ? 8 : 296, 4 + 31 * position, 281, 29);
    panel->SetTabOrder(index);
    KeyPanels[static_cast<size_t>(index)] = panel;

    TLabel* label = CreateComponent<TLabel>(panel);
    label->SetName("KeyLabel" + suffix);
    label->SetLeft(8);
    label->SetTop(8);
    label->SetCaption(suffix);
    KeyLabels[static_cast<size_t>(index)] = label;

    TMoxEdit* edit = CreateComponent<TMoxEdit>(panel);
    edit->SetName("KeyEdit" + suffix);
    edit->SetBounds(20, 4, 230, 20);
    edit->SetTabOrder(0);
    edit->SetDropAccept(true);
    edit->OnKeyPress = [this](TObject*, char& key) { RowKeyPress(key); };
    edit->OnDropFiles = [this, letter](TObject*, TStringList* files) { DropOnRow(letter, files); };
    KeyEdits[static_cast<size_t>(index)] = edit;

    TBitBtn* button = CreateComponent<TBitBtn>(panel);
    button->SetName("KeyFolderButton" + suffix);
    button->SetBounds(256, 4, 21, 21);
    button->LoadGlyphFromResourceID(IDB_ELLIPSIS);
    button->SetNumGlyphs(2);
    button->SetTabOrder(1);
    button->OnClick = [this, letter](TObject*) { BrowseRow(letter); };
    KeyFolderButtons[static_cast<size_t>(index)] = button;
}

void TTvrDefForm::FormCreate(TObject*) {
    displayer = nullptr;
    grid_ = KeyGrid();  // no modifiers; every row empty, Extra 0, ShowCmd 5
    UpdateModifierPanels();
    ShowRows();
    Application->CreateForm(paramsForm);
}

void TTvrDefForm::FormClose(TObject*, TCloseAction&) {
    if (displayer != nullptr) displayer->CancelEdit();
}

void TTvrDefForm::OkButtonClick(TObject*) {
    if (displayer != nullptr) displayer->CommitEdit();
    Hide();
}

void TTvrDefForm::CancelButtonClick(TObject*) {
    Hide();
    if (displayer != nullptr) displayer->CancelEdit();
}

void TTvrDefForm::CtrlButtonPanelClick(TObject*) {
    if (displayer != nullptr) displayer->StoreGrid();
    grid_.SetModifiers(!grid_.Ctrl(), grid_.Alt(), grid_.Shift());
    UpdateModifierPanels();
    if (displayer != nullptr) displayer->Refresh();
}

void TTvrDefForm::AltButtonPanelClick(TObject*) {
    if (displayer != nullptr) displayer->StoreGrid();
    grid_.SetModifiers(grid_.Ctrl(), !grid_.Alt(), grid_.Shift());
    UpdateModifierPanels();
    if (displayer != nullptr) displayer->Refresh();
}

void TTvrDefForm::ShiftButtonPanelClick(TObject*) {
    if (displayer != nullptr) displayer->StoreGrid();
    grid_.SetModifiers(grid_.Ctrl(), grid_.Alt(), !grid_.Shift());
    UpdateModifierPanels();
    if (displayer != nullptr) displayer->Refresh();
}

TLabel* TTvrDefForm::KeyLabelOf(char c) const {
    int index = RowIndexOf(c);
    return index < 0 ? nullptr : KeyLabels[static_cast<size_t>(index)];
}

TMoxEdit* TTvrDefForm::KeyEditOf(char c) const {
    int index = RowIndexOf(c);
    return index < 0 ? nullptr : KeyEdits[static_cast<size_t>(index)];
}

TBitBtn* TTvrDefForm::KeyFolderButtonOf(char c) const {
    int index = RowIndexOf(c);
    return index < 0 ? nullptr : KeyFolderButtons[static_cast<size_t>(index)];
}

void TTvrDefForm::SetModifiers(bool ctrl, bool alt, bool shift) {
    grid_.SetModifiers(ctrl, alt, shift);
    UpdateModifierPanels();
}

void TTvrDefForm::UpdateModifierPanels() {
    SetPanelPressed(CtrlButtonPanel, grid_.Ctrl());
    SetPanelPressed(AltButtonPanel, grid_.Alt());
    SetPanelPressed(ShiftButtonPanel, grid_.Shift());
}

void TTvrDefForm::SetRowReadOnly(char letter, bool readOnly) {
    grid_.SetRowReadOnly(letter, readOnly);
    ShowRow(letter);
}

void TTvrDefForm::EnableRow(char letter, bool enabled) {
    TakeTypedText(letter);
    grid_.EnableRow(letter, enabled);
    ShowRow(letter);
}

std::unique_ptr<HotKey> TTvrDefForm::RowToHotKey(char letter) {
    TakeTypedText(letter);
    return grid_.RowToHotKey(letter);
}

void TTvrDefForm::ShowHotKey(const HotKey* hotKey) {
    if (hotKey == nullptr) return;
    grid_.ShowHotKey(hotKey);
    ShowRow(hotKey->GetKey());
}

void TTvrDefForm::EditRow(HotKey* hotKey) {
    if (paramsForm == nullptr || !paramsForm->EditHotKey(hotKey)) return;
    ShowHotKey(hotKey);
    OkButton->SetFocus();
}

void TTvrDefForm::DropOnRow(char letter, TStringList* files) {
    if (files == nullptr || files->Count() < 1) return;
    std::unique_ptr<HotKey> hotKey = RowToHotKey(letter);
    if (!hotKey) return;
    hotKey->SetCommand(files->Strings(0));
    hotKey->SetDirectory("");
    hotKey->SetParameters("");
    hotKey->SetLaunch();
    hotKey->SetShowCmd(5);
    EditRow(hotKey.get());
}

void TTvrDefForm::BrowseRow(char letter) {
    std::unique_ptr<HotKey> hotKey = RowToHotKey(letter);
    if (hotKey) EditRow(hotKey.get());
}

void TTvrDefForm::RowKeyPress(char& key) {
    if (key != kEnter) return;
    OkButton->SetFocus();
    key = 0;
}

void TTvrDefForm::ShowFront() {
    SetForegroundWindow(Handle());
    Show();
}

KeyGrid& TTvrDefForm::Grid() {
    for (char letter = 'A'; letter <= 'Z'; ++letter) TakeTypedText(letter);
    return grid_;
}

void TTvrDefForm::ShowRows() {
    for (char letter = 'A'; letter <= 'Z'; ++letter) ShowRow(letter);
}

void TTvrDefForm::ShowRow(char letter) {
    const KeyGridRow* row = grid_.Row(letter);
    int index = RowIndexOf(letter);
    if (row == nullptr || index < 0) return;
    TMoxEdit* edit = KeyEdits[static_cast<size_t>(index)];
    if (edit->Text() != row->command) edit->SetText(row->command);
    edit->SetHint(row->hint);
    edit->SetEnabled(row->enabled);
    edit->SetReadOnly(row->readOnly);
    edit->SetColor(row->readOnly ? clBtnFace : clWindow);
    edit->SetTabStop(!row->readOnly);
    KeyFolderButtons[static_cast<size_t>(index)]->SetEnabled(row->enabled);
    KeyLabels[static_cast<size_t>(index)]->SetEnabled(row->enabled);
}

void TTvrDefForm::TakeTypedText(char letter) {
    KeyGridRow* row = grid_.Row(letter);
    TMoxEdit* edit = KeyEditOf(letter);
    if (row != nullptr && edit != nullptr) row->command = edit->Text();
}

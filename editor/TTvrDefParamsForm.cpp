#include "TTvrDefParamsForm.h"

#include "ParamsDialogMapping.h"
#include "Resource.h"

namespace {
const char* const kBindItems[] = {
    "ファイル名を指定して実行",
    "すべてのウィンドウを最小化",
    "最小化したウィンドウのサイズを戻す",
    "Windowsのヘルプを表示",
    "エクスプローラの起動",
    "ファイルやフォルダの検索",
    "コンピュータの検索",
    "タスクバー巡回",
    "タスクバー逆巡回",
    "システムのプロパティを開く",
    "その他",
};
const char* const kWindowSizeItems[] = {"通常", "最小化", "最大化"};
constexpr char kEnter = 13;

template <class T>
T* Place(T* control, const char* name, int left, int top, int width, int height) {
    control->SetName(name);
    control->SetBounds(left, top, width, height);
    return control;
}
}  // namespace

TTvrDefParamsForm::TTvrDefParamsForm(TComponent* owner) : TForm(owner) {
    SetName("TvrDefParamsForm");
    SetCaption("Tavrinちゃん");
    SetBorderStyle(bsDialog);
    SetClientSize(453, 375);
    SetPosition(poScreenCenter);
    SetFormStyle(fsStayOnTop);
    Icon().LoadFromResourceID(IDI_PROGRAM, 32, 32);
    OnShow = [this](TObject* sender) { FormShow(sender); };
    CreateComponents();
}

void TTvrDefParamsForm::CreateComponents() {
    TitlePanel = CreateComponent<TPanel>(this);
    TitlePanel->SetName("TitlePanel");
    TitlePanel->SetAlign(alTop);
    TitlePanel->SetHeight(25);
    TitlePanel->SetBevelOuter(bvNone);
    TitlePanel->SetBevelInner(bvNone);
    TitleLabel = CreateComponent<TLabel>(TitlePanel);
    TitleLabel->SetName("TitleLabel");
    TitleLabel->SetLeft(8);
    TitleLabel->SetTop(6);
    TitleLabel->SetCaption("HotKey Combination :  ");
    CombinationLabel = Place(CreateComponent<TLabel>(TitlePanel), "CombinationLabel", 128, 6, 225, 12);
    CombinationLabel->SetAutoSize(false);

    BasePanel = CreateComponent<TPanel>(this);
    BasePanel->SetName("BasePanel");
    BasePanel->SetAlign(alClient);
    BasePanel->SetBevelInner(bvRaised);
    BasePanel->SetBevelOuter(bvLowered);

    // Made in the Tab order of the base panel.
    OKButton = Place(CreateComponent<TButton>(BasePanel), "OKButton", 144, 318, 75, 25);
    OKButton->SetCaption("OK");
    OKButton->OnClick = [this](TObject* sender) { OKButtonClick(sender); };
    CancelButton = Place(CreateComponent<TButton>(BasePanel), "CancelButton", 232, 318, 75, 25);
    CancelButton->SetCaption("Cancel");
    CancelButton->SetCancel(true);
    CancelButton->OnClick = [this](TObject* sender) { CancelButtonClick(sender); };

    ExtraRadioButton1 = Place(CreateComponent<TRadioButton>(BasePanel), "ExtraRadioButton1", 8, 8, 225, 17);
    ExtraRadioButton1->SetCaption("Tavrinちゃんで定義する");
    ExtraRadioButton1->SetChecked(true);
    ExtraRadioButton1->OnClick = [this](TObject* sender) { ExtraRadioButton1Click(sender); };
    ExtraRadioButton2 = Place(CreateComponent<TRadioButton>(BasePanel), "ExtraRadioButton2", 8, 152, 281, 17);
    ExtraRadioButton2->SetCaption("Tavrinちゃんポップアップキーにする");
    ExtraRadioButton2->OnClick = [this](TObject* sender) { ExtraRadioButton2Click(sender); };
    ExtraRadioButton3 = Place(CreateComponent<TRadioButton>(BasePanel), "ExtraRadioButton3", 8, 178, 233, 17);
    ExtraRadioButton3->SetCaption("Windows標準のHotKeyへバインドする");
    ExtraRadioButton3->OnClick = [this](TObject* sender) { ExtraRadioButton3Click(sender); };

    TvrBasePanel = Place(CreateComponent<TPanel>(BasePanel), "TvrBasePanel", 16, 26, 425, 115);
    TvrBasePanel->SetBevelInner(bvRaised);
    TvrBasePanel->SetBevelOuter(bvLowered);
    ExecCmdEdit = Place(CreateComponent<TMoxEdit>(TvrBasePanel), "ExecCmdEdit", 96, 6, 297, 20);
    ExecCmdEdit->SetDropAccept(true);
    ExecCmdEdit->OnKeyPress = [this](TObject* sender, char& key) { ExecCmdEditKeyPress(sender, key); };
    ExecCmdEdit->OnDropFiles = [this](TObject* sender, TStringList* flist) { ExecCmdEditDropFiles(sender, flist); };
    CmdSpeedButton = Place(CreateComponent<TBitBtn>(TvrBasePanel), "CmdSpeedButton", 396, 6, 21, 21);
    CmdSpeedButton->LoadGlyphFromResourceID(IDB_OPENFOLDER);
    CmdSpeedButton->SetNumGlyphs(2);
    CmdSpeedButton->OnClick = [this](TObject* sender) { CmdSpeedButtonClick(sender); };
    ExecDirEdit = Place(CreateComponent<TEdit>(TvrBasePanel), "ExecDirEdit", 96, 29, 297, 20);
    ExecDirEdit->OnKeyPress = [this](TObject* sender, char& key) { ExecDirEditKeyPress(sender, key); };
    ExecParamEdit = Place(CreateComponent<TEdit>(TvrBasePanel), "ExecParamEdit", 96, 52, 297, 20);
    ExecParamEdit->OnKeyPress = [this](TObject* sender, char& key) { ExecParamEditKeyPress(sender, key); };
    WindowSizeRadioGroup = Place(CreateComponent<TRadioGroup>(TvrBasePanel), "WindowSizeRadioGroup", 32, 76, 361, 33);
    WindowSizeRadioGroup->SetCaption(" 実行時の大きさ ");
    WindowSizeRadioGroup->SetColumns(5);
    WindowSizeRadioGroup->SetItems({kWindowSizeItems[0], kWindowSizeItems[1], kWindowSizeItems[2]});
    WindowSizeRadioGroup->SetItemIndex(0);
    ExecCmdLabel = CreateComponent<TLabel>(TvrBasePanel);
    ExecCmdLabel->SetName("ExecCmdLabel");
    ExecCmdLabel->SetLeft(21);
    ExecCmdLabel->SetTop(10);
    ExecCmdLabel->SetCaption("起動コマンド :");
    ExecDirLabel = CreateComponent<TLabel>(TvrBasePanel);
    ExecDirLabel->SetName("ExecDirLabel");
    ExecDirLabel->SetLeft(17);
    ExecDirLabel->SetTop(33);
    ExecDirLabel->SetCaption("作業フォルダ :");
    ExecParamLabel = CreateComponent<TLabel>(TvrBasePanel);
    ExecParamLabel->SetName("ExecParamLabel");
    ExecParamLabel->SetLeft(8);
    ExecParamLabel->SetTop(56);
    ExecParamLabel->SetCaption("起動パラメータ :");

    BindRadioGroup = Place(CreateComponent<TRadioGroup>(BasePanel), "BindRadioGroup", 16, 192, 425, 121);
    BindRadioGroup->SetColumns(2);
    std::vector<AnsiString> items(std::begin(kBindItems), std::end(kBindItems));
    BindRadioGroup->SetItems(items);
    BindRadioGroup->SetItemIndex(0);
    BindRadioGroup->OnClick = [this](TObject* sender) { BindRadioGroupClick(sender); };
    WinBindEdit = Place(CreateComponent<TEdit>(BasePanel), "WinBindEdit", 296, 274, 33, 20);
    WinBindEdit->SetReadOnly(true);
    WinBindEdit->SetText("10");
    WinBindEditUpDown = Place(CreateComponent<TUpDown>(BasePanel), "WinBindEditUpDown", 329, 274, 15, 20);
    WinBindEditUpDown->SetMin(ParamsDialogMapping::WinBindMin);
    // The definition keeps five bits of binding number: nothing above 31 can be stored.
    WinBindEditUpDown->SetMax(ParamsDialogMapping::WinBindMax);
    WinBindEditUpDown->SetIncrement(1);
    WinBindEditUpDown->SetPosition(10);
    WinBindEditUpDown->SetAssociate(WinBindEdit);
    // The number lies over the bind group, beside its last item.
    WinBindEdit->BringToFront();
    WinBindEditUpDown->BringToFront();

    OpenDialog = CreateComponent<TOpenDialog>();
    OpenDialog->SetName("OpenDialog");
}

bool TTvrDefParamsForm::EditHotKey(HotKey* hotKey) {
    if (hotKey == nullptr) return false;
    LoadHotKey(hotKey);
    if (ShowModal() != mrOk) return false;
    StoreHotKey(hotKey);
    return true;
}

ParamsDialogState TTvrDefParamsForm::ReadState() {
    ParamsDialogState state;
    state.key = key_;
    state.ctrl = ctrl_;
    state.alt = alt_;
    state.shift = shift_;
    state.command = ExecCmdEdit->Text();
    state.directory = ExecDirEdit->Text();
    state.parameters = ExecParamEdit->Text();
    if (ExtraRadioButton1->Checked())
        state.mode = ParamsMode::Launch;
    else if (ExtraRadioButton2->Checked())
        state.mode = ParamsMode::Popup;
    else
        state.mode = ParamsMode::ShellBind;
    state.bindItem = BindRadioGroup->ItemIndex();
    if (state.bindItem < 0) state.bindItem = 0;
    state.winBindText = WinBindEdit->Text();
    state.windowSizeItem = WindowSizeRadioGroup->ItemIndex();
    return state;
}

void TTvrDefParamsForm::WriteState(const ParamsDialogState& state) {
    key_ = state.key;
    ctrl_ = state.ctrl;
    alt_ = state.alt;
    shift_ = state.shift;
    ExecCmdEdit->SetText(state.command);
    ExecDirEdit->SetText(state.directory);
    ExecParamEdit->SetText(state.parameters);
    BindRadioGroup->SetItemIndex(state.bindItem);
    if (state.winBindText != WinBindEdit->Text()) {
        WinBindEditUpDown->SetPosition(ParamsDialogMapping::WinBindNumber(state.winBindText));
        WinBindEdit->SetText(state.winBindText);
    }
    switch (state.mode) {
        case ParamsMode::Launch: ExtraRadioButton1->SetChecked(true); break;
        case ParamsMode::Popup: ExtraRadioButton2->SetChecked(true); break;
        case ParamsMode::ShellBind: ExtraRadioButton3->SetChecked(true); break;
    }
    WindowSizeRadioGroup->SetItemIndex(state.windowSizeItem);
}

void TTvrDefParamsForm::LoadHotKey(const HotKey* hotKey) {
    if (hotKey == nullptr) return;
    ParamsDialogState state = ReadState();
    ParamsDialogMapping::LoadHotKey(hotKey, state);
    WriteState(state);
    UpdateControls();
    UpdateCombinationLabel();
}

void TTvrDefParamsForm::StoreHotKey(HotKey* hotKey) {
    if (hotKey == nullptr) return;
    ParamsDialogMapping::StoreHotKey(ReadState(), hotKey);
}

void TTvrDefParamsForm::UpdateControls() {
    ParamsControlStates s = ParamsDialogMapping::ControlStates(ReadState());
    TvrBasePanel->SetEnabled(s.launchControlsEnabled);
    ExecCmdLabel->SetEnabled(s.launchControlsEnabled);
    ExecDirLabel->SetEnabled(s.launchControlsEnabled);
    ExecParamLabel->SetEnabled(s.launchControlsEnabled);
    CmdSpeedButton->SetEnabled(s.launchControlsEnabled);
    for (TEdit* edit : {static_cast<TEdit*>(ExecCmdEdit), ExecDirEdit, ExecParamEdit}) {
        edit->SetEnabled(s.launchEditsEnabled);
        edit->SetColor(s.launchEditsWindowColour ? clWindow : clBtnFace);
    }
    BindRadioGroup->SetEnabled(s.bindGroupEnabled);
    WinBindEdit->SetEnabled(s.winBindEnabled);
    WinBindEdit->SetColor(s.winBindWindowColour ? clWindow : clBtnFace);
    WinBindEditUpDown->SetEnabled(s.winBindEnabled);
}

void TTvrDefParamsForm::UpdateCombinationLabel() {
    CombinationLabel->SetCaption(ParamsDialogMapping::CombinationText(ReadState()));
}

void TTvrDefParamsForm::FormShow(TObject*) { OKButton->SetFocus(); }
void TTvrDefParamsForm::ExtraRadioButton1Click(TObject*) { UpdateControls(); }
void TTvrDefParamsForm::ExtraRadioButton2Click(TObject*) { UpdateControls(); }
void TTvrDefParamsForm::ExtraRadioButton3Click(TObject*) { UpdateControls(); }
void TTvrDefParamsForm::BindRadioGroupClick(TObject*) { UpdateControls(); }

void TTvrDefParamsForm::ExecCmdEditDropFiles(TObject*, TStringList* flist) {
    if (flist != nullptr && flist->Count() > 0) ExecCmdEdit->SetText(flist->Strings(0));
}

void TTvrDefParamsForm::OKButtonClick(TObject*) { SetModalResult(mrOk); }
void TTvrDefParamsForm::CancelButtonClick(TObject*) { SetModalResult(mrCancel); }

void TTvrDefParamsForm::CmdSpeedButtonClick(TObject*) {
    if (OpenDialog->Execute()) ExecCmdEdit->SetText(OpenDialog->FileName());
}

void TTvrDefParamsForm::ExecCmdEditKeyPress(TObject*, char& key) {
    if (key != kEnter) return;
    key = 0;
    ExecDirEdit->SetFocus();
}

void TTvrDefParamsForm::ExecDirEditKeyPress(TObject*, char& key) {
    if (key != kEnter) return;
    key = 0;
    ExecParamEdit->SetFocus();
}

void TTvrDefParamsForm::ExecParamEditKeyPress(TObject*, char& key) {
    if (key != kEnter) return;
    key = 0;
    OKButton->SetFocus();
}

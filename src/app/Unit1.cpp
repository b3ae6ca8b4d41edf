#include "app/Unit1.h"

#include "app/InstanceManager.h"
#include "vcl/Application.h"
#include "vcl/Params.h"
#include "web/LinkTargets.h"

using namespace vcl;

TForm1* Form1 = nullptr;
bool IsPaused = false;

namespace {

constexpr const char* FontName = "MS Sans Serif";

void SetFont(TFont* font, int height, TColor color, TFontStyles style) {
    font->SetName(FontName);
    font->SetHeight(height);
    font->SetColor(color);
    font->SetStyle(style);
    font->SetCharset(DEFAULT_CHARSET);
}

}  // namespace

TForm1::TForm1() : player_(std::make_unique<media::TMediaPlayer>()) {
    Form1 = this;
    CreateComponents();
    FormCreate(this);
}

TForm1::~TForm1() {
    if (Form1 == this) Form1 = nullptr;
}

TUrlText* TForm1::LinkLabel(const char* caption, Place place, Look look, Look highlight, const char* url) {
    auto* label = Own<TUrlText>(this);
    label->SetBounds(place.left, place.top, place.width, place.height);
    SetFont(label->Font(), look.height, look.color, look.style);
    label->SetCaption(caption);
    label->SetTabOrder(place.tabOrder);
    SetFont(label->HighLightFont(), highlight.height, highlight.color, highlight.style);
    label->Url = url;
    return label;
}

TUrlText* TForm1::CommandLabel(const char* caption, int left, int top, int width, int tabOrder) {
    TUrlText* label = LinkLabel(caption, {left, top, width, 17, tabOrder}, {11, clWhite, 0}, {11, clRed, fsUnderline}, "nil");
    label->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        sa1MouseDown(sender, button, shift, x, y);
    };
    label->OnMouseUp = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        sa1MouseUp(sender, button, shift, x, y);
    };
    return label;
}

void TForm1::CreateComponents() {
    SetCaption("Quilby MP3 Player");
    SetBounds(207, 69, 465, 567);
    SetColor(clBlack);
    SetFont(Font(), 11, clWhite, 0);

    play1 = player_.get();
    play1->AutoRewind = false;

    open1 = Own<TOpenDialog>();
    open1->DefaultExt = "mp3";
    open1->FileName = "*.mp3";
    open1->Filter = "MP3 Music Files|*.mp3|Wave Files|*.wav|RMI files|*.rmi|Midi Music|*.mid|All Music|*.mp3;*.wav;*.rmi;*.mid";
    open1->Options = ofAllowMultiSelect | ofPathMustExist | ofFileMustExist | ofHideReadOnly | ofEnableSizing;

    l1 = Own<TCheckListBox>(this);
    l1->SetBounds(0, 0, 465, 377);
    l1->SetColor(clBlack);
    SetFont(l1->Font(), 11, clWhite, 0);
    l1->SetTabOrder(1);
    l1->OnClick = [this](TObject* sender) { l1Click(sender); };
    l1->OnClickCheck = [this](TObject* sender) { l1ClickCheck(sender); };

    usa1 = CommandLabel("Unselect All", 128, 408, 60, 2);
    usa1->OnClick = [this](TObject* sender) { usa1Click(sender); };
    OpenButton = CommandLabel("Get Music...", 8, 392, 61, 3);
    OpenButton->OnClick = [this](TObject* sender) { OpenButtonClick(sender); };

    Bevel1 = Own<TBevel>(this);
    Bevel1->SetBounds(8, 440, 449, 9);

    Progress = Own<TProgressBar>(this);
    Progress->SetBounds(8, 480, 449, 16);
    Progress->SetMin(0);
    Progress->SetMax(0);
    Progress->SetTabOrder(4);

    Timer1 = Own<TTimer>();
    Timer1->SetEnabled(false);
    Timer1->SetInterval(500);
    Timer1->OnTimer = [this](TObject* sender) { Timer1Timer(sender); };

    PlayButton = CommandLabel("Play", 8, 456, 24, 5);
    PlayButton->OnClick = [this](TObject* sender) { PlayButtonClick(sender); };
    PauseButton = CommandLabel("Pause", 72, 456, 34, 6);
    PauseButton->OnClick = [this](TObject* sender) { PauseButtonClick(sender); };
    StopButton = CommandLabel("Stop", 144, 456, 34, 7);
    StopButton->OnClick = [this](TObject* sender) { StopButtonClick(sender); };

    t2 = Own<TTimer>();
    t2->SetEnabled(false);
    t2->SetInterval(750);
    t2->OnTimer = [this](TObject* sender) { t2Timer(sender); };

    sa1 = CommandLabel("Select all", 128, 392, 47, 8);
    sa1->OnClick = [this](TObject* sender) { sa1Click(sender); };
    MoveUpbutton = CommandLabel("Move Up", 232, 392, 48, 9);
    MoveUpbutton->OnClick = [this](TObject* sender) { MoveUpbuttonClick(sender); };
    MoveDownButton = CommandLabel("Move Down", 232, 408, 62, 10);
    MoveDownButton->OnClick = [this](TObject* sender) { MoveDownButtonClick(sender); };
    RemoveButton = CommandLabel("Remove", 360, 392, 44, 11);
    RemoveButton->OnClick = [this](TObject* sender) { RemoveButtonClick(sender); };
    LoadButton = CommandLabel("Load Playlist...", 8, 408, 72, 12);
    LoadButton->OnClick = [this](TObject* sender) { LoadButtonClick(sender); };
    SaveButton = CommandLabel("Save Playlist...", 8, 424, 73, 13);
    SaveButton->OnClick = [this](TObject* sender) { SaveButtonClick(sender); };

    Bevel2 = Own<TBevel>(this);
    Bevel2->SetBounds(6, 384, 449, 9);

    OD2 = Own<TOpenDialog>();
    OD2->Title = "Load a playlist";
    OD2->DefaultExt = "qpl";
    OD2->Filter = "Quilby Playlist files|*.qpl";

    sd1 = Own<TSaveDialog>();
    sd1->Title = "Save Playlist";
    sd1->DefaultExt = "qpl";
    sd1->FileName = "*.qpl";
    sd1->Filter = "Quilby Playlist files|*.qpl";

    mail = LinkLabel(web::FooterNotice, {8, 552, 137, 17, 14}, {11, clLime, 0}, {11, clRed, fsUnderline}, web::FooterMail);

    SkipNextButton = CommandLabel("Skip Next ->", 216, 456, 62, 15);
    SkipNextButton->OnClick = [this](TObject* sender) { SkipNextButtonClick(sender); };
    SkipPreviousButton = CommandLabel("<- Skip Previous", 304, 456, 81, 16);
    SkipPreviousButton->OnClick = [this](TObject* sender) { SkipPreviousButtonClick(sender); };

    UrlText1 = LinkLabel("Burn your DVD's to CD!", {328, 512, 115, 17, 17}, {11, clYellow, fsUnderline},
                         {11, clRed, fsUnderline}, web::BurnLink);
    UrlText2 = LinkLabel("Download unlimited MP3's", {328, 528, 128, 17, 18}, {11, clAqua, fsUnderline},
                         {11, clFuchsia, fsUnderline}, web::DownloadLink);

    Edit1 = Own<TEdit>(this);
    Edit1->SetBounds(8, 504, 113, 17);
    SetFont(Edit1->Font(), 11, clMaroon, 0);
    Edit1->SetText("Music");
    Edit1->SetTabOrder(19);

    UrlText3 = LinkLabel("Search", {128, 504, 47, 20, 20}, {13, clSkyBlue, fsUnderline}, {13, clAqua, fsUnderline}, "nil");
    UrlText3->OnClick = [this](TObject* sender) { UrlText3Click(sender); };
}

void TForm1::FormCreate(TObject*) {
    InstanceManager::OnHandOver = [this] { ToFront(); };
    if (ParamCount() != 0) {
        const int i = l1->Add(ParamStr(1));
        l1->SetChecked(i, true);
    }
    Progress->SetBarColor(clRed);
    IsPaused = false;
    mail->SetCaption("\xC2\xA9" + mail->Caption());
}

void TForm1::ToFront() {
    Application->Restore();
    Application->BringToFront();
}

#pragma once
// The main window: the playlist above, the commands below it, the progress bar,
// the search box and the links at the foot.

#include <memory>
#include <string>

#include "controls/UrlText.h"
#include "media/MediaPlayer.h"
#include "vcl/Bevel.h"
#include "vcl/CheckListBox.h"
#include "vcl/Dialogs.h"
#include "vcl/Edit.h"
#include "vcl/Form.h"
#include "vcl/ProgressBar.h"
#include "vcl/Timer.h"

using vcl::TObject;

class TForm1 : public vcl::TForm {
public:
    TForm1();
    ~TForm1() override;

    media::TMediaPlayer* play1;
    vcl::TOpenDialog* open1;
    vcl::TCheckListBox* l1;
    TUrlText* usa1;
    TUrlText* OpenButton;
    vcl::TBevel* Bevel1;
    vcl::TProgressBar* Progress;
    vcl::TTimer* Timer1;
    TUrlText* PlayButton;
    TUrlText* PauseButton;
    TUrlText* StopButton;
    vcl::TTimer* t2;
    TUrlText* sa1;
    TUrlText* MoveUpbutton;
    TUrlText* MoveDownButton;
    TUrlText* RemoveButton;
    TUrlText* LoadButton;
    TUrlText* SaveButton;
    vcl::TBevel* Bevel2;
    vcl::TOpenDialog* OD2;
    vcl::TSaveDialog* sd1;
    TUrlText* mail;
    TUrlText* SkipNextButton;
    TUrlText* SkipPreviousButton;
    TUrlText* UrlText1;
    TUrlText* UrlText2;
    vcl::TEdit* Edit1;
    TUrlText* UrlText3;

    void sa1MouseDown(TObject* Sender, vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y);
    void sa1MouseUp(TObject* Sender, vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y);
    void OpenButtonClick(TObject* Sender);
    void sa1Click(TObject* Sender);
    void usa1Click(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void l1Click(TObject* Sender);
    void FormCreate(TObject* Sender);
    void PlayButtonClick(TObject* Sender);
    void PauseButtonClick(TObject* Sender);
    void StopButtonClick(TObject* Sender);
    void t2Timer(TObject* Sender);
    void MoveUpbuttonClick(TObject* Sender);
    void MoveDownButtonClick(TObject* Sender);
    void RemoveButtonClick(TObject* Sender);
    void LoadButtonClick(TObject* Sender);
    void SaveButtonClick(TObject* Sender);
    void playtune(int index);
    void ResetPause();
    void ResetAll();
    int selectnext();
    int selectprevious();
    void SkipNextButtonClick(TObject* Sender);
    void SkipPreviousButtonClick(TObject* Sender);
    void l1ClickCheck(TObject* Sender);
    void ToFront();
    void UrlText3Click(TObject* Sender);
    void hideremove();
    void showremove();

private:
    void CreateComponents();
    struct Place {
        int left, top, width, height, tabOrder;
    };
    struct Look {
        int height;
        vcl::TColor color;
        vcl::TFontStyles style;
    };
    // A link label at its place, with its own font, its highlight font and its target.
    TUrlText* LinkLabel(const char* caption, Place place, Look look, Look highlight, const char* url);
    // A command label: white, red and underlined under the pointer, no target, press feedback.
    TUrlText* CommandLabel(const char* caption, int left, int top, int width, int tabOrder);
    std::unique_ptr<media::TMediaPlayer> player_;
};

// The one main window, or nullptr while it does not exist.
extern TForm1* Form1;
// True while playback is paused.
extern bool IsPaused;

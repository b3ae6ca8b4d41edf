// The playback commands: Play, Pause/Continue, Stop and the two Skips, and the
// operations that start one playlist entry and return the window to idle. The
// window's title, the progress bar's range, the Pause command and the two timers
// are the playback state; the Skips read the title back to tell whether a track
// is playing.

#include "app/Unit1.h"
#include "vcl/FilePath.h"

namespace {

constexpr const char* IdleTitle = "Quilby MP3 Player";
constexpr const char* PlayingTitle = "Quilby MP3 Player: Playing:  ";
constexpr const char* PausedTitle = "Quilby MP3 Player: Paused:  ";

}  // namespace

void TForm1::ResetPause() {
    IsPaused = false;
    t2->SetEnabled(false);
    PauseButton->Font()->SetColor(vcl::clWhite);
    PauseButton->SetCaption("Pause");
}

void TForm1::ResetAll() {
    Timer1->SetEnabled(false);
    Progress->SetMax(0);
    ResetPause();
    SetCaption(IdleTitle);
    // Closes whatever is open. With no device open Stop raises at once; with one
    // open, the last Open fails on the empty name. Either way no device is left.
    try {
        play1->Stop();
        play1->Close();
        play1->FileName.clear();
        play1->Open();
    } catch (const media::EMCIDeviceError&) {
    }
}

void TForm1::playtune(int index) {
    ResetAll();
    const int count = l1->Count();
    if (count == 0) return;
    if (index >= count) index = 0;
    if (index < 0) index = count - 1;
    // The cursor search moves from the current entry, not from index, and stops
    // only on a ticked entry whose file exists; -1 means there is none.
    while (!l1->Checked(index)) {
        index = selectnext();
        if (index < 0) return;
    }
    l1->SetItemIndex(index);
    Progress->SetMax(0);
    play1->Close();
    play1->FileName = l1->Text(index);
    play1->Open();  // a failure leaves the window idle with this entry current
    SetCaption(PlayingTitle + vcl::ExtractFileName(l1->Text(index)));
    Progress->SetMax(play1->Length());
    Timer1->SetEnabled(true);
    hideremove();
    play1->Play();
}

void TForm1::PlayButtonClick(TObject*) { playtune(l1->ItemIndex()); }

void TForm1::PauseButtonClick(TObject*) {
    // With no device open nothing changes. The window follows IsPaused alone: a
    // device that is neither playing nor paused ignores the command, yet the
    // title, the caption and the blink still switch.
    try {
        play1->Pause();
        IsPaused = !IsPaused;
        if (IsPaused) {
            SetCaption(PausedTitle + vcl::ExtractFileName(play1->FileName));
            t2->SetEnabled(true);
            PauseButton->SetCaption("Continue");
        } else {
            SetCaption(PlayingTitle + vcl::ExtractFileName(play1->FileName));
            t2->SetEnabled(false);
            PauseButton->Font()->SetColor(vcl::clWhite);
            PauseButton->SetCaption("Pause");
        }
    } catch (const media::EMCIDeviceError&) {
    }
}

void TForm1::StopButtonClick(TObject*) {
    ResetAll();
    showremove();
}

// While idle or paused a Skip only moves the cursor; a paused track stays paused.
void TForm1::SkipNextButtonClick(TObject*) {
    selectnext();
    if (Caption().find("Playing:") != std::string::npos) playtune(l1->ItemIndex());
}

void TForm1::SkipPreviousButtonClick(TObject*) {
    selectprevious();
    if (Caption().find("Playing:") != std::string::npos) playtune(l1->ItemIndex());
}

// Remove may close the loaded file without stopping the monitor, so it is not
// offered while a track is loaded; it comes back once playback has stopped.
void TForm1::hideremove() { RemoveButton->SetEnabled(false); }

void TForm1::showremove() { RemoveButton->SetEnabled(true); }

// The playback monitor: Timer1 follows the loaded track with the progress bar and
// moves on to the next playable entry at its end; t2 blinks the Pause command
// while playback is paused.

#include "app/Unit1.h"

// The end is found by polling: a track that has played out stays at its end
// position, so the end test holds from the first tick after it. A paused track
// stands still and is not advanced unless it was paused exactly at its end.
void TForm1::Timer1Timer(TObject*) {
    // An emptied playlist ends the tick before the player is asked anything.
    if (l1->Count() == 0) {
        ResetAll();
        return;
    }
    if (Progress->Max() != 0) Progress->SetPosition(play1->Position());
    if (play1->Position() == play1->Length()) {
        ResetAll();
        selectnext();
        playtune(l1->ItemIndex());
    }
}

// Any colour but white turns white, so the blink settles into white and red.
void TForm1::t2Timer(TObject*) {
    vcl::TFont* font = PauseButton->Font();
    font->SetColor(font->Color() == vcl::clWhite ? vcl::clRed : vcl::clWhite);
}

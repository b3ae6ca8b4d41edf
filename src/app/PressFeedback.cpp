// The command labels turn red while a mouse button is down on them and white
// when it comes up, whatever the button. Only the colour of the font shown at
// that moment changes, so on a highlighted label the leave takes it back.

#include "app/Unit1.h"

void TForm1::sa1MouseDown(TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int) {
    static_cast<vcl::TStaticText*>(Sender)->Font()->SetColor(vcl::clRed);
}

void TForm1::sa1MouseUp(TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int) {
    static_cast<vcl::TStaticText*>(Sender)->Font()->SetColor(vcl::clWhite);
}

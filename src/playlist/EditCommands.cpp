// The commands below the playlist that edit it: tick all, tick only the first,
// move the current entry up or down (wrapping at the ends) and remove it. None of
// them ever leaves a non-empty playlist without a tick.

#include "app/Unit1.h"

void TForm1::sa1Click(TObject*) {
    const int count = l1->Count();
    for (int i = 0; i < count; ++i) l1->SetChecked(i, true);
}

void TForm1::usa1Click(TObject*) {
    const int count = l1->Count();
    if (count == 0) return;
    l1->SetChecked(0, true);
    for (int i = 1; i < count; ++i) l1->SetChecked(i, false);
}

void TForm1::MoveUpbuttonClick(TObject*) {
    const int i = l1->ItemIndex();
    if (i < 0) return;
    const int to = i > 0 ? i - 1 : l1->Count() - 1;
    l1->Move(i, to);
    l1->SetItemIndex(to);
}

void TForm1::MoveDownButtonClick(TObject*) {
    const int i = l1->ItemIndex();
    if (i < 0) return;
    const int to = i < l1->Count() - 1 ? i + 1 : 0;
    l1->Move(i, to);
    l1->SetItemIndex(to);
}

// Removing the entry whose file the player holds closes the player first; the
// title, the timers and the pause state stay as they are.
void TForm1::RemoveButtonClick(TObject*) {
    const int i = l1->ItemIndex();
    if (i < 0) return;
    if (l1->Text(i) == play1->FileName) {
        Progress->SetMax(0);
        // A name that failed to open leaves no device to stop.
        if (play1->IsOpen()) {
            play1->Stop();
            play1->Close();
        }
    }
    l1->Delete(i);
    const int count = l1->Count();
    for (int j = 0; j < count; ++j)
        if (l1->Checked(j)) return;
    if (count > 0) l1->SetChecked(0, true);
}

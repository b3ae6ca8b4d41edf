// The playlist's current entry is the track cursor: the cursor moves step to
// the next or previous playable entry (ticked, its file present), wrapping at
// the ends, and untick the entries whose file is missing on the way.

#include "app/Unit1.h"
#include "vcl/FileUtils.h"
#include "vcl/MessageBox.h"

namespace {

// Visits each entry at most once, starting after the current one in the given
// direction. Returns the index of the first playable entry, which becomes
// current; when there is none, returns -1 with the cursor left on the entry that
// was current at the start. Each visited entry is current in turn; since nothing
// is shown in between, only the last one is made current.
int Search(vcl::TCheckListBox* list, int step) {
    const int count = list->Count();
    if (count == 0) return -1;
    const int start = list->ItemIndex();
    int position = start;
    for (int visited = 0; visited < count; ++visited) {
        if (step > 0)
            position = position + 1 == count ? 0 : position + 1;
        else
            position = position > 0 ? position - 1 : count - 1;
        if (!vcl::FileExists(list->Text(position))) {
            list->SetChecked(position, false);
            continue;
        }
        if (list->Checked(position)) {
            list->SetItemIndex(position);
            return position;
        }
    }
    return -1;
}

}  // namespace

int TForm1::selectnext() { return Search(l1, +1); }

int TForm1::selectprevious() { return Search(l1, -1); }

void TForm1::l1Click(TObject*) {
    const int i = l1->ItemIndex();
    if (i < 0) return;
    if (!vcl::FileExists(l1->Text(i))) vcl::ShowMessage("MP3 file does not exist?!");
}

void TForm1::l1ClickCheck(TObject*) {
    const int count = l1->Count();
    if (count == 0) return;
    for (int i = 0; i < count; ++i)
        if (l1->Checked(i)) return;
    const int current = l1->ItemIndex();
    if (current >= 0) l1->SetChecked(current, true);
}

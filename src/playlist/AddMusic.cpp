// "Get Music...": the music files among those picked are appended to the
// playlist, ticked, in the dialog's order.

#include "playlist/AddMusic.h"

#include <algorithm>

#include "app/Unit1.h"
#include "vcl/FilePath.h"

namespace {

// Only the letters a to z change; every other byte stays as it is.
std::string UpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return text;
}

}  // namespace

bool IsMusicFile(const std::string& Extension) {
    return std::find(MusicExtensions.begin(), MusicExtensions.end(), Extension) != MusicExtensions.end();
}

void TForm1::OpenButtonClick(TObject*) {
    if (!open1->Execute()) return;
    for (const std::string& path : open1->Files)
        if (IsMusicFile(UpperCase(vcl::ExtractFileExt(path)))) l1->SetChecked(l1->Add(path), true);
}

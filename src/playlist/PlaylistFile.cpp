// Playlists in plain text files, one entry's text per line. Saving writes every
// entry, ticked or not; loading empties the playlist first and takes, ticked, the
// lines that name existing files.

#include "app/Unit1.h"
#include "vcl/FileUtils.h"
#include "vcl/TextReader.h"
#include "vcl/TextWriter.h"

void TForm1::SaveButtonClick(TObject*) {
    if (!sd1->Execute()) return;
    vcl::TTextWriter file(sd1->FileName);
    const int count = l1->Count();
    for (int i = 0; i < count; ++i) file.WriteLine(l1->Text(i));
    file.Commit();
}

void TForm1::LoadButtonClick(TObject*) {
    if (!OD2->Execute()) return;
    l1->Clear();
    vcl::TTextReader file(OD2->FileName);
    while (!file.Eof()) {
        const std::string line = file.ReadLine();
        if (vcl::FileExists(line)) l1->SetChecked(l1->Add(line), true);
    }
    file.Close();
}

// "Search": opens the search service's result page for the text of the search box.

#include "app/Unit1.h"
#include "vcl/LinkOpener.h"
#include "web/SearchAddress.h"

void TForm1::UrlText3Click(TObject*) { vcl::OpenLink(web::SearchAddress(Edit1->Text())); }

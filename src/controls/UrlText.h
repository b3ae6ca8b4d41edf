#pragma once
// The link label: a static text that serves as every command and web link of the main window.

#include "vcl/StaticText.h"

class TUrlText : public vcl::TStaticText {
public:
    using vcl::TStaticText::TStaticText;
};

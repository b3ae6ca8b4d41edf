#pragma once
// A bevel drawn as a single sunken line along its top edge.

#include "vcl/Control.h"

namespace vcl {

class TBevel : public TControl {
public:
    explicit TBevel(TForm* parent);
};

}  // namespace vcl

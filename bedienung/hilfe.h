// The hover help: a control under the mouse (or with the focus) puts its
// entry into the help box; a panel background hides the box.
#pragma once

#include <string_view>

#include "model/formular.h"

namespace dkm {

// False when the control has no entry (nothing changes then).
bool Hilfe_Hover(Formular& f, std::string_view steuerelement);
void Hilfe_Panel_Hover(Formular& f);

}  // namespace dkm

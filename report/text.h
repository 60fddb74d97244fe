// The report as plain text, as dkm-rechner prints it.
#pragma once

#include <string>

#include "report/seite.h"

namespace dkm::bericht {

// An item at report column K starts at character K-1 (a line already longer
// moves it to a new line); styles and drawings are dropped, trailing blanks
// removed; each page after the first follows a line holding only a form feed.
std::string Als_Text(const Bericht& b);

}  // namespace dkm::bericht

// Inside the KOSTRA table reader: the rows of the CSV text and the zip it comes in.
#pragma once

#include <string>
#include <string_view>

#include "files/kostra_tabelle.h"

namespace dkm {

// The rows of the table, without the checks of the name; the reason with its line number otherwise.
Kostra_Lesen Kostra_Text_lesen(std::string_view csv);

struct Zip_Tabelle {
    std::string text;    // the CSV as unpacked
    std::string name;    // its name within the zip
    std::string fehler;  // the reason when there is none
};
// The CSV table a zip holds, unpacked up to `hoechstens` bytes (a larger one is refused as a bomb).
Zip_Tabelle Zip_Tabelle_auspacken(std::string_view zip, size_t hoechstens);

}  // namespace dkm

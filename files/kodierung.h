// Windows-1252, the encoding of project and settings files, to and from the
// UTF-8 the program works in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dkm {

enum class Kodierung { cp1252, utf8 };

// Every byte has a character: the five bytes Windows-1252 leaves undefined
// become the control characters of the same code, so any file decodes.
std::string Cp1252_nach_Utf8(std::string_view bytes);

// Characters without a Windows-1252 byte, and broken UTF-8, become "?";
// savers check with Erstes_Zeichen_ohne_Cp1252 first.
std::string Utf8_nach_Cp1252(std::string_view utf8);

// Text an editor saved as UTF-8: valid sequences stay, a byte that starts none
// is taken as Windows-1252, so nothing is lost.
std::string Utf8_gesaeubert(std::string_view bytes);
bool Ist_Utf8(std::string_view bytes);

// The first character Windows-1252 cannot hold (as UTF-8), nullopt when there is none.
std::optional<std::string> Erstes_Zeichen_ohne_Cp1252(std::string_view utf8);

}  // namespace dkm

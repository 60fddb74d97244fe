// Windows-1252, the encoding of project and settings files, to and from the
// UTF-8 the program works in.
#pragma once

#include <string>
#include <string_view>

namespace dkm {

// Every byte has a character: the five bytes Windows-1252 leaves undefined
// become the control characters of the same code, so any file decodes.
std::string Cp1252_nach_Utf8(std::string_view bytes);

// Characters without a Windows-1252 byte, and broken UTF-8, become "?".
std::string Utf8_nach_Cp1252(std::string_view utf8);

}  // namespace dkm

// Numbers as the program reads, writes and shows them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dkm {

// Leading-number rule of the input fields: the longest leading decimal number
// (blanks before it skipped, sign and exponent allowed, "." as point);
// empty or non-numeric text reads as 0.
double Zahl_lesen(std::string_view text);
// Length of the decimal number at the very start of `text` (no blanks skipped); 0 when none.
size_t Zahl_laenge(std::string_view text);

// The same, narrowed to a working value. A value beyond the float range
// becomes +-inf; callers that must refuse it use Zahl_gueltig.
float Einzelwert(std::string_view text);
bool Zahl_gueltig(double wert);  // finite and within float range

// No input comes near 10^7 in its own unit (m, m², mm, l/(s·ha), degrees, count);
// a larger magnitude is a typing or file error and is refused like an overflow.
inline constexpr double Eingabegrenze = 1e7;
// Nor is a measure smaller than this but not 0: its text would run to dozens of digits.
inline constexpr float Kleinstwert = 1e-4f;
// Not 0, yet below Kleinstwert once narrowed to a working value (so 0.0001 itself is taken).
bool Zu_klein(double wert);
// Finite, below Eingabegrenze and not Zu_klein, also once narrowed to a working value.
bool Im_Eingaberahmen(double wert);

// Number text of files and input fields: shortest decimal form, "." as point,
// no leading zero, a leading blank for values that are not negative.
std::string Zahlentext(float wert);             // at most 7 significant digits
std::string Zahlentext15(double wert);          // at most 15 (the two rainfall values)
// A value first rounded with the pattern ".00", then written as number text.
std::string Zahlentext_gerundet(float wert);

// Display pattern ("0.00 m²", "0.0 mm", "0", ".00", "0 Stück" ...): the digit part is
// rounded half away from zero on the shortest round-trip digits of the value,
// "." is replaced by `dezimaltrenner`, everything else is copied.
std::string Muster(float wert, std::string_view muster, std::string_view dezimaltrenner = ".");
std::string Muster(double wert, std::string_view muster, std::string_view dezimaltrenner = ".");

// Conversion to an integer: half to even. 16-bit variant reports overflow as nullopt.
long long Ganzzahl(double wert);
std::optional<int16_t> Ganzzahl16(double wert);

// Plain integer text (no leading blank) as used inside messages and notes.
std::string Ganzzahltext(long long wert);

}  // namespace dkm

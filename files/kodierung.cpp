#include "files/kodierung.h"

#include <array>
#include <cstdint>

namespace dkm {

namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their own code.
constexpr std::array<char32_t, 32> obere_steuerzeichen = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t zeichen_von(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) return obere_steuerzeichen[b - 0x80u];
    return b;
}

void utf8_anhaengen(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

char byte_von(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (size_t i = 0; i < obere_steuerzeichen.size(); ++i)
        if (obere_steuerzeichen[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

constexpr char32_t ungueltig = 0xFFFFFFFF;

// Decodes one UTF-8 sequence at s[i]; advances i past it, or by one byte when it
// is broken (overlong, a surrogate, beyond U+10FFFF, cut short): then `ungueltig`.
char32_t utf8_lesen(std::string_view s, size_t& i) {
    const size_t anfang = i;
    const unsigned char b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80) return b;
    int folge = 0;
    char32_t c = 0, mindest = 0;
    if ((b & 0xE0) == 0xC0) folge = 1, c = b & 0x1F, mindest = 0x80;
    else if ((b & 0xF0) == 0xE0) folge = 2, c = b & 0x0F, mindest = 0x800;
    else if ((b & 0xF8) == 0xF0) folge = 3, c = b & 0x07, mindest = 0x10000;
    else return ungueltig;
    for (int k = 0; k < folge; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            i = anfang + 1;
            return ungueltig;
        }
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    if (c < mindest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        i = anfang + 1;
        return ungueltig;
    }
    return c;
}

bool in_cp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return true;
    for (char32_t o : obere_steuerzeichen)
        if (o == c) return true;
    return false;
}

}  // namespace

std::string Cp1252_nach_Utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char b : bytes) utf8_anhaengen(out, zeichen_von(static_cast<unsigned char>(b)));
    return out;
}

std::string Utf8_nach_Cp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const char32_t c = utf8_lesen(utf8, i);
        out.push_back(c == ungueltig ? '?' : byte_von(c));
    }
    return out;
}

std::string Utf8_gesaeubert(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        const size_t anfang = i;
        if (utf8_lesen(bytes, i) == ungueltig)
            utf8_anhaengen(out, zeichen_von(static_cast<unsigned char>(bytes[anfang])));
        else
            out.append(bytes.substr(anfang, i - anfang));
    }
    return out;
}

bool Ist_Utf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();)
        if (utf8_lesen(bytes, i) == ungueltig) return false;
    return true;
}

std::optional<std::string> Erstes_Zeichen_ohne_Cp1252(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();) {
        const size_t anfang = i;
        const char32_t c = utf8_lesen(utf8, i);
        if (c == ungueltig) return "\uFFFD";
        if (!in_cp1252(c)) return std::string(utf8.substr(anfang, i - anfang));
    }
    return std::nullopt;
}

}  // namespace dkm

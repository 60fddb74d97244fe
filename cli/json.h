// Pieces of the JSON dkm-rechner prints: texts with their escapes, numbers as the
// engine holds them, and objects indented two blanks per level.
#pragma once

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace dkm::json {

inline void Text(std::string& aus, std::string_view s) {
    static constexpr char hex[] = "0123456789abcdef";
    aus += '"';
    for (const char z : s) {
        const unsigned char c = static_cast<unsigned char>(z);
        if (c == '"' || c == '\\') {
            aus += '\\';
            aus += z;
        } else if (c < 0x20) {
            aus += "\\u00";
            aus += hex[c >> 4];
            aus += hex[c & 15];
        } else {
            aus += z;
        }
    }
    aus += '"';
}

// The shortest decimal that reads back as the same float; JSON has no infinity, so none is null.
inline std::string Zahl(float w) {
    if (!std::isfinite(w)) return "null";
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, w).ptr);
}

// Members of an object: each on its own line at `tiefe` levels, or all on one line.
class Objekt {
public:
    Objekt(std::string& aus, int tiefe, bool einzeilig = false) : aus_(aus), tiefe_(tiefe), einzeilig_(einzeilig) {
        aus_ += '{';
    }
    ~Objekt() {
        if (!einzeilig_ && !erstes_) aus_ += "\n" + std::string(2 * static_cast<size_t>(tiefe_ - 1), ' ');
        aus_ += '}';
    }
    Objekt(const Objekt&) = delete;
    Objekt& operator=(const Objekt&) = delete;

    void zahl(std::string_view name, float w) { schluessel(name) += Zahl(w); }
    void ganz(std::string_view name, long long w) { schluessel(name) += std::to_string(w); }
    void wahr(std::string_view name, bool w) { schluessel(name) += w ? "true" : "false"; }
    void ganz_oder_null(std::string_view name, std::optional<long long> w) {
        schluessel(name) += w ? std::to_string(*w) : "null";
    }
    // A member whose value the caller writes (an object or an array), at the next level.
    std::string& schluessel(std::string_view name) {
        if (einzeilig_) aus_ += erstes_ ? "" : ", ";
        else aus_ += (erstes_ ? "\n" : ",\n") + std::string(2 * static_cast<size_t>(tiefe_), ' ');
        erstes_ = false;
        Text(aus_, name);
        aus_ += ": ";
        return aus_;
    }
    int tiefe() const { return tiefe_; }

private:
    std::string& aus_;
    int tiefe_;
    bool einzeilig_;
    bool erstes_ = true;
};

// An array of one-line objects, one per line: `schreiben(objekt, i)` fills element i.
template <class F>
void Reihe(Objekt& o, std::string_view name, size_t anzahl, F schreiben) {
    std::string& aus = o.schluessel(name);
    aus += '[';
    const std::string einzug(2 * static_cast<size_t>(o.tiefe() + 1), ' ');
    for (size_t i = 0; i < anzahl; ++i) {
        aus += (i ? ",\n" : "\n") + einzug;
        Objekt element(aus, o.tiefe() + 2, true);
        schreiben(element, i);
    }
    if (anzahl) aus += "\n" + std::string(2 * static_cast<size_t>(o.tiefe()), ' ');
    aus += ']';
}

}  // namespace dkm::json

// A small JSON reader for the tests; objects keep the order of their keys.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dkm::test {

struct Json {
    enum Art { Null, Bool, Zahl, Text, Liste, Objekt } art = Null;
    bool b = false;
    std::string text;
    std::vector<Json> liste;
    std::vector<std::pair<std::string, Json>> felder;

    const Json& operator[](const std::string& name) const {
        static const Json fehlt;
        for (const auto& [k, v] : felder)
            if (k == name) return v;
        return fehlt;
    }
    std::string schluessel() const {  // "a b c"
        std::string v;
        for (const auto& f : felder) v += (v.empty() ? "" : " ") + f.first;
        return v;
    }
};

struct Json_Leser {
    const std::string& s;
    size_t i = 0;

    char zeichen() { return (i = std::min(s.find_first_not_of(" \n\r\t", i), s.size())) < s.size() ? s[i] : '\0'; }
    bool text(std::string& aus) {
        if (zeichen() != '"') return false;
        for (++i; i < s.size() && s[i] != '"'; ++i) {
            if (static_cast<unsigned char>(s[i]) < 0x20) return false;
            if (s[i] != '\\') {
                aus += s[i];
            } else if (s.compare(i, 2, "\\u") == 0 && i + 5 < s.size()) {
                aus += static_cast<char>(std::stoi(s.substr(i + 2, 4), nullptr, 16));
                i += 5;
            } else {
                const std::string_view von = "\"\\/nrtbf", nach = "\"\\/\n\r\t\b\f";
                if (++i >= s.size() || von.find(s[i]) == std::string_view::npos) return false;
                aus += nach[von.find(s[i])];
            }
        }
        return i++ < s.size();
    }
    bool wert(Json& j) {
        const char c = zeichen();
        if (c == '"') return j.art = Json::Text, text(j.text);
        if (c == '[' || c == '{') {
            j.art = c == '[' ? Json::Liste : Json::Objekt;
            const char ende = c == '[' ? ']' : '}';
            ++i;
            for (bool erstes = true; zeichen() != ende; erstes = false) {
                if (!erstes && (zeichen() != ',' || !++i)) return false;
                if (ende == ']' ? !wert(j.liste.emplace_back())
                                : !(text(j.felder.emplace_back().first) && zeichen() == ':' && ++i &&
                                    wert(j.felder.back().second)))
                    return false;
            }
            return ++i;
        }
        for (const char* wort : {"true", "false"})
            if (s.compare(i, std::string_view(wort).size(), wort) == 0)
                return i += std::string_view(wort).size(), j.art = Json::Bool, j.b = wort[0] == 't', true;
        const size_t anfang = i;
        while (i < s.size() && std::string_view("-+.eE0123456789").find(s[i]) != std::string_view::npos) ++i;
        return j.art = Json::Zahl, i > anfang;
    }
};

// nullopt unless the whole text is one valid value.
inline std::optional<Json> Json_lesen(const std::string& s) {
    Json_Leser l{s};
    Json j;
    if (!l.wert(j) || l.zeichen() != '\0') return std::nullopt;
    return j;
}

}  // namespace dkm::test

// A small strict JSON reader for the tests; objects keep the order of their keys.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dkm::test {

struct Json {
    enum Art { Null, Bool, Zahl, Text, Liste, Objekt } art = Null;
    bool b = false;
    double zahl = 0;
    std::string text;
    std::vector<Json> liste;
    std::vector<std::pair<std::string, Json>> felder;

    const Json& operator[](const std::string& name) const {
        static const Json fehlt;
        for (const auto& [k, v] : felder)
            if (k == name) return v;
        return fehlt;
    }
    std::vector<std::string> schluessel() const {
        std::vector<std::string> v;
        for (const auto& f : felder) v.push_back(f.first);
        return v;
    }
};

namespace json_detail {

struct Leser {
    const std::string& s;
    size_t i = 0;

    char naechstes() {
        while (i < s.size() && std::string_view(" \n\r\t").find(s[i]) != std::string_view::npos) ++i;
        return i < s.size() ? s[i] : '\0';
    }
    bool text(std::string& aus) {
        if (naechstes() != '"') return false;
        for (++i; i < s.size(); ++i) {
            char c = s[i];
            if (c == '"') return ++i, true;
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c == '\\') {
                if (++i >= s.size()) return false;
                const std::string_view von = "\"\\/nrtbf", nach = "\"\\/\n\r\t\b\f";
                if (s[i] == 'u' && i + 4 < s.size()) {
                    c = static_cast<char>(std::stoi(s.substr(i + 1, 4), nullptr, 16));
                    i += 4;
                } else if (von.find(s[i]) != std::string_view::npos) {
                    c = nach[von.find(s[i])];
                } else {
                    return false;
                }
            }
            aus += c;
        }
        return false;
    }
    template <typename F>
    bool folge(char ende, F element) {
        ++i;
        if (naechstes() == ende) return ++i, true;
        do {
            if (!element()) return false;
        } while (naechstes() == ',' && ++i);
        return naechstes() == ende && ++i;
    }
    bool wert(Json& j) {
        const char c = naechstes();
        if (c == '{') {
            j.art = Json::Objekt;
            return folge('}', [&] {
                j.felder.emplace_back();
                return text(j.felder.back().first) && naechstes() == ':' && ++i && wert(j.felder.back().second);
            });
        }
        if (c == '[') {
            j.art = Json::Liste;
            return folge(']', [&] { return wert(j.liste.emplace_back()); });
        }
        if (c == '"') return j.art = Json::Text, text(j.text);
        for (const auto& [wort, b] : {std::pair{"true", true}, std::pair{"false", false}})
            if (s.compare(i, std::string_view(wort).size(), wort) == 0)
                return i += std::string_view(wort).size(), j.art = Json::Bool, j.b = b, true;
        size_t n = 0;
        try {
            j.zahl = std::stod(s.substr(i, 40), &n);
        } catch (...) {
            return false;
        }
        return i += n, j.art = Json::Zahl, true;
    }
};

}  // namespace json_detail

// nullopt unless the whole text is one valid value.
inline std::optional<Json> Json_lesen(const std::string& s) {
    json_detail::Leser l{s};
    Json j;
    if (!l.wert(j) || l.naechstes() != '\0' || l.i != s.size()) return std::nullopt;
    return j;
}

}  // namespace dkm::test

// A small strict JSON reader for the tests: keeps the order of object keys.
#pragma once

#include <map>
#include <memory>
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
        for (const auto& [k, v] : felder)
            if (k == name) return v;
        static const Json fehlt;
        return fehlt;
    }
    std::vector<std::string> schluessel() const {
        std::vector<std::string> v;
        for (const auto& [k, _] : felder) v.push_back(k);
        return v;
    }
};

class Json_Leser {
public:
    explicit Json_Leser(const std::string& s) : s_(s) {}
    // nullopt unless the whole text is one valid value.
    std::optional<Json> lesen() {
        Json j;
        if (!wert(j)) return std::nullopt;
        blanks();
        if (i_ != s_.size()) return std::nullopt;
        return j;
    }

private:
    const std::string& s_;
    size_t i_ = 0;

    void blanks() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t')) ++i_;
    }
    bool wort(const char* w) {
        const std::string t(w);
        if (s_.compare(i_, t.size(), t) != 0) return false;
        i_ += t.size();
        return true;
    }
    bool text(std::string& aus) {
        if (i_ >= s_.size() || s_[i_] != '"') return false;
        for (++i_; i_ < s_.size(); ++i_) {
            const unsigned char c = static_cast<unsigned char>(s_[i_]);
            if (c == '"') return ++i_, true;
            if (c < 0x20) return false;
            if (c != '\\') {
                aus.push_back(static_cast<char>(c));
                continue;
            }
            if (++i_ >= s_.size()) return false;
            switch (s_[i_]) {
                case '"': aus += '"'; break;
                case '\\': aus += '\\'; break;
                case '/': aus += '/'; break;
                case 'n': aus += '\n'; break;
                case 'r': aus += '\r'; break;
                case 't': aus += '\t'; break;
                case 'b': aus += '\b'; break;
                case 'f': aus += '\f'; break;
                case 'u': {
                    if (i_ + 4 >= s_.size()) return false;
                    const unsigned long c16 = std::stoul(s_.substr(i_ + 1, 4), nullptr, 16);
                    if (c16 >= 0x80) return false;  // the dump escapes control characters only
                    aus += static_cast<char>(c16);
                    i_ += 4;
                    break;
                }
                default: return false;
            }
        }
        return false;
    }
    bool wert(Json& j) {
        blanks();
        if (i_ >= s_.size()) return false;
        const char c = s_[i_];
        if (c == '{') {
            j.art = Json::Objekt;
            ++i_;
            blanks();
            if (i_ < s_.size() && s_[i_] == '}') return ++i_, true;
            while (true) {
                blanks();
                std::string k;
                Json v;
                if (!text(k)) return false;
                blanks();
                if (i_ >= s_.size() || s_[i_++] != ':' || !wert(v)) return false;
                j.felder.emplace_back(std::move(k), std::move(v));
                blanks();
                if (i_ < s_.size() && s_[i_] == ',') { ++i_; continue; }
                return i_ < s_.size() && s_[i_++] == '}';
            }
        }
        if (c == '[') {
            j.art = Json::Liste;
            ++i_;
            blanks();
            if (i_ < s_.size() && s_[i_] == ']') return ++i_, true;
            while (true) {
                Json v;
                if (!wert(v)) return false;
                j.liste.push_back(std::move(v));
                blanks();
                if (i_ < s_.size() && s_[i_] == ',') { ++i_; continue; }
                return i_ < s_.size() && s_[i_++] == ']';
            }
        }
        if (c == '"') return j.art = Json::Text, text(j.text);
        if (wort("true")) return j.art = Json::Bool, j.b = true, true;
        if (wort("false")) return j.art = Json::Bool, true;
        if (wort("null")) return true;
        size_t n = 0;
        try {
            j.zahl = std::stod(s_.substr(i_, 40), &n);
        } catch (...) {
            return false;
        }
        j.art = Json::Zahl;
        i_ += n;
        return n > 0;
    }
};

inline std::optional<Json> Json_lesen(const std::string& s) { return Json_Leser(s).lesen(); }

}  // namespace dkm::test

// The one way everything that can fail answers: a value, or the German sentence why
// there is none (with the title of the box that shows it, where one does).
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace dkm {

struct Fehler {
    std::string text;
    std::string titel{};
};

template <class T = void>
class [[nodiscard]] Erfolg {
public:
    Erfolg(T wert) : w_(std::in_place_index<0>, std::move(wert)) {}
    Erfolg(Fehler f) : w_(std::in_place_index<1>, std::move(f)) {}

    explicit operator bool() const { return w_.index() == 0; }
    T& operator*() & { return std::get<0>(w_); }
    const T& operator*() const& { return std::get<0>(w_); }
    T&& operator*() && { return std::get<0>(std::move(w_)); }
    T* operator->() { return &std::get<0>(w_); }
    const T* operator->() const { return &std::get<0>(w_); }
    // The value, or `sonst` where there is none (a missing settings file means its defaults).
    T wert_oder(T sonst) && { return *this ? std::get<0>(std::move(w_)) : std::move(sonst); }

    const Fehler& fehler() const { return std::get<1>(w_); }

private:
    std::variant<T, Fehler> w_;
};

template <>
class [[nodiscard]] Erfolg<void> {
public:
    Erfolg() = default;
    Erfolg(Fehler f) : fehler_(std::move(f)), ok_(false) {}

    explicit operator bool() const { return ok_; }
    const Fehler& fehler() const { return fehler_; }

private:
    Fehler fehler_{};
    bool ok_ = true;
};

}  // namespace dkm

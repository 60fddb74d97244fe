// The scripted platform: answers from the script, records what it was shown.
#include "skript_plattform.h"

#include "report/text.h"

namespace dkm::ui {

void Skript_Plattform::zeigen(Eintrag e) {
    vorher();
    aufnehmen(std::move(e));
}

void Skript_Plattform::meldung(const std::string& titel, const std::string& text) {
    zeigen({"meldung", titel, text});
}

bool Skript_Plattform::frage(const std::string& titel, const std::string& text, bool bei_abbruch) {
    zeigen({"frage", titel, text});
    return antwort(bei_abbruch);
}

void Skript_Plattform::piepton() { zeigen({"piepton", "", ""}); }

namespace {
std::optional<std::string> naechste(std::deque<std::optional<std::string>>& dateien) {
    if (dateien.empty()) return std::nullopt;
    std::optional<std::string> p = dateien.front();
    dateien.pop_front();
    return p;
}
}  // namespace

std::optional<std::string> Skript_Plattform::speichern_unter(const Dateidialog& d) {
    zeigen({"speichern", d.titel, d.vorschlag});
    return naechste(dateien);
}

std::optional<std::string> Skript_Plattform::oeffnen(const Dateidialog& d) {
    zeigen({"oeffnen", d.titel, d.vorschlag});
    return naechste(dateien);
}

std::optional<bericht::Druckerwahl> Skript_Plattform::drucker_waehlen() {
    zeigen({"drucker", "Drucken", ""});
    if (druckerwahlen.empty()) return std::nullopt;
    auto w = druckerwahlen.front();
    druckerwahlen.pop_front();
    return w;
}

Erfolg<> Skript_Plattform::drucken(const bericht::Bericht& b, const std::string& drucker) {
    if (druckfehler) return Fehler{*druckfehler};
    auftraege.push_back({drucker, static_cast<int>(b.seiten.size()), b.schriftgroesse, bericht::Als_Text(b)});
    return {};
}

}  // namespace dkm::ui

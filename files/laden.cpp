#include "files/laden.h"

#include <span>

#include "bedienung/eingabeart.h"
#include "bedienung/projektstand.h"
#include "bedienung/neuberechnung.h"
#include "files/dateizugriff.h"
#include "model/startzustand.h"
#include "model/tabellen.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

// Selecting an option deselects the others of its group; an unknown text selects none.
void Option_nach_Text(Formular& f, std::string_view text, std::span<const Optionstext> gruppe) {
    for (const Optionstext& o : gruppe) {
        if (text != o.text) continue;
        for (const Optionstext& g : gruppe) f[g.option] = (g.option == o.option);
        return;
    }
}

std::string Segmentwert(float w) { return w == 0 ? std::string() : Zahlentext(w); }

// Choosing entry `index` shows its text; outside the list nothing is chosen and the text stays.
void Eintrag_waehlen(Liste& l, int index, size_t anzahl, std::string_view (*eintrag)(size_t)) {
    if (index >= 0 && static_cast<size_t>(index) < anzahl) {
        l = {std::string(eintrag(static_cast<size_t>(index))), index};
    } else {
        l.index = -1;
    }
}

int Ort_Index(std::string_view text) {
    for (size_t i = 0; i < Orte.size(); ++i)
        if (Orte[i].name == text) return static_cast<int>(i);
    return -1;
}

// The boxes of the legacy import; the help box shows a box's note while it is up.
void Hinweise_zeigen(Formular& f, Dialoge& d, const std::vector<Lesehinweis>& hinweise) {
    for (const Lesehinweis& h : hinweise) {
        if (h.hilfe.empty()) {
            d.meldung(h.meldung);
            continue;
        }
        f.Hilfe_Text = h.hilfe;
        // the note gets the box's full size, whatever the last hover left
        f.Hilfe_top_twips = 120;
        f.Hilfe_hoehe_twips = 2055;
        f[V::Hilfe_Text] = true;
        d.meldung(h.meldung);
        f[V::Hilfe_Text] = false;
    }
}

// What an older file lacks (totals, outlet arrangement, overflow count and
// rain, height correction) starts as in a new window, so that a file gives the
// same results whatever project was open before.
const Projektdaten& Startwerte() {
    static const Projektdaten werte = [] {
        Formular start;
        Startzustand(start, nullptr);
        const auto p = Projektdaten_sammeln(start);
        // the start state holds nothing a file could not take
        return p ? *p : Projektdaten{};
    }();
    return werte;
}

}  // namespace

Erfolg<Projektdaten> Projektinhalt_lesen(std::string_view bytes, Formular& f, Dialoge& d) {
    Gelesenes_Projekt g = Projekt_lesen(bytes, Startwerte());
    Hinweise_zeigen(f, d, g.hinweise);
    if (!g.daten) return Fehler{std::string(meldung::Datei_Kontrolle.text), std::string(meldung::Datei_Kontrolle.titel)};
    return std::move(*g.daten);
}

namespace {

// The file decides the mode. The switch's questions ("cut off the segments
// beyond the fourth?", "spread the segments evenly?") concern the project being
// replaced, which the user has already agreed to overwrite; a No would load
// the file in the other mode.
class Ohne_Umschaltfrage : public Dialoge {
public:
    explicit Ohne_Umschaltfrage(Dialoge& d) : d_(d) {}
    void meldung(const std::string& titel, const std::string& text) override { d_.meldung(titel, text); }
    bool frage(const std::string&, const std::string&) override { return true; }
    void piepton() override { d_.piepton(); }

private:
    Dialoge& d_;
};

}  // namespace

void Projektdaten_anwenden(Formular& f, Dialoge& d, const Projektdaten& p) {
    f[T::Bauherr] = p.Bauherr;
    f[T::strasse] = p.strasse;
    f[T::PLZ_Ort] = p.PLZ_Ort;
    f[T::Telef] = p.Telef;
    f[T::Fax] = p.Fax;
    f[T::Bemerkungen] = p.Bemerkungen;
    f[L::Combo_Wahl_Regensp] = {p.Combo_Wahl_Regensp, Ort_Index(p.Combo_Wahl_Regensp)};
    f[T::r5_5] = Zahlentext15(p.r5_5);
    f[T::r5_100] = Zahlentext15(p.r5_100);
    f[L::Combo_Abfl_beiwert].text = p.Combo_Abfl_beiwert;

    for (int i = 1; i <= 8; ++i) {
        f[Laenge(i)] = Segmentwert(p.Laenge[i - 1]);
        f[Breite(i)] = Segmentwert(p.Breite[i - 1]);
        f[Zusatz_Flaeche(i)] = Segmentwert(p.Zusatz_Flaeche[i - 1]);
    }
    f[T::Text1] = Zahlentext(p.Verhaeltnis_HB);

    // an unknown text leaves the gutter kind as it was
    Option_nach_Text(f, p.Rinnenart, Rinnenart_Optionen);

    const int schutz = Schutzfaktor_Index(p.Combo_Schutzfaktor);
    if (schutz >= 0) {
        f[L::Combo_Schutzfaktor] = {std::string(Schutzfaktoren[static_cast<size_t>(schutz)].text), schutz};
        f.Sicherheitsfaktor = Schutzfaktoren[static_cast<size_t>(schutz)].f;
    } else {
        f[L::Combo_Schutzfaktor] = {p.Combo_Schutzfaktor, -1};
    }

    f[T::Text5] = Segmentwert(p.Hindernis_Rinne);
    f[T::Text2] = Zahlentext(p.Rinnenbreite_unten);
    f[T::Text3] = Zahlentext(p.Winkel_links);
    f[T::Text4] = Zahlentext(p.Winkel_rechts);
    Option_nach_Text(f, p.Notueberlauf_Art, Notueberlauf_Optionen);
    f[S::Check_Schutzkorb] = p.Check_Schutzkorb;
    for (int i = 1; i <= 8; ++i) Winkelfaktor_setzen(f, i, p.Winkelfaktor[static_cast<size_t>(i - 1)]);

    Ohne_Umschaltfrage umschalten(d);
    if (p.Eingabe_Art == Eingabeart_Optionen[0].text) Option10_Click(f, umschalten);
    else if (p.Eingabe_Art == Eingabeart_Optionen[1].text) Option11_Click(f, umschalten);

    f[T::Text25] = Zahlentext_gerundet(p.Gesamtlaenge);
    f[T::Text26] = Zahlentext_gerundet(p.Gesamtflaeche);
    f[T::Text27] = Zahlentext(p.Anzahl_Stutzen);
    Option_nach_Text(f, p.Anordnung_Stutzen, Anordnung_Optionen);

    f[L::Combo_Diff_Notueberl].text =
        p.Combo_Diff_Notueberl == "leer" ? std::string(Notueberlauf_Regen_Liste[0]) : p.Combo_Diff_Notueberl;
    Eintrag_waehlen(f[L::Combo_Diff_Notueberl], p.Index_Diff_Notueberl, Notueberlauf_Regen_Liste.size(),
                    [](size_t i) { return Notueberlauf_Regen_Liste[i]; });
    Eintrag_waehlen(f[L::Combo_Abfl_beiwert], p.Index_Abfl_beiwert, Abflussbeiwerte.size(),
                    [](size_t i) { return Abflussbeiwerte[i].text; });

    // like every loaded number, as a number text
    f[T::Text30] = Zahlentext(p.Anzahl_Notueberlaeufe < 1 ? int16_t{1} : p.Anzahl_Notueberlaeufe);
    f.Hoehenkorrektur = p.Hoehenkorrektur;
}

Ladeergebnis Projekt_laden(Formular& f, Dialoge& d, const std::string& dateiname,
                           const std::function<Erfolg<std::string>()>& inhalt_lesen) {
    f.Ladevorgang = true;
    // only input not yet saved is worth a question
    if (Projekt_geaendert(f)) {
        if (!d.frage(meldung::Daten_aufrufen)) {
            f.Ladevorgang = false;
            return Ladeergebnis::abgelehnt;
        }
    }
    const bool label_vorher = f[V::Label4], name_sichtbar_vorher = f[V::Text24];
    std::string name_vorher = f[T::Text24];
    f[V::Label4] = f[V::Text24] = true;
    f[T::Text24] = dateiname;

    const auto inhalt = inhalt_lesen();
    const auto daten = inhalt ? Projektinhalt_lesen(*inhalt, f, d) : Erfolg<Projektdaten>(inhalt.fehler());
    if (!daten) {
        // the window keeps the project it shows, so it keeps that project's name too
        f[V::Label4] = label_vorher;
        f[V::Text24] = name_sichtbar_vorher;
        f[T::Text24] = std::move(name_vorher);
        f.Ladevorgang = false;
        d.meldung(meldung::Datei_Kontrolle);
        return Ladeergebnis::Datei_Kontrolle;
    }
    Projektdaten_anwenden(f, d, *daten);
    f.Ladevorgang = false;
    Neuberechnung(f, d);
    Stand_merken(f);
    return Ladeergebnis::geladen;
}

Ladeergebnis Projekt_laden(Formular& f, Dialoge& d, const std::string& dateiname, std::string_view inhalt) {
    return Projekt_laden(f, d, dateiname, [inhalt] { return Erfolg<std::string>(std::string(inhalt)); });
}

Ladeergebnis Projekt_laden_Datei(Formular& f, Dialoge& d, const std::filesystem::path& datei) {
    return Projekt_laden(f, d, Pfadtext(datei),
                         [&datei] { return Datei_lesen(datei, Projektdatei_Hoechstgroesse); });
}

}  // namespace dkm

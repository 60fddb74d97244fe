// Page 2 for an internal gutter and for an eaves gutter.
#include "bedienung/anzeige.h"
#include "model/zahlen.h"
#include "report/schreiber.h"

namespace dkm::bericht {

namespace {

std::array<std::string, 4> Zellen(const auto& erzeugen) {
    std::array<std::string, 4> z;
    for (size_t k = 0; k < 4; ++k) z[k] = erzeugen(k);
    return z;
}

void Warnung_75(Schreiber& w, bool unter_75, int& optionale) {
    if (!unter_75) return;
    w.zeile({E(5, "Mindestens ein Rohrdurchmesser ist kleiner als 75 mm. Risiko der Verstopfung beachten!")});
    ++optionale;
}

const Querschnitt* Gewaehlt(const Formular& f) {
    const Innen_Werte& iw = f.werte.innen;
    return f[S::Option3] ? &iw.beidseits : f[S::Option4] ? &iw.eineSeite : f[S::Option5] ? &iw.Laengsseite : nullptr;
}

void Querschnitt_Block(Schreiber& w, const Lage& l, Querschnitt_Raum& raum) {
    int& optionale = raum.optionale;
    const Formular& f = l.f;
    const Innen_Werte& iw = f.werte.innen;
    const std::string& sep = l.sep();
    const std::string art = f[S::Option3]   ? "   Notüberlauf auf beiden Stirnseiten."
                            : f[S::Option4] ? "   Notüberlauf auf einer Stirnseite."
                            : f[S::Option5] ? "   Notüberlauf mit Öffnungen auf der Längsseite."
                                            : "";
    w.zeile({E(5, "Innenliegende Rinne", true, true), E(0, art)});
    if (f[S::Option5] && f.Hoehenkorrektur != 0) {
        w.zeile({E(5, "Damit die rechteckigen Notüberläufe schmäler werden, wurde die Rinne um " +
                          Muster(f.Hoehenkorrektur, "0 mm", sep) + " erhöht.")});
        ++optionale;
    }
    static const Querschnitt leer{};
    const Querschnitt& q = Gewaehlt(f) ? *Gewaehlt(f) : leer;
    const float h2 = q.Notstauhoehe_mm + (f[S::Option5] ? iw.Hoehenkorrektur_mm : 0);
    raum.zeile_oben = w.zeilen();
    w.zeile({E(5, "Maße der Rinne:")});
    w.leer(2);
    w.zeile({E(62, Muster(q.oben_mm, "0 mm", sep), false, true), E(74, "(oben)")});
    w.zeile({E(62, Muster(q.Freibord_mm, "0 mm", sep)), E(74, "(Freibord)")});
    w.zeile({E(62, Muster(q.Hoehe_mm, "0 mm", sep), false, true), E(74, "(Gesamthöhe)")});
    w.zeile({E(62, Muster(iw.Bemessungstiefe, "0", sep) + "+" + Muster(h2, "0", sep)), E(74, "(W Berech + W Jahrh)")});
    w.zeile({E(62, Muster(q.unten_mm, "0 mm", sep), false, true), E(74, "(unten)")});
    w.leer(3);
    raum.zeile_unten = w.zeilen();
    w.zeile({U(5, "Außenwinkel"),
             E(0, " links: " + Kurzzahl(iw.Winkel_links, sep) + ", rechts: " + Kurzzahl(iw.Winkel_rechts, sep) +
                      " Grad,   "),
             U(0, "Zuschnitt:"),
             E(0, Muster(q.Wand_links_mm, "0", sep) + "+" + Muster(q.unten_mm, "0", sep) + "+" +
                      Muster(q.Wand_rechts_mm, "0", sep) + "=" + Muster(q.Zuschnitt_mm, "0 mm", sep))});
    if (f[S::Option3] || f[S::Option4]) {
        w.zeile({U(5, "Höhe der Kopfstücke"),
                 E(0, "  (bzw. Montagehöhe Notüberlauf):   " + Muster(iw.Montagehoehe_mm, "0", sep) + " mm,  "),
                 E(25, "Notabfluss: " + Muster(iw.Notabfluss_l_s, "0.0 l/s", sep) +
                           "     verfügbarer Druck: " + Muster(iw.Notdruck_mm, "0 mm", sep))});
    } else if (f[S::Option5]) {
        w.zeile({U(5, "Notüberläufe:"), E(20, "Anzahl: " + Ganzzahltext(iw.Anzahl_Notueberlaeufe)),
                 E(42, "Breite: " + Muster(iw.Oeffnung_Breite_mm, "0 mm", sep)),
                 E(70, "Montagehöhe: " + Muster(iw.Montagehoehe_mm, "0 mm", sep))});
        w.zeile({E(20, "Notabfluss: " + Muster(iw.Notabfluss_l_s, "0.0 l/s", sep)),
                 E(42, "lichte Höhe: " + Muster(iw.Oeffnung_Hoehe_mm, "0 mm", sep)),
                 E(70, "verfügb. Druck:" + Muster(iw.Notdruck_mm, "0 mm", sep))});
        w.zeile({E(20, iw.rund.art == Rundueberlauf::Art::zu_gross
                           ? "Notüberläufe rund: Durchmesser größer als 300 mm, daher nicht möglich."
                           : "Notüberläufe rund: " + Durchmesser_Text(iw.rund) + " (ev. nur der unterer Rohrquerschnitt)")});
    }
}

}  // namespace

Querschnitt_Raum Seite2_innen(Schreiber& w, const Lage& l) {
    const Formular& f = l.f;
    const Innen_Werte& iw = f.werte.innen;
    const std::string& sep = l.sep();
    Querschnitt_Raum raum;
    int& optionale = raum.optionale;
    std::vector<Eintrag> kopf{U(5, "Fallrohr:"), E(Lage::fr_kopf(1), "Fallr. 1:")};
    for (int k = 2; k <= 4; ++k)
        if (l.ts(2 * k - 1)) kopf.push_back(E(Lage::fr_kopf(k), "Fallr. " + Ganzzahltext(k) + ":"));
    w.zeile(std::move(kopf));
    FR_Reihe(w, l, "Fläche (m²):", FR_Werte(l, f.werte.Flaeche_Fallrohr, "0.00"));
    FR_Reihe(w, l, "Belastung (l/s):", FR_Werte(l, f.werte.Belastung_Fallrohr, "0.00"));
    FR_Reihe(w, l, "Durchmesser:", Zellen([&](size_t k) { return Durchmesser(iw.Ablauf[k].Fallrohr_mm); }));
    Warnung_75(w, iw.Fallrohr_unter_75, optionale);
    w.leer();
    w.zeile({U(5, "Rinnenablauf, Trichtermaße:")});
    FR_Reihe(w, l, "verfügb.Druckh.:", Zellen([&](size_t k) { return Muster(iw.Ablauf[k].Druck_mm, "0 mm", sep); }));
    FR_Reihe(w, l, "D oben = H:", Zellen([&](size_t k) {
                 const Innen_Ablauf& a = iw.Ablauf[k];
                 return a.rund_moeglich ? Muster(a.Trichter_rund_mm, "0 mm", sep)
                                        : "(" + Muster(a.Trichter_rund_mm, "0", sep) + ")";
             }));
    FR_Reihe(w, l, "Rechteck LxB:", Zellen([&](size_t k) {
                 const Innen_Ablauf& a = iw.Ablauf[k];
                 return a.eckig_moeglich
                            ? Muster(a.Trichter_L_mm, "0", sep) + "/" + Muster(a.Trichter_T_mm, "0 mm", sep)
                            : std::string("(nicht mögl.)");
             }));
    Fallrohre_insgesamt(w, l, true, optionale);
    if (iw.Ablaeufe_bemessen) {
        w.zeile({U(5, "Rinnenkasten"), E(0, " über die gesamte Rinnenbreite ist möglich.")});
        ++optionale;
    }
    w.leer();
    Querschnitt_Block(w, l, raum);
    return raum;
}

void Seite2_traufe(Schreiber& w, const Lage& l) {
    const Formular& f = l.f;
    const Traufe_Werte& tw = f.werte.traufe;
    const std::string& sep = l.sep();
    int optionale = 0;
    std::vector<Eintrag> kopf{U(5, "Fallrohre:")};
    for (int k = 1; k <= 4; ++k) kopf.push_back(E(Lage::fr_kopf(k), "Fallr. " + Ganzzahltext(k) + ":"));
    w.zeile(std::move(kopf));
    FR_Reihe(w, l, "Fläche (m²):", FR_Werte(l, f.werte.Flaeche_Fallrohr, "0.00"));
    FR_Reihe(w, l, "Belastung (l/s):", FR_Werte(l, f.werte.Belastung_Fallrohr, "0.00"));
    Fallrohre_insgesamt(w, l, false, optionale);
    w.leer();
    w.zeile({U(5, "Fallrohrdurchmesser:")});
    // a downpipe without flow has no size: an empty cell, as in the window
    const auto durchmesser = [&](std::optional<int> Fallrohr_Wahl::*mm) {
        return Zellen([&](size_t k) {
            const Fallrohr_Wahl& r = tw.Fallrohr[k];
            return r.Abfluss_l_s > 0 ? Durchmesser(r.*mm) : std::string();
        });
    };
    FR_Reihe(w, l, "mit Trichter: ", durchmesser(&Fallrohr_Wahl::mit_Trichter_mm));
    FR_Reihe(w, l, "ohne Trichter:", durchmesser(&Fallrohr_Wahl::ohne_Trichter_mm));
    FR_Reihe(w, l, "Einhängestutzen:", Zellen([&](size_t k) {
                 return tw.Fallrohr[k].Abfluss_l_s > 0 ? Einhangstutzen_Text(tw.Fallrohr[k].Einhang) : std::string();
             }));
    Warnung_75(w, tw.Fallrohr_unter_75, optionale);
    w.leer(2);
    w.zeile({E(5, "Vorgehängte Rinne", true, true)});
    w.leer();
    w.zeile({U(5, "halbrund:")});
    if (!tw.Standard_halbrund())
        w.zeile({E(5, "Fertige halbrunde Rinne ist nur bis " + Muster(tw.Kapazitaet_halbrund(), "0.00 l/s", sep) +
                          " möglich.")});
    else
        w.zeile({E(5, "Zuschnitt: " + Ganzzahltext(tw.Zuschnitt_halbrund()) + "  (bis max. " +
                          Muster(tw.Kapazitaet_halbrund(), "0.00 l/s", sep) + " möglich)")});
    w.zeile({E(5, "Rinne mit Halbkreis als Querschnitt, erforderlicher Durchmesser:    " +
                      Muster(tw.Durchmesser_nach_Bedarf, "0 mm", sep))});
    w.leer();
    w.zeile({U(5, "Kastenrinne:")});
    if (!tw.Standard_Kasten())
        w.zeile({E(5, "Fertige Kastenrinne ist nur bis " + Muster(tw.Kapazitaet_Kasten(), "0.00 l/s", sep) +
                          " möglich.")});
    else
        w.zeile({E(5, "Zuschnitt: " + Ganzzahltext(tw.Zuschnitt_Kasten()) + " (bis max. " +
                          Muster(tw.Kapazitaet_Kasten(), "0.00 l/s", sep) + " möglich)")});
    w.zeile({E(5, "Rechteckige Rinne, erforderliche Maße: Breite " + Muster(tw.Breite_nach_Bedarf, "0 mm", sep) +
                      "     Höhe: " + Muster(tw.Hoehe_nach_Bedarf, "0 mm", sep))});
    if (f[S::Check_Schutzkorb])
        w.zeile({E(5, "Bei den Werten der Kastenrinne ist der eingebaute Laubfang nicht berücksichtigt!")});
    w.leer(2);
}

}  // namespace dkm::bericht

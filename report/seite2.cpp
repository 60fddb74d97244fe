// Page 2: segment loads and the results of the gutter kind.
#include "model/zahlen.h"
#include "report/schreiber.h"

namespace dkm::bericht {

namespace {

std::string n(int zahl) { return Ganzzahltext(zahl); }

// The remark on outlets beyond the fourth, as lines of text (the first follows the heading).
std::vector<std::string> Bemerkung_innen(const Lage& l) {
    const int k = l.fallrohre;
    const Formular& f = l.f;
    if (f[S::Option6]) {
        if (k == 5) return {"Die Maße der Abläufe und Trichter 1 bis 4 gelten auch für Ablauf 5."};
        if (k == 6) return {"Die Maße der Abläufe und Trichter 1 bis 4 gelten auch für Ablauf 5 und 6."};
        return {"Die Maße der Abläufe und Trichter 1 bis 4 gelten auch für die Abläufe 5 bis " + n(k) + "."};
    }
    if (f[S::Option7]) {
        if (k == 5) return {"Die Maße der Abläufe und Trichter 2 bis 4 gelten auch für Ablauf 5."};
        if (k == 6) return {"Die Maße der Abläufe und Trichter 2 bis 4 gelten auch für Ablauf 5 und 6."};
        return {" Die Maße der Abläufe/Trichter 2 bis 4 gelten für die Abläufe 5 bis " + n(k) + "."};
    }
    if (f[S::Option8]) {
        if (k == 5) return {"Die Maße von Ablauf und Trichter 5  entsprechen Ablauf 1."};
        if (k == 6)
            return {"Die Maße der Abläufe und Trichter 2 bis 4 gelten auch für Ablauf 5, ",
                    "Ablauf 6 entspricht Ablauf 1."};
        return {"Die Maße der Abläufe und Trichter 2 bis 4 gelten für die Abläufe 5 bis " + n(k - 1) + ",",
                "Ablauf " + n(k) + "entspricht Ablauf 1."};
    }
    return {""};
}

std::vector<std::string> Bemerkung_traufe(const Lage& l) {
    const int k = l.fallrohre;
    const Formular& f = l.f;
    if (f[S::Option6] || f[S::Option7]) {
        const std::string von = f[S::Option6] ? "1 bis 4" : "2 bis 4";
        if (k == 5) return {" Die Maße der Abläufe " + von + " gelten auch für Ablauf 5."};
        if (k == 6) return {" Die Maße der Abläufe " + von + " gelten auch für Ablauf 5 und 6."};
        return {" Die Maße der Abläufe " + von + " gelten auch für die Abläufe 5 bis " + n(k) + "."};
    }
    if (f[S::Option8]) {
        if (k == 5) return {" Die Maße von Ablauf 5  entsprechen Ablauf 1."};
        if (k == 6) return {" Die Maße der Abläufe 2 bis 4 gelten auch für Abl. 5; Ablauf 6 entspricht Abl. 1."};
        return {" Die Maße der Abläufe 2 bis 4 gelten auch für die Abläufe 5 bis " + n(k - 1) + ".",
                "Ablauf " + n(k) + "entspricht Ablauf 1."};
    }
    return {""};
}

}  // namespace

void Fallrohre_insgesamt(Schreiber& w, const Lage& l, bool innen, int& optionale) {
    if (!l.insgesamt) return;
    const std::vector<std::string> b = innen ? Bemerkung_innen(l) : Bemerkung_traufe(l);
    w.zeile({U(5, "Insgesamt " + n(l.fallrohre) + (innen ? " Fallrohre. " : " Fallrohre.")), E(0, b[0])});
    for (size_t i = 1; i < b.size(); ++i) w.zeile({E(5, b[i])});
    optionale += static_cast<int>(b.size());
}

void Seite2(Schreiber& w, const Lage& l) {
    const Formular& f = l.f;
    const Rechenwerte& r = f.werte;
    Kopf(w, l, 2);
    w.zeile({K(5, f[T::Bauherr]), K(0, "      " + f[T::PLZ_Ort])});
    w.zeile({E(5, std::string(l.form.papier ? 91 : 75, '_'))});
    w.leer();
    w.zeile({E(5, "Ergebnis:", true, true)});
    w.leer(l.form.papier ? 4 : 2);
    const size_t nummern = TS_Nummern(w, l, U(5, "Teilstrecke:"));
    TS_Reihe(w, l, "Fläche (m²):", r.Einzel_Flaeche);
    TS_Reihe(w, l, "Belast. (l/s):", r.Belast_Teilrinne);
    int optionale = 0;
    if (l.insgesamt) {
        w.zeile({U(5, "Insgesamt " + n(l.teilstrecken) + " Rinnen-Teilstrecken."),
                 E(0, " Alle Angaben gelten auch für die hier nicht ")});
        w.zeile({E(5, "wiedergegebenen Teilstrecken (bis einschl. TS " + n(l.teilstrecken) + ").")});
        optionale += 2;
    }
    w.leer();
    w.seite().zeichnungen.push_back(Schema(l, 2, nummern));
    if (l.innen) {
        Querschnitt_Raum raum = Seite2_innen(w, l);
        raum.optionale += optionale;
        w.seite().zeichnungen.push_back(Querschnitt_Zeichnung(l, raum));
    } else {
        Seite2_traufe(w, l);
    }
}

}  // namespace dkm::bericht

// The report commands of the main window: preview, printing, PDF export,
// and the issuer fields beside the printer settings.
#include <QApplication>
#include <QLineEdit>

#include "bedienung/bedienung.h"
#include "files/dateizugriff.h"
#include "files/einstellungen.h"
#include "model/meldungen.h"
#include "report/bericht.h"
#include "report/drucken.h"
#include "report/qt/pdf.h"
#include "ui/form1.h"
#include "report/qt/maler.h"
#include "ui/korrektur.h"
#include "ui/vorschauseite.h"

namespace dkm::ui {

namespace {

std::string s(std::string_view v) { return std::string(v); }

// The file name a saved report is proposed under: the project file's, else the client's.
std::string Pdf_Vorschlag(const Formular& f) {
    std::string name = std::filesystem::path(f[T::Text24]).stem().string();
    if (name.empty()) name = f[T::Bauherr];
    for (char& c : name)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) c = '_';
    return (name.empty() ? std::string("Bericht") : name) + ".pdf";
}

}  // namespace

void Form1::vorschau_zeichnen() {
    const auto b = bericht::Bericht_erstellen(f_, bericht::Vorschauform(f_.aussteller, bericht::Heute()));
    if (!b) {
        p_.meldung(b.fehler().titel, b.fehler().text);
        Vorschau_verweigert(f_);
        seite_->setze(std::nullopt, Vorschau_Seitennummer(f_));
        return;
    }
    seite_->setze(*b, Vorschau_Seitennummer(f_));
}

void Form1::vorschau_platzieren() {
    if (f_.aktiver_Modus != Modus::Vorschau) {
        if (seite_->bericht()) seite_->setze(std::nullopt, 1);
        return;
    }
    if (!seite_->bericht()) return;
    // the page over the middle and right of the window, which the preview does not need;
    // Druckvorsch beside it keeps "blättern" and "abbrechen"
    const QWidget* flaeche = seite_->parentWidget();
    const QWidget* links = korrektur_->parentWidget();
    const int x0 = links->mapTo(flaeche, QPoint(links->width(), 0)).x() + 8;
    const int hoehe = std::max(100, flaeche->height() - 8);
    const int breite = std::min(flaeche->width() - x0 - 4, hoehe * bericht::Vorschau_breite / bericht::Vorschau_hoehe);
    seite_->setGeometry(x0, 4, breite, breite * bericht::Vorschau_hoehe / bericht::Vorschau_breite);
    seite_->raise();
}

void Form1::Command3() {
    handler([this] {
        if (Vorschau_oeffnen(f_, p_)) vorschau_zeichnen();
    });
}

// Leaving "Druckansicht" for anything but the preview's own buttons closes the preview;
// the correction panel in the same box stays.
void Form1::vorschau_verlassen() {
    if (f_.aktiver_Modus != Modus::Vorschau) return;
    const QWidget* neu = QApplication::focusWidget();
    if (neu && (neu == korrektur_ || korrektur_->isAncestorOf(neu) || neu == seite_)) return;
    handler([this] { Modus_beenden(f_, p_); });
}

// The paper version with the printer and issuer settings as the files hold them now.
bericht::Berichtsform Form1::papierform() const {
    const Druckwerte vorgabe{10, 0, 0};
    const Druckwerte w = Druckwerte_lesen(einstellungen_ / Druckwrt_Dateiname, vorgabe).wert_oder(vorgabe);
    return bericht::Papierform(w.Schriftgroesse, w.Verschiebung_horizontal, w.Verschiebung_vertikal, f_.aussteller,
                               bericht::Heute());
}

void Form1::Formular_Print() {
    handler([this] {
        if (!Druckausgabe_moeglich(f_, p_)) return;
        const bericht::Berichtsform form = papierform();
        if (bericht::Projekt_drucken(f_, p_, p_, form) == bericht::Druckausgang::kein_Drucker_Pdf)
            pdf_speichern(form);
    });
}

void Form1::Als_PDF_speichern() {
    handler([this] {
        if (!Leitfaden_Konflikt(f_, p_, meldung::Befehl::Als_PDF_speichern)) return;
        pdf_speichern(papierform());
    });
}

void Form1::pdf_speichern(const bericht::Berichtsform& form) {
    const auto b = bericht::Bericht_erstellen(f_, form);
    if (!b) return p_.meldung(b.fehler().titel, b.fehler().text);
    const auto ziel = p_.speichern_unter({s(meldung::Pdf_Fehler_Titel), Pdf_Vorschlag(f_), "pdf",
                                          {{"PDF-Dateien", "*.pdf"}}});
    if (!ziel) return;
    // the dialog's overwrite question does not tell the open project from any other file
    const std::filesystem::path pdf = std::filesystem::u8path(*ziel);
    if (!f_[T::Text24].empty() && Dieselbe_Datei(pdf, std::filesystem::u8path(f_[T::Text24])))
        return p_.meldung(s(meldung::Pdf_Fehler_Titel), meldung::Eingesetzt(meldung::Projektdatei_als_Ziel_Text, *ziel));
    if (const Erfolg<> e = bericht::Pdf_schreiben(*b, pdf); !e) p_.meldung(s(meldung::Pdf_Fehler_Titel), e.fehler().text);
}

}  // namespace dkm::ui

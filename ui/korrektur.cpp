#include "ui/korrektur.h"

#include <QApplication>
#include <algorithm>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <string>

#include "bedienung/leitfaden.h"
#include "bedienung/vorschau.h"
#include "ui/leitfaden.h"


namespace dkm::ui {

namespace {

QPushButton* panel_knopf(const char* name, QWidget* eltern) {
    auto* b = new QPushButton(eltern);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->hide();
    return b;
}

QLineEdit* panel_feld(const char* name, QWidget* eltern) {
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QLatin1String(name));
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    e->setFocusPolicy(Qt::NoFocus);
    e->hide();
    return e;
}

Bild panel_text() {
    Bild b;
    const Stil unterstrichen{false, true};
    b.drucken("Breite der Notüberläufe /", unterstrichen);
    b.drucken("Höhe der Rinne korrigieren:", unterstrichen);
    for (int i = 0; i < 2; ++i) b.drucken("");
    b.drucken("Rinnenhöhe          Breite Notüberläufe");
    for (int i = 0; i < 3; ++i) b.drucken("");
    b.drucken("Den geänderten Wert");
    for (int i = 0; i < 2; ++i) b.drucken("");
    b.drucken("Anmerkung:", unterstrichen);
    for (const char* z : {"Um die Breite der Notüberläufe zu", "reduzieren, muss der Staudruck",
                          "erhöht werden. Daher muss", "die Rinnehöhe größer werden."})
        b.drucken(z);
    return b;
}

Bild vorschau_text(int seite) {
    Bild b;
    b.drucken("Druckansicht", {false, true});
    b.drucken("Seite " + std::to_string(seite) + " von 2");
    b.drucken("");
    for (const char* z : {"´blättern´ zeigt die andere Seite,", "´abbrechen´ schließt die Ansicht."})
        b.drucken(z);
    return b;
}

// Line positions of the controls within the printed text.
constexpr double Zeile_Felder = 5, Zeile_oben = 6.2, Zeile_unten = 9.2;
constexpr int Spalte_Breite = 20, Spalten = 40;
// Text lines the guide's button row takes, and its font beside the others.
constexpr int Leitfaden_Knopfzeilen = 3;
constexpr double Leitfaden_Schriftfaktor = 0.85;

}  // namespace

Korrektur_Panel::Korrektur_Panel(QWidget* eltern) : BildBox(QStringLiteral("Druckvorsch"), 16, Spalten, eltern) {
    groesser_ = panel_knopf("Command28", this);
    null_ = panel_knopf("Command29", this);
    kleiner_ = panel_knopf("Command30", this);
    uebernehmen_ = panel_knopf("Command31", this);
    hoehe_ = panel_feld("Text31", this);
    breite_ = panel_feld("Text32", this);
    grundschrift_ = font();
}

void Korrektur_Panel::anordnen() {
    if (modus_ == Modus::Leitfaden) return leitfaden_anordnen();
    const int lh = zeilenhoehe();
    const int zw = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int x0 = contentsRect().left() + 4, y0 = contentsRect().top() + 3;
    const int feldbreite = zw * (Spalte_Breite - 2);
    hoehe_->setGeometry(x0, y0 + static_cast<int>(Zeile_Felder * lh), feldbreite, lh + 6);
    breite_->setGeometry(x0 + zw * Spalte_Breite, y0 + static_cast<int>(Zeile_Felder * lh), feldbreite, lh + 6);
    const int kb = zw * (Spalte_Breite - 2), kh = lh + 8;
    groesser_->setGeometry(x0, y0 + static_cast<int>(Zeile_oben * lh) + 4, kb, kh);
    kleiner_->setGeometry(x0 + zw * Spalte_Breite, y0 + static_cast<int>(Zeile_oben * lh) + 4, kb, kh);
    uebernehmen_->setGeometry(x0, y0 + static_cast<int>(Zeile_unten * lh), kb, kh);
    null_->setGeometry(x0 + zw * Spalte_Breite, y0 + static_cast<int>(Zeile_unten * lh), kb, kh);
}

void Korrektur_Panel::leitfaden_anordnen() {
    // "weiter", "zurück", "abbrechen" in one row above the text
    const int x0 = contentsRect().left() + 4, y0 = contentsRect().top() + 3;
    const int kb = groesser_->fontMetrics().horizontalAdvance(QStringLiteral("Leitfaden abbrechen")) + 24;
    const int kh = Leitfaden_Knopfzeilen * zeilenhoehe() - 4;
    groesser_->setGeometry(x0, y0, kb, kh);
    kleiner_->setGeometry(x0 + kb + 8, y0, kb, kh);
    null_->setGeometry(x0 + 2 * (kb + 8), y0, kb, kh);
}

QSize Korrektur_Panel::leitfaden_groesse() const {
    // one size for every step, so that the box stands still from step to step
    static const auto [spalten, zeilen] = [] {
        size_t sp = 0, ze = 0;
        auto messen = [&](const Bild& b) {
            ze = std::max(ze, b.zeilen().size());
            for (const Zeile& z : b.zeilen()) sp = std::max(sp, Zeichenzahl(z.text()));
        };
        messen(Leitfaden_Einleitung());
        for (const auto& s : Leitfaden_Schritte()) messen(Leitfaden_Text(s));
        return std::pair{sp, ze};
    }();
    const QFontMetrics fm = fontMetrics();
    return {fm.horizontalAdvance(QLatin1Char('0')) * static_cast<int>(spalten + 1) + 10,
            fm.lineSpacing() * static_cast<int>(zeilen + Leitfaden_Knopfzeilen) + 10};
}

void Korrektur_Panel::resizeEvent(QResizeEvent* e) {
    BildBox::resizeEvent(e);
    anordnen();
}

void Korrektur_Panel::anzeigen(const Formular& f) {
    const Modus modus = f.aktiver_Modus;
    if (modus == Modus::Korrektur) {
        groesser_->setText(QStringLiteral("Höhe größer"));
        kleiner_->setText(QStringLiteral("Höhe kleiner"));
        uebernehmen_->setText(QStringLiteral("übernehmen"));
        null_->setText(QStringLiteral("auf Null setzen"));
        groesser_->setEnabled(f[A::Command28]);
        kleiner_->setEnabled(f[A::Command30]);
        uebernehmen_->setEnabled(f[A::Command31]);
        null_->setEnabled(f[A::Command29]);
    } else if (modus == Modus::Vorschau) {
        groesser_->setText(QStringLiteral("blättern"));
        null_->setText(QStringLiteral("abbrechen"));
        groesser_->setEnabled(true);
        null_->setEnabled(true);
    } else if (modus == Modus::Leitfaden) {
        groesser_->setText(QStringLiteral("Leitfaden weiter"));
        kleiner_->setText(QStringLiteral("Leitfaden zurück"));
        null_->setText(QStringLiteral("Leitfaden abbrechen"));
        groesser_->setEnabled(f[A::Command28]);
        kleiner_->setEnabled(f[A::Command30]);
        null_->setEnabled(f[A::Command29]);
    }
    const int seite = modus == Modus::Vorschau ? Vorschau_Seitennummer(f) : 0;
    if (modus != modus_ || seite != seite_) modus_wechseln(modus, seite);
    if (modus == Modus::Leitfaden) {
        // the text starts below the button row
        Bild b;
        for (int i = 0; i < Leitfaden_Knopfzeilen; ++i) b.drucken("");
        for (const Zeile& z : f.Leitfaden_Box.zeilen())
        {
            if (z.stuecke.empty()) b.drucken("");
            for (size_t i = 0; i < z.stuecke.size(); ++i)
                b.drucken(z.stuecke[i].text, z.stuecke[i].stil, i + 1 == z.stuecke.size());
        }
        setze(b);
    }
}

void Korrektur_Panel::modus_wechseln(Modus modus, int seite) {
    modus_ = modus;
    seite_ = seite;
    const bool korrektur = modus == Modus::Korrektur, leitfaden = modus == Modus::Leitfaden;
    for (QWidget* w : {static_cast<QWidget*>(uebernehmen_), static_cast<QWidget*>(hoehe_),
                       static_cast<QWidget*>(breite_)})
        w->setVisible(korrektur);
    kleiner_->setVisible(korrektur || leitfaden);
    groesser_->setVisible(modus != Modus::keiner);
    null_->setVisible(modus != Modus::keiner);
    // the guide's lines are long: a smaller font keeps the box clear of the fields it explains
    QFont schrift = grundschrift_;
    if (leitfaden) schrift.setPointSizeF(schrift.pointSizeF() * Leitfaden_Schriftfaktor);
    setFont(schrift);
    QPalette p = palette();
    p.setColor(QPalette::Base, korrektur || leitfaden ? Markierungsgelb() : QApplication::palette().color(QPalette::Base));
    setPalette(p);
    setze(korrektur ? panel_text() : modus == Modus::Vorschau ? vorschau_text(seite) : Bild{});
    anordnen();
}

}  // namespace dkm::ui

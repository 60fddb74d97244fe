#include "ui/korrektur.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <string>

#include "bedienung/vorschau.h"


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

}  // namespace

Korrektur_Panel::Korrektur_Panel(QWidget* eltern) : BildBox(QStringLiteral("Druckvorsch"), 16, Spalten, eltern) {
    groesser_ = panel_knopf("Command28", this);
    null_ = panel_knopf("Command29", this);
    kleiner_ = panel_knopf("Command30", this);
    uebernehmen_ = panel_knopf("Command31", this);
    hoehe_ = panel_feld("Text31", this);
    breite_ = panel_feld("Text32", this);
}

void Korrektur_Panel::anordnen() {
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

void Korrektur_Panel::resizeEvent(QResizeEvent* e) {
    BildBox::resizeEvent(e);
    anordnen();
}

void Korrektur_Panel::anzeigen(const Formular& f) {
    const Modus modus = f.Status_Korrektur == aktiv   ? Modus::Korrektur
                        : f.Status_Vorschau == aktiv ? Modus::Vorschau
                                                     : Modus::keiner;
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
    }
    const int seite = modus == Modus::Vorschau ? Vorschau_Seitennummer(f) : 0;
    if (modus == modus_ && seite == seite_) return;
    modus_ = modus;
    seite_ = seite;
    const bool korrektur = modus == Modus::Korrektur;
    for (QWidget* w : {static_cast<QWidget*>(kleiner_), static_cast<QWidget*>(uebernehmen_),
                       static_cast<QWidget*>(hoehe_), static_cast<QWidget*>(breite_)})
        w->setVisible(korrektur);
    groesser_->setVisible(modus != Modus::keiner);
    null_->setVisible(modus != Modus::keiner);
    QPalette p = palette();
    p.setColor(QPalette::Base, korrektur ? QColor(255, 255, 128) : QApplication::palette().color(QPalette::Base));
    setPalette(p);
    setze(korrektur ? panel_text() : modus == Modus::Vorschau ? vorschau_text(seite) : Bild{});
    anordnen();
}

}  // namespace dkm::ui

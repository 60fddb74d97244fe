#include "ui/kostra_bereich.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "bedienung/kostra_uebernahme.h"
#include "files/dateizugriff.h"
#include "files/kostra_einstellungen.h"
#include "model/meldungen.h"
#include "ui/aufbau_hilfen.h"

namespace dkm::ui {

using namespace aufbau;
namespace fs = std::filesystem;

Kostra_Bereich::Kostra_Bereich(Plattform& p, const Formular& f, Uebernahme uebernehmen, QWidget* eltern)
    : QGroupBox(n(meldung::Kostra_Titel), eltern), p_(p), f_(f), uebernehmen_(std::move(uebernehmen)) {
    setObjectName(QStringLiteral("Kostra_Rahmen"));
    setFlat(true);
    auto* g = eng(new QGridLayout(this));
    g->setContentsMargins(0, 2, 0, 0);  // the panel around has its margins
    // the file's name, its end (release and duration) kept where the room is short; the whole path as its tip
    datei_ = label(QStringLiteral("Kostra_Tabelle"), {});
    datei_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    datei_->installEventFilter(this);
    g->addWidget(datei_, 0, 0);
    auto* waehlen = schaltflaeche(QStringLiteral("Kostra_Tabelle_waehlen"), QStringLiteral("Tabelle wählen …"));
    g->addWidget(waehlen, 0, 1);

    ort_ = new QLineEdit;
    ort_->setObjectName(QStringLiteral("Kostra_Ort"));
    ort_->setMaxLength(200);
    ort_->setPlaceholderText(QStringLiteral("Breite Länge oder Feld"));
    ort_->setToolTip(QStringLiteral("Breite und Länge in Grad (51,4462 7,0202 oder 51.4462, 7.0202), in Grad, "
                                    "Minuten und Sekunden (51°26'46\" N 7°01'13\" E) oder die Nummer des "
                                    "Rasterfelds (049125)"));
    g->addWidget(ort_, 1, 0);
    auto* suchen_knopf = schaltflaeche(QStringLiteral("Kostra_Suchen"), QStringLiteral("Werte suchen"));
    g->addWidget(suchen_knopf, 1, 1);

    // three lines, whatever they show, so that nothing below moves
    ergebnis_ = label(QStringLiteral("Kostra_Ergebnis"), {});
    ergebnis_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ergebnis_->setFixedHeight(ergebnis_->fontMetrics().lineSpacing() * 3 + 2);
    ergebnis_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ergebnis_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    g->addWidget(ergebnis_, 2, 0, 1, 2);

    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("Kostra_Name"));
    name_->setMaxLength(120);
    name_->setPlaceholderText(QStringLiteral("Name des Orts"));
    name_->setToolTip(QStringLiteral("Unter diesem Namen kommen die Werte in die eigenen Orte"));
    g->addWidget(name_, 3, 0);
    uebernehmen_knopf_ = schaltflaeche(QStringLiteral("Kostra_Uebernehmen"), QStringLiteral("übernehmen"));
    g->addWidget(uebernehmen_knopf_, 3, 1);
    g->addWidget(kleingedruckt(label(QStringLiteral("Kostra_Datenbasis"), n(meldung::Kostra_Datenbasis))), 4, 0, 1, 2);
    g->setColumnStretch(0, 1);
    g->setRowStretch(5, 1);

    connect(waehlen, &QPushButton::clicked, this, &Kostra_Bereich::tabelle_waehlen);
    connect(suchen_knopf, &QPushButton::clicked, this, &Kostra_Bereich::suchen);
    connect(ort_, &QLineEdit::returnPressed, this, &Kostra_Bereich::suchen);
    connect(uebernehmen_knopf_, &QPushButton::clicked, this, &Kostra_Bereich::uebernehmen);
    connect(ort_, &QLineEdit::textEdited, this, [this] {
        // values shown belong to the location they were found for
        gefunden_.reset();
        ergebnis_zeigen();
    });
    ergebnis_zeigen();
    dateiname_zeigen();
}

bool Kostra_Bereich::eventFilter(QObject* ziel, QEvent* e) {
    if (ziel == datei_ && e->type() == QEvent::Resize) dateiname_zeigen();
    return false;
}

void Kostra_Bereich::oeffnen(const fs::path& einstellungsordner) {
    ordner_ = einstellungsordner;
    pfad_ = Kostra_Einstellungen_lesen(ordner_ / Kostra_Dateiname).tabelle;
    dateiname_zeigen();
}

void Kostra_Bereich::dateiname_zeigen() {
    const QString name = pfad_.empty() ? QStringLiteral("(keine gewählt)") : QString::fromStdString(Pfadtext(pfad_.filename()));
    datei_->setText(datei_->fontMetrics().elidedText(name, Qt::ElideLeft, datei_->width() - 4));
    datei_->setToolTip(pfad_.empty() ? QString() : QString::fromStdString(Pfadtext(pfad_)));
}

Erfolg<> Kostra_Bereich::laden(const fs::path& pfad) {
    std::error_code ec;
    const auto zeit = fs::last_write_time(pfad, ec);
    const auto groesse = ec ? 0 : fs::file_size(pfad, ec);
    if (tabelle_ && pfad == pfad_ && !ec && zeit == gelesen_zeit_ && groesse == gelesen_groesse_) return {};
    Kostra_Lesen e = Kostra_Tabelle_lesen(pfad);
    if (!e) return e.fehler();
    tabelle_ = std::move(*e);
    gelesen_zeit_ = zeit;
    gelesen_groesse_ = groesse;
    return {};
}

void Kostra_Bereich::tabelle_waehlen() {
    const auto gewaehlt = p_.oeffnen({"Tabelle KOSTRA-DWD-2020 wählen (5 min, D00005)",
                                      "StatRR_KOSTRA-DWD-2020_D00005.csv.zip",
                                      "zip",
                                      {{"KOSTRA-DWD-2020-Tabelle", "*.csv.zip *.csv *.zip"}}});
    if (!gewaehlt) return;
    const fs::path pfad(std::u8string(gewaehlt->begin(), gewaehlt->end()));
    if (const Erfolg<> gelesen = laden(pfad); !gelesen) {
        // the table chosen before stays
        p_.meldung(std::string(meldung::Kostra_Titel), gelesen.fehler().text);
        return;
    }
    Kostra_Einstellungen e = Kostra_Einstellungen_lesen(ordner_ / Kostra_Dateiname);
    e.tabelle = pfad;
    if (const Erfolg<> gemerkt = Kostra_Einstellungen_schreiben(ordner_ / Kostra_Dateiname, e); !gemerkt)
        p_.meldung(std::string(meldung::Kostra_Titel), gemerkt.fehler().text);
    pfad_ = pfad;
    gefunden_.reset();
    ergebnis_zeigen();
    dateiname_zeigen();
}

void Kostra_Bereich::suchen() {
    gefunden_.reset();
    ergebnis_zeigen();
    auto melden = [this](const std::string& text) { p_.meldung(std::string(meldung::Kostra_Titel), text); };
    if (pfad_.empty()) return melden(std::string(meldung::Kostra_keine_Tabelle));
    const Feldsuche s = Kostra_Feld_suchen(ort_->text().toStdString());
    if (!s) return melden(s.fehler().text);
    if (const Erfolg<> gelesen = laden(pfad_); !gelesen) return melden(gelesen.fehler().text);
    gefunden_ = tabelle_->werte(*s);
    if (!gefunden_) return melden(Kostra_keine_Werte_Text(*s));
    name_->setText(QString::fromStdString(Kostra_Ortsname(gefunden_->feld)));
    ergebnis_zeigen();
}

void Kostra_Bereich::uebernehmen() {
    if (!gefunden_) return;
    if (uebernehmen_({name_->text().toStdString(), *gefunden_})) {
        gefunden_.reset();
        ergebnis_zeigen();
    }
}

void Kostra_Bereich::ergebnis_zeigen() {
    uebernehmen_knopf_->setEnabled(gefunden_.has_value());
    name_->setEnabled(gefunden_.has_value());
    if (!gefunden_) {
        ergebnis_->clear();
        return;
    }
    const Kostra_Werte& w = *gefunden_;
    const std::string& t = f_.dezimaltrenner;
    std::string text = "Feld " + Feldtext(w.feld) + " (Zeile " + std::to_string(w.feld.zeile) + ", Spalte " +
                       std::to_string(w.feld.spalte) + ")";
    if (w.aus_hoehen) text = "Feld " + Feldtext(w.feld) + " (aus Regenhöhen HN)";
    text += "\nr(5,5): " + Regenspende_Band(w.r5_5, w.uc5_5, t) + "\nr(5,100): " + Regenspende_Band(w.r5_100, w.uc5_100, t);
    ergebnis_->setText(QString::fromStdString(text));
    ergebnis_->setToolTip(w.aus_hoehen ? n(meldung::Kostra_aus_Hoehen) : QString());
}

}  // namespace dkm::ui

// The main window "Ein- und Ausgabe-Formular". It holds the window state as
// a Formular, forwards every control event to the handlers and the engine,
// and shows the Formular again afterwards.
#pragma once

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/aussteller.h"
#include "report/form.h"
#include "model/formular.h"
#include "ui/plattform.h"

class QAbstractButton;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolBar;

namespace dkm::ui {

class BildBox;
class Korrektur_Panel;
class Kostra_Bereich;
class Leitfaden_Anzeige;
class Hilfe_Bindung;
class Tastenfilter;
class Vorschauseite;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // `f` is the start state (defaults and own places).
    Form1(Plattform& p, const Formular& f, QWidget* eltern = nullptr);
    ~Form1() override;

    Formular& formular() { return f_; }
    const Formular& formular() const { return f_; }
    // Shows the Formular in the controls.
    void anzeigen();

    // Commands of the frame window's button row forward to these buttons.
    QPushButton* knopf(const char* name) const;

    // The folder of the settings files (own rainfall places, printer adjustment).
    void setze_einstellungsordner(std::filesystem::path ordner) { einstellungen_ = std::move(ordner); }

    // The project file named on the command line: loaded as the load command does after its file dialog.
    void projekt_aufrufen(const std::filesystem::path& datei);

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    Plattform& p_;
    Formular f_;
    std::filesystem::path einstellungen_ = ".";
    int beschaeftigt_ = 0;
    bool beenden_bestaetigt_ = false;

    std::array<QWidget*, static_cast<size_t>(T::Anzahl)> text_{};
    std::array<QComboBox*, static_cast<size_t>(L::Anzahl)> liste_{};
    std::array<QAbstractButton*, static_cast<size_t>(S::Anzahl)> schalter_{};
    std::array<QWidget*, static_cast<size_t>(V::Anzahl)> sichtbar_{};
    std::array<QWidget*, static_cast<size_t>(A::Anzahl)> aktiv_{};
    std::array<BildBox*, 47> bild_{};
    Korrektur_Panel* korrektur_ = nullptr;
    Kostra_Bereich* kostra_ = nullptr;  // the own-values window's KOSTRA-DWD-2020 section
    QGridLayout* platz_ = nullptr;  // the shared place of the panels
    std::unique_ptr<Leitfaden_Anzeige> leitfaden_;
    Hilfe_Bindung* hilfe_bindung_ = nullptr;
    std::vector<V> offene_panels_;  // panels of the shared place, in the order they opened
    QPlainTextEdit* hilfe_ = nullptr;
    Tastenfilter* tastenfilter_ = nullptr;
    QPushButton *hilfe_knopf_ = nullptr, *drucker_knopf_ = nullptr, *korr_knopf_ = nullptr, *vorschau_knopf_ = nullptr;
    QLabel *masse_hinweis_ = nullptr, *regenhinweis_ = nullptr;
    bool ergebnisse_grau_ = false;
    Vorschauseite* seite_ = nullptr;

    // form1_aufbau.cpp
    void aufbauen();
    QWidget* linke_spalte();
    QWidget* mittlere_spalte();
    QWidget* rechte_spalte();
    QWidget* teilstrecken();
    void befehlsleisten();
    void statuszeile();
    void verbinden();
    void tab_reihenfolge();

    // form1.cpp
    // Runs a handler and shows the state it leaves.
    void handler(const std::function<void()>& f);
    void feld_verlassen(T t);
    void eingabe_geaendert(T t, const QString& text);
    void schalter_geklickt(S s, bool an);
    void liste_gewaehlt(L l, int index);
    void panel_zustand_zeigen();
    void panelplatz_zeigen();
    void platz_reservieren();
    void hilfe_zeigen();
    void aktualitaet_zeigen();
    void titel_zeigen();
    void befehl(const char* name, void (Form1::*m)());

    // form1_groesse.cpp: the window on the screen.
    bool erstmals_gezeigt_ = false;
    void sichtbarkeit_zeigen();
    void groesse_halten(QSize vorher);
    QRect verfuegbar() const;
    void in_den_bildschirm();

    // Commands.
    void Command1();
    void Command7();
    void Command9();
    void Command10();
    void Command11();
    void Command12();
    void Command13();
    void Command14();
    void Command15();
    void Command17();
    void Command18();
    void Command19();
    void Command20();
    void Command21();
    void Command22();
    void Command23();
    void Command27();
    void Command28();
    void Command29();
    void Command30();
    void Command31();
    void Command3();
    void Formular_Print();
    void Als_PDF_speichern();
    void Ueber();
    void uebernehmen(int zeile);
    // form1_kostra.cpp: a grid cell's values stored as an own place and chosen.
    bool kostra_uebernehmen(const Kostra_Ort& ort);
    // form1_bericht.cpp: preview page, PDF file.
    void vorschau_zeichnen();
    void vorschau_platzieren();
    bericht::Berichtsform papierform() const;
    void pdf_speichern(const bericht::Berichtsform& form);
    void vorschau_verlassen();

    // form1_projekt.cpp: save, load and end; the folder of the file dialogs.
    void Command2();
    void Command6();
    bool beenden_frage();
    std::filesystem::path letzter_ordner() const;
    void ordner_merken(const std::filesystem::path& datei);
};

}  // namespace dkm::ui

// The guide's 22 steps: key, when shown, fields to highlight, focus and text.
#include "bedienung/leitfaden.h"

namespace dkm {

namespace {

using B = Leitfaden_Bedingung;
using Z = Leitfaden_Zeile;
constexpr Stil normal{}, unterstrichen{false, true};

Z z(std::string_view t) { return {{3, t, normal}}; }
Z u(std::string_view t) { return {{3, t, unterstrichen}}; }
const Z leer = {{3, "", normal}};
const Z hinweis_erste_ts[] = {u("Hinweis:"), z("Wenn am Rinnenende ein Abfluss angeordnet ist, geben Sie für die erste TS"),
                              z("(in der ganzen ersten Spalte) keine Maße ein.")};

std::vector<Z> mit_hinweis(std::vector<Z> zeilen) {
    zeilen.insert(zeilen.end(), std::begin(hinweis_erste_ts), std::end(hinweis_erste_ts));
    return zeilen;
}

std::vector<Leitfaden_Schritt_Daten> tabelle() {
    return {
        {"Projektdaten", B::immer, {"Bauherr", "strasse", "PLZ_Ort", "Telef", "Fax", "Bemerkungen"}, "Bauherr",
         {u("Projektdaten:"), leer, z("Geben Sie in den Feldern die Daten zum betreffenden Projekt ein."), leer,
          z("Die Angaben beeinflussen die Berechnung nicht und können auch entfallen. ")}},
        {"Wahl_Rinnenart", B::immer, {"Option1", "Option2"}, "",
         {u("Rinnenauswahl:"), leer, z("Wählen Sie hier ob"), leer,
          {{9, "1. ", normal}, {12, "eine vorgehängte Rinne", unterstrichen}, {36, "oder", normal}}, leer,
          {{9, "2. ", normal}, {12, "eine innenliegende Rinne", unterstrichen}, {37, "berechnet werden soll.", normal}}}},
        {"Wahl_Eingabe_Art", B::immer, {"Option10", "Option11"}, "",
         {u("Wahl der Maßeingabe:"), leer, z("Wählen Sie die Art der Maßeingabe, entweder"), leer,
          z("1. ob die Rinnenlängen und die zugehörigen Breiten einzeln (unterschiedlich)"),
          z("eingegeben werden sollen oder"), leer,
          z("2. Gesamtmaße (für eine gesamte Dachfläche) eingegeben werden."),
          z("Im zweiten Fall werden die Abflüsse (und damit die Teilstecken der Rinne) gleichmäßig"),
          z("aufgeteilt. Es sind dann auch mehr als vier Fallrohre möglich.")}},
        {"Regenspende", B::immer, {"Combo_Wahl_Regensp", "r5_5", "r5_100", "Command22"}, "Combo_Wahl_Regensp",
         {u("Regenspende:"), leer,
          z("Für die Wahl der Regenspende für den Berechnungs- und den Jahrhundertregen gibt es"),
          z("drei Möglichkeiten:"), z("1. Wählen Sie im linken Feld einen Ort aus; die Regenspenden werden dann"),
          z("   nach den Angaben der DIN 1986-100 (Anhang A) automatisch übernommen."),
          z("   Letzter Wert der Auswahl: Schweiz (gesamt)"), leer,
          z("2. Geben Sie im linken Feld einen beliebigen Ort an und tragen in den beiden "),
          z("   Feldern rechts die zugehörigen Werte der Regenspende selbst ein."), leer,
          z("3. Geben Sie für Orte, die Sie öfter brauchen, in dem Fenster unter ´eigene Werte aufrufen´ "),
          z("   (selbe Zeile rechts daneben) selbst Werte ein, die dann immer übernommen werden können.")}},
        {"Abflussbeiwert", B::immer, {"Combo_Abfl_beiwert"}, "",
         {u("Abfussbeiwert:"), leer, z("Abflussbeiwert je nach Dachbeschaffenheit wählen."), leer,
          u("Möglichkeiten:"), z("(Auszug aus Tabelle 9 DIN 1986-100)"), leer,
          z("wasserundurchlässige Dachflächen: C = 1"), z("Kiesschüttdach: C = 0.5"),
          z("intensiv begrünte Dachfächen: C = 0.3"), z("extensiv begrünte Dachflächen ab 10cm: C=0.3"),
          z("extensiv begrünte Dachflächen unter 10cm: C=0.5")}},
        {"Wahl_Art_Notüberlauf", B::innenliegend, {"Option3", "Option4", "Option5"}, "",
         {u("Anordnung des Notüberlaufs:"), leer,
          z("Wählen Sie hier, wie der Notablauf (ins Freie) ausgeführt wird:"), leer,
          z("1. über zwei Stirnseiten der Rinne (Kopfstücke oder Einläufe am Rinnenende beiderseits)"),
          z("2. über eine Stirnseite der Rinne (ungünstigste Lösung, da langer Fließweg)."),
          z("3. Notablauf auf der Länge der Rinne (ein Notablauf je Teilstrecke z.B. über die Attika oder "),
          z("   Gullies mit Abflußleitung ins Freie)")}},
        {"Anzahl_Notueberlaeufe", B::laengsseite, {"Text30"}, "",
         {u("Anzahl der Notabläufe an der Längsseite:"), leer,
          z("Geben Sie hier ein, wie viele Notabläufe geplant sind (in der Rinnenlängsseite oder Gullies)"), leer,
          z("Es wird vorausgesetzt, dass die Notabläufe in etwa gleichmäßig auf die Rinnenlänge"),
          z("verteilt sind und jeweils von zwei Seiten angeströmt werden.")}},
        {"Berechnung_Notüberlauf", B::innenliegend, {"Combo_Diff_Notueberl"}, "",
         {u("Angabe zum Notüberlauf:"), leer, z("Die Angabe ist nur bei Berechnung innenliegender Rinnen relevant."),
          leer, z("Im Normalfall wird für den den Notüberlauf der Berechnungsregen vom Jahrhunderregen"),
          z("abgezogen (Wahl ´ohne Berechnungsregen´)."), leer,
          z("Bei erhöhten Anforderungen an die Sicherheit kann der Jahrhundertregen ohne Abzug "),
          z("für die Größenberstimmung des Notüberlaufs angesetzt werden (´Jahrhundertregen voll´).")}},
        {"Schutzfaktor_Rinne", B::immer, {"Combo_Schutzfaktor"}, "",
         {u("Sicherheitsfaktor wählen:"), leer,
          z("Nach DIN EN 12056-3 kann je nach der Anforderung an die Sicherheit ein Schutzfaktor "),
          z("gewählt werden."), leer,
          z("Wenn die Regenspende nach DIN 1986-100 gewählt wird, ist das nicht erforderlich; der Faktor"),
          z("f = 1  kann belassen werden.")}},
        {"Hindernis_Rinne", B::immer, {"Text5"}, "Text5",
         {u("Hindernisse im Wasserlauf:"), leer, z("Angabe von Hindernissen im Wasserlauf der Rinne (in cm²)."), leer,
          z("Nach DIN EN 12056-3 nur bei innenliegenden Rinnen erforderlich. Trotzdem wird der Wert bei"),
          z("vorgehängten Rinnen mit ´Maßen nach Bedarf´ eingerechnet (d.h. nicht bei Rinnen "),
          z("mit Standardabmessungen).")}},
        {"Schutzkorb", B::immer, {"Check_Schutzkorb"}, "",
         {u("Laubfangeinrichtung:"), leer,
          z("Markieren Sie dieses Kästchen, wenn am Abfluss ein Laubfang oder ein Schutzkorb "),
          z("angebracht wird."), leer, u("Auswirkungen:"),
          {{3, "Es wird hier", normal},
           {15, "nur bei vorgehängten, halbrunden Rinnen", unterstrichen},
           {55, " die Ablaufleistung der Rinne", normal}},
          z("halbiert (DIN EN 12056-3, Abs. 5.3.3); die Dimension des Regenfallrohrs ändert sich nicht."),
          {{3, "Achtung:", unterstrichen},
           {13, "Bei vorgehängten Kastenrinnen wird ein Laubfang hier nicht berücksichtigt. ", normal}},
          z("Nach der DIN muss bei Rinnen mit ebener Sohle der Ausschnitt am Abfluss vergrößert"),
          z("werden.(nach DIN EN 12056-3, Anmerkung zu Tabelle 7 wird die Länge der Abflusskante"),
          z("verdoppelt). Das wird im Programm nur bei innenliegenden Rinnen, nicht aber bei "),
          z("vorgehängten Kastenrinnen berücksichtigt.")}},
        {"Masse_innenliegende_Rinne", B::innenliegend, {"Text2", "Text3", "Text4"}, "Text2",
         {u("Breite und Form der Rinne:"), leer,
          z("Geben Sie die untere Breite der Rinne ein (Vorgabe ist 300 mm) sowie"),
          z("die Außen-Winkel der Aufkantung links und rechts (Vorgabe ist 90°).")}},
        {"Rinnenlaengen_einzeln", B::einzel,
         {"Laenge_1", "Laenge_2", "Laenge_3", "Laenge_4", "Laenge_5", "Laenge_6", "Laenge_7", "Laenge_8"}, "Laenge_1",
         mit_hinweis({u("Eingabe Länge der Teilstrecken:"), leer,
                      z("Geben Sie in der ersten Zeile dieser Felder (zweckmäßigerweise jeweils von oben nach unten und "),
                      z("von links nach rechts) an:"), leer,
                      z("1. die Länge der Rinnen-Teilstrecken jeweils vom Hochpunkt zum Ablauf."),
                      {{30, "", normal}}, {{30, "", normal}}, {{30, "", normal}}, {{30, "", normal}}})},
        {"Dachbreiten", B::einzel,
         {"Breite_1", "Breite_2", "Breite_3", "Breite_4", "Breite_5", "Breite_6", "Breite_7", "Breite_8"}, "Breite_1",
         mit_hinweis({u("Eingabe bei rechteckigen Dachflächen:"), leer, z("Geben Sie hier ein"), leer,
                      z("2. die Dachtiefe zu jeder Teilstrecke (TS),"), leer,
                      z("allerdings nur dann, wenn es sich um rechteckige Dachgrundflächen handelt."), leer,
                      z("Nicht rechteckige oder zusätzliche Flächen geben Sie unter Punkt 3. ein"), leer})},
        {"Zusatz_Flaeche", B::einzel,
         {"Zusatz_Flaeche_1", "Zusatz_Flaeche_2", "Zusatz_Flaeche_3", "Zusatz_Flaeche_4", "Zusatz_Flaeche_5",
          "Zusatz_Flaeche_6", "Zusatz_Flaeche_7", "Zusatz_Flaeche_8"},
         "Zusatz_Flaeche_1",
         mit_hinweis({u("Eingabe nicht rechteckiger und/oder zusätzliche Dachflächen:"), leer, z("Geben Sie hier ein"),
                      leer, z("3. zusätzliche Flächen, die zur jeweiligen Teilstrecke der Rinne entwässern."), leer,
                      z("Das können z.B. sein:"),
                      z("Dreiecksflächen (bei Kehle oder Walm), unregelmäßige Dachgrundflächen oder senkrecht"),
                      z("aufgehende Wandflächen bei Windeinwirkung."), leer})},
        {"Gesamtlänge", B::gesamt, {"Text25"}, "Text25",
         {u("Eingabe der gesamten Rinnenlänge:"), leer, z("Geben Sie hier die gesamte Länge der Rinne an"), leer,
          z("Hinweis: Die einzelnen Rinnenlängen (TS) bzw. die Abflüsse werden gleichmäßig aufgeteilt.")}},
        {"Gesamtfläche", B::gesamt, {"Text26"}, "Text26",
         {u("Gesamte Dachgrundfläche:"), leer, z("Geben Sie hier die gesamte Dachgrundfläche an"), leer,
          z("Hinweis: Die gesamte Fläche wird gleichmäßig auf die einzelnen Rinnenlängen (TS) verteilt.")}},
        {"Anzahl_Stutzen", B::gesamt, {"Text27"}, "Text27",
         {u("Anzahl der Abflüsse der Rinne:"), leer, z("Geben Sie hier die gesamte Anzahl der Rinnenabläufe an"), leer,
          z("Hinweis: Die einzelnen Rinnenlängen (TS) bzw. die Abflüsse werden gleichmäßig aufgeteilt.")}},
        {"Anordnung_Stutzen", B::gesamt, {"Option6", "Option7", "Option8"}, "",
         {u("Anordnung der Abflüsse in der Rinne:"), leer, z("Es gibt hier drei Möglichkeiten:"), leer,
          z("1. Alle Abflüsse sind innerhalb der Rinne, d.h. an den Rinnenenden sind keine Fallrohre."),
          z("2. Ein Fallrohr ist am Rinnenende, alle übrigen sind gleichmäßig verteilt innerhalb der Rinne."),
          z("3. An beiden Rinnenenden ist ein Fallrohr, die übrigen sind gleichmäßig verteilt innerhalb der Rinne."),
          leer, z("Hinweis: Die einzelnen Rinnenlängen (TS) bzw. die Abflüsse werden gleichmäßig aufgeteilt.")}},
        {"Rinnenwinkel", B::immer,
         {"Label77", "Check1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7", "Check8"}, "",
         {u("Rinnenwinkel:"), leer,
          z("Markiere Sie die Kästchen an den Teilstrecken, in denen ein Rinnenwinkel eingebaut ist.")}},
        {"KorrSchalter_Hoehe", B::laengsseite, {"Command11"}, "Command11",
         {u("Korrektur der Rinnenhöhe:"), leer,
          z("Sie können - falls die Breite der Notüberläufe zu groß ist oder Rohre als Notüberlauf "),
          z("verwendet werden sollen - die Rinnenhöhe vergrößern. Dadurch wird die Stauhöhe beim"),
          z("Notüberlauf größer und rechteckige Notüberläufe schmaler."), {},
          z("Um die Rinnenhöhe / die Breite der Überläufe zu ändern, schließen Sie den Leitfaden"),
          z("und öffnen das Eingabefeld mit dem Schalter ´Korr´ im Feld ´Zusätzliche Angaben´ "),
          z("auf dem Monitor unten links.")}},
        {"Abschluss", B::immer, {}, "",
         {z("Es wurden alle relevanten Felder aufgerufen. "), leer,
          z("Der ´Leitfaden´ wird beendet. Er kann jederzeit noch einmal neu gestartet werden.")}},
    };
}

}  // namespace

const std::vector<Leitfaden_Schritt_Daten>& Leitfaden_Schritte() {
    static const std::vector<Leitfaden_Schritt_Daten> schritte = tabelle();
    return schritte;
}

}  // namespace dkm

// The texts of the hover help, one entry per control or group of like controls.
#include "model/hilfe.h"

#include <unordered_map>

namespace dkm {

namespace {

std::vector<Hilfe_Eintrag> tabelle() {
    return {
        {{"Label7"}, 1000, 1200,
         "Wert in l/(s*ha) für einen Regen mit einer Dauer von 5 Minuten, der alle fünf Jahre einmal vorkommt. "
         "Mit ihr, vermindert um den Abflussbeiwert C der Deckung, werden Rinne und Fallrohre bemessen. Der Wert "
         "r(5,5) wird mit dem Ort übernommen oder selbst eingetragen."},
        {{"Label8"}, 1000, 1200,
         "Wert in l/(s*ha) für einen Jahrhundert-Regen mit 5 Minuten Dauer. Mit r(5,100) werden bei "
         "innenliegenden Rinnen die Notüberläufe bemessen, ohne Abminderung durch den Abflussbeiwert; der Wert "
         "wird mit dem Ort übernommen oder selbst eingetragen."},
        {{"Label10"}, 1000, 1200,
         "Berechnungsregenspende einiger Städte in Deutschland. Mit der Wahl eines Orts werden r(5,5) und "
         "r(5,100) nach DIN 1986-100 (Anhang A) in die Felder darunter übernommen. Für andere Orte tragen Sie "
         "den Namen und beide Werte selbst ein."},
        {{"Label12"}, 1000, 800,
         "Sie können hier für maximal fünf Orte, die Sie häufig brauchen, eigene Werte vorgeben und aufrufen."},
        {{"Label13", "Frame9"}, 120, 2000,
         "Geben Sie hier die Berechnungsregenspende und die Regenspende des Jahrhundertregens für die Orte ein, "
         "die Sie häufiger benötigen. Die Werte in l/(s*ha) erhalten Sie z.B. vom Wetterdienst oder von der "
         "Gemeinde. ´übernehmen´ speichert die fünf Orte und setzt die Werte der Zeile in die Felder der "
         "Regenspende ein; ´abbrechen´ schließt das Fenster ohne Speichern."},
        {{"Kostra_Rahmen"}, 120, 2400,
         "Regenspenden nach KOSTRA-DWD-2020, der Starkregenstatistik des Deutschen Wetterdienstes, für das "
         "Rasterfeld von 5 km, in dem der Bau liegt. ´Tabelle wählen …´ nimmt einmal die Tabelle für 5 Minuten, "
         "die Sie beim Wetterdienst herunterladen (StatRR_KOSTRA-DWD-2020_D00005.csv.zip). Geben Sie dann den Ort "
         "als Breite und Länge ein (51,4462 7,0202 oder 51°26'46\" N 7°01'13\" E) oder die Nummer des "
         "Rasterfelds (049125) und drücken Sie ´Werte suchen´. ´übernehmen´ speichert r(5,5) und r(5,100) unter "
         "dem Namen als eigenen Ort und setzt sie in die Felder der Regenspende ein."},
        {{"Label15"}, 120, 1800,
         "Geben Sie hier die gesamte Länge der Rinne ein (nur möglich, bei ´Eingabe von Gesamtmaßen´). Die "
         "Länge in Meter wird gleichmäßig auf die Teilstrecken zwischen den Abläufen verteilt; wie, hängt von "
         "der Anzahl und der Anordnung der Abläufe ab."},
        {{"Label16"}, 120, 1200,
         "Bei Eingabe von ´Gesamtmaßen´ wird mit der Anzahl der Abflüsse die gesamte Rinnenlänge auf die "
         "Teilstrecken gleichmäßig verteilt. Jeder Ablauf nimmt das Wasser von zwei Teilstrecken auf."},
        {{"Label17"}, 120, 1000,
         "Wählen Sie hier, wie die (über die Rinne gleichmäßig verteilten) Abläufe in der Rinne angeordnet sind. "
         "Am Rinnenende kann keiner, einer oder beide sitzen."},
        {{"Label18"}, 120, 1400,
         "Geben Sie hier die Dachgrundfäche des gesamten Daches an, das von der Rinne entwässert wird (in m², "
         "waagerecht gemessen). Sie wird gleichmäßig auf die Teilstrecken verteilt."},
        {{"Label21"}, 120, 1400,
         "Bei innenliegenden Rinnen wird zur Bestimmung der Rinnengröße über dem Wasserstand des "
         "Berechnungsregens eine Stauhöhe für den Notabfluss angesetzt: ´ohne Berechnungsregen´ der "
         "Jahrhundertregen abzüglich des Berechnungsregens, ´Jahrhundertregen voll´ der ganze (sicherer)."},
        {{"Label29"}, 1000, 800,
         "Wählen Sie hier den Abflußbeiwerte nach DIN 1986-100 (Auszug aus Tabelle 9 der DIN)."},
        {{"Option3"}, 120, 1100,
         "Bei innenliegenden Rinnen ist immer ein Notüberlauf vorzusehen. Wählen Sie diese Möglichkeit, wenn der "
         "Notüberlauf über beide Rinnenstirnseiten ins Freie möglich ist."},
        {{"Option4"}, 120, 1100,
         "Bei innenliegenden Rinnen ist immer ein Notüberlauf vorzusehen. Wählen Sie diese Möglichkeit, wenn der "
         "Notüberlauf nur an einer Stirnseite ins Freie möglich ist."},
        {{"Option5"}, 120, 1700,
         "Bei innenliegenden Rinnen ist immer ein Notüberlauf vorzusehen. Wählen Sie diese Möglichkeit, wenn "
         "das Wasser über Notüberläufe in der Rinnenlängsseite (z.B. durch die Attika) oder über Gullies mit "
         "eigener Leitung ins Freie abgeführt wird. Geben Sie daneben die Anzahl an; berechnet werden Breite "
         "und Höhe eines Überlaufs."},
        {{"Label33"}, 120, 2100,
         "Bei innenliegenden Rinnen ist immer ein Notüberlauf vorzusehen. Wenn Abläufe verstopfen oder ein "
         "stärkerer Regen als der Berechnungsregen fällt, läuft das Wasser sonst ins Gebäude. Wählen Sie, ob es "
         "über eine oder beide Stirnseiten oder über Überläufe in der Längsseite ins Freie gelangt."},
        {{"Command11"}, 120, 2200,
         "Es wird ein Fenster geöffnet, in dem die Breite der Notüberläufe in der Rinnen-Längsseite geändert "
         "werden kann. Dazu wird die Rinne in Schritten von 10 mm höher gemacht: der Wasserstand über dem "
         "Überlauf steigt und der Überlauf wird schmaler. Nur bei Notüberläufen in der Längsseite."},
        {{"Label11", "Label23"}, 120, 2000,
         "Geben Sie hier jeweils die Länge einer Teilstrecken der Rinne (in Meter) ein und zwar immer vom "
         "Hochpunkt bis zum Abfluss. Zwei benachbarte Teilstrecken führen zum selben Fallrohr (TS 1 und 2 zu "
         "Fallrohr 1 usw.). Liegt ein Abfluss am Rinnenende, bleibt TS 1 leer."},
        {{"Label24"}, 120, 1700,
         "Das Maß für die Dach-Breite (eigentlich die Tiefe) ist die ´horizontale Projektion´ des Dachs, also "
         "der waagerechte Abstand von der Rinne bis zum First oder Grat, nicht die Länge der Dachschräge. "
         "Länge mal Breite ergibt die Fläche der Teilstrecke."},
        {{"Label25"}, 120, 1500,
         "Geben Sie hier die Fläche in m² an, die (ev. zusätzlich) zu diesem Rinnenteil entwässert wird; z.B. "
         "Dreiecksflächen an Kehle oder Walm oder Wandflächen, auf die Regen schlägt. Sie wird zur Fläche aus "
         "Länge und Breite addiert."},
        {{"Label77", "Check1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7", "Check8"}, 120, 2000,
         "Markieren Sie dieses Kästchen, wenn in der entsprechenden Teilstrecke ein Rinnenwinkel mit einer "
         "Richtungsänderung größer als 10° eingebaut ist. Ein Winkel bremst das Wasser: die Ablaufleistung "
         "der Rinne in dieser Teilstrecke wird mit dem Faktor 0.85 abgemindert."},
        {{"Check_Schutzkorb"}, 120, 2300,
         "Wenn dieses Kästchen markiert ist, wird - entsprechend DIN EN 12056-3 - ein Sieb oder Laubfang im "
         "Ablauf berücksichtigt: bei vorgehängten halbrunden Rinnen wird die Ablaufleistung der Rinne halbiert, "
         "bei innenliegenden Rinnen werden die Abläufe und Trichter größer bemessen. Bei vorgehängten "
         "Kastenrinnen bleibt der Laubfang unberücksichtigt; das Fallrohr ändert sich nicht."},
        {{"Label14"}, 120, 2300,
         "Entsprechend DIN EN 12056-3 wird nur bei vorgehängten, halbrunden Rinnen die Laubfangvorrichung "
         "berücksichtigt. Bei Kastenrinnen mit ebener Sohle müsste der Ausschnitt am Abfluss vergrößert "
         "werden; das rechnet das Programm nur bei innenliegenden Rinnen."},
        {{"Label9"}, 120, 1800,
         "Wenn statistische Angaben zur Regenspende vorliegen (z.B. die Werte der DIN 1986-100), genügt f = 1. "
         "Nach DIN EN 12056-3 kann je nach Anforderung an die Sicherheit ein größerer Faktor gewählt werden; "
         "alle Abflüsse werden mit ihm vervielfacht."},
        {{"Picture3"}, 120, 1500,
         "Abmessung der halbrunden Rinne nach der (zurückgezogenen deutschen) DIN 18461 (Richtgröße, entspricht "
         "dem Zuschnitt). Angezeigt wird die kleinste Normgröße, deren Ablaufleistung für die ungünstigste "
         "Teilstrecke reicht. Ist eine Teilstrecke länger als das 50-fache der Wassertiefe, mindert der "
         "Langrinnenfaktor die Leistung."},
        {{"Picture1"}, 120, 1200,
         "Durchmesser einer halbrunden Rinne, die nach den hier vorliegenden Erfordernissen angefertigt werden "
         "kann. Er reicht gerade für die ungünstigste Teilstrecke."},
        {{"Picture4"}, 120, 1500,
         "Abmessung der Kastenrinne nach der (zurückgezogegnen deutschen) DIN 18461 (Richtgröße, entspricht dem "
         "Zuschnitt). Angezeigt wird die kleinste Normgröße, deren Ablaufleistung für die ungünstigste "
         "Teilstrecke reicht."},
        {{"Picture2"}, 120, 1200,
         "Maße für eine Kastenrinne, die nach den hier vorliegenden Erfordernissen angefertigt werden kann (auch "
         "für größere Kastenrinnen). Die Höhe folgt aus der Breite und dem Verhältnis ´Höhe/Breite´."},
        {{"Option10"}, 120, 1600,
         "Maßeingabe von Einzelmaßen: Für jede Teilstrecke (TS 1 bis 8) werden Länge, Dachbreite und ev. "
         "zusätzliche Fläche einzeln eingegeben. So lassen sich unterschiedliche Dachflächen je Fallrohr "
         "berechnen; höchstens vier Fallrohre."},
        {{"Option11"}, 120, 1900,
         "Maßeingabe von Gesamtmaßen: Eingegeben werden die gesamte Rinnenlänge, die gesamte Dachgrundfläche "
         "und die Anzahl der Abläufe. Länge und Fläche werden gleichmäßig auf die Teilstrecken verteilt; so "
         "sind auch mehr als vier Abläufe möglich. Die Felder der Einzelmaße sind dann gesperrt."},
        {{"Option1"}, 120, 1500,
         "Wählen Sie diese Option bei vorgehängten, außenliegenden Rinnen aber auch bei eingebauten Rinnen, "
         "deren überlaufendes Wasser ins Freie und nicht ins Gebäude läuft. Berechnet werden halbrunde und "
         "Kastenrinnen mit ihren Fallrohren."},
        {{"Option2"}, 120, 1700,
         "Wählen Sie diese Option bei innenliegenden Rinnen. Hier sind immer Notüberläufe ins Freie einzuplanen. "
         "Berechnet werden der Rinnenquerschnitt, die Notüberläufe, die Abläufe mit ihren Trichtern und die "
         "Fallrohre."},
        {{"Command17"}, 120, 1200,
         "Bei vielen Positionen auf demMonitor wird automatisch eine Hilfe angezeigt, wenn der Cursor darauf "
         "steht. Mit diesem Schalter wird die Hilfe aus- und wieder eingeschaltet."},
        {{"Command19"}, 120, 1800,
         "Die Druckausgabe entspricht der Druckvorschau. Hier stellen Sie die Schriftgröße des Ausdrucks ein "
         "und verschieben die Zeichnungen, falls Ihr Drucker sie versetzt druckt; außerdem tragen Sie Ihre "
         "Firma für den Ausdruck ein."},
        {{"Picture13", "Picture15", "Picture17", "Picture19", "Label58", "Label60", "Label62", "Label64"}, 120, 2300,
         "Fallrohr-Dimension (ohne Richtungsänderungen im Fallrohr) bei Füllungsgrad des Fallrohrs von 0.33 "
         "und ´freiem Auslauf der Rinne´, d.h. mit einem trichterförmigen Übergang von der Rinne ins Fallrohr. "
         "Angegeben ist der kleinste Durchmesser in mm, der den Abfluss der beiden zugehörigen Teilstrecken "
         "aufnimmt (nach DIN EN 12056-3)."},
        {{"Picture14", "Picture16", "Picture18", "Picture20", "Label59", "Label61", "Label63", "Label65"}, 120, 1400,
         "Fallrohr-Dimension (ohne Richtungsänderungen im Fallrohr), wenn der Rinnenstutzen mit dem Durchmesser "
         "des Fallrohrs an der Rinne angebracht wird (ohne Trichter). Das Rohr nimmt dann weniger auf und wird "
         "größer."},
        {{"Picture21", "Picture22", "Picture23", "Picture24", "Label66", "Label67", "Label68", "Label69"}, 120, 2100,
         "Richtwert für die Dimension des Fallrohrs (ohne Richtungs- änderungen im Fallrohr) bei fabrik-gefertigten "
         "Einhangstutzen. Er richtet sich nach dem Zuschnitt der halbrunden Normrinne und dem Abfluss des "
         "Fallrohrs; ´nicht mögl.´ heißt: für diesen Abfluss gibt es keinen passenden Einhangstutzen."},
        {{"Command12", "Command13"}, 120, 1500,
         "Hier kann die Breite der Kasterinne stufenweise vergrößert oder verkleinert werden, um auf ein "
         "praktikables Maß zu kommen. Die Höhe wird dabei neu berechnet."},
        {{"Label78", "Text2"}, 120, 1000,
         "Geben Sie hier die Rinnebreite in mm ein. Bei trapezförmigen Rinnen die untere Breite, bei "
         "dreieckigen Rinnen 1 mm (nicht 0)."},
        {{"Text3", "Text4", "Label79"}, 120, 800,
         "Außenwinkel links bzw. rechts. Er gibt an, wieviel die Rinne gekantet wird und entspricht der "
         "Dachneigung."},
        {{"Text5", "Label46"}, 120, 2000,
         "Einbauten im Wasserlauf (z.B. Laufbohlen, Laubfangkörbe u.ä.) vermindern die Leistung der Rinne. "
         "Geben Sie ihre Querschnittsfläche in cm² an. Sie wird doppelt angesetzt vom Querschnitt "
         "innenliegender Rinnen und vorgehängter Rinnen nach Bedarf abgezogen; die Normgrößen bleiben "
         "unverändert."},
        {{"Picture29", "Picture30", "Picture31", "Picture32"}, 120, 4300,
         "A Fallrohr: Durchmesser D des Fallrohrs in mm, bemessen für den Abfluss der beiden zugehörigen "
         "Teilstrecken (mit Trichter, Füllungsgrad 0.33).\n"
         "B Rinnenauslass: der verfügbare Druck ist die Wasserhöhe in mm, die beim Berechnungsregen über dem "
         "Ablauf in der Rinne steht; mit ihr wird der Ablauf bemessen.\n"
         "C Trichtermaße: Durchmesser oben und Höhe eines runden Trichters bzw. Länge und Breite (L, T) eines "
         "rechteckigen Trichters; ´nicht mögl.´ heißt, die Form passt nicht in die Rinne.\n"
         "D Rinnenkasten: ob ein Ablaufkasten über die ganze Rinnenbreite möglich ist."},
        {{"Picture34"}, 120, 2000,
         "Der Rinnenquerschnitt wird am Rinnenende nicht ganz verschlossen, sondern erhält ein ´Kopfstück´. "
         "Angegeben ist die Höhe des Kopfstücks (bzw. die Montagehöhe des Notüberlaufs über der Sohle), damit "
         "der Jahrhundertregen über die Stirnseite abfließen kann, dazu der Notabfluss und der verfügbare "
         "Druck."},
        {{"Picture35"}, 120, 5000,
         "A)  Anzahl der Notüberläufe an der Längsseite bzw. die Anzahl der Gullies in der Rinne.\n"
         "B)  Breite und lichte Höhe eines rechteckigen Notüberlaufs in mm.\n"
         "C)  Durchmesser eines runden Notüberlaufs (Rohr); über 300 mm nicht möglich.\n"
         "D)  Notabfluss: die Wassermenge in l/s, die jeder Notüberlauf abführen muss.\n"
         "E)  Verfügbarer Druck: die Wasserhöhe in mm über der Unterkante des Notüberlaufs.\n"
         "F)  Montagehöhe: Höhe der Unterkante des Notüberlaufs über der Rinnensohle; darunter fließt der "
         "Berechnungsregen über die Abläufe ab. Eine Korrektur der Rinnenhöhe wird dazu angegeben."},
        {{"Picture27"}, 120, 1500,
         "Rinnenmaße für innenliegende Rinnen. Angegeben sind obere Breite, Höhe und Zuschnitt der Rinne. "
         "Die Maße hier gelten beim Notüberlauf ins Freie über die Rinnenlängsseite oder Gullies."},
        {{"Picture26", "Picture25"}, 120, 1500,
         "Rinnenmaße für innenliegende Rinnen. Angegeben sind obere Breite, Höhe und Zuschnitt der Rinne. "
         "Die Maße hier gelten, wenn der Notüberlauf über eine bzw. beide Stirnseiten der Rinne erfolgt."},
        {{"Frame5"}, 120, 2500,
         "Die Schriftgröße ist auf 10 Pixel voreingestellt; Änderung ist zwischen 8 und 12 Pixel möglich. "
         "Druckt Ihr Drucker die Zeichnungen versetzt, verschieben Sie sie hier waagerecht bzw. senkrecht "
         "(in mm, je höchstens ±5 mm; eine Zeichnung bleibt dabei immer zwischen ihren Textzeilen). "
         "´übernehmen´ speichert die Werte für die nächsten Ausdrucke."},
    };
}

}  // namespace

const std::vector<Hilfe_Eintrag>& Hilfe_Eintraege() {
    static const std::vector<Hilfe_Eintrag> eintraege = tabelle();
    return eintraege;
}

const Hilfe_Eintrag* Hilfe_fuer(std::string_view steuerelement) {
    static const std::unordered_map<std::string_view, const Hilfe_Eintrag*> nach_name = [] {
        std::unordered_map<std::string_view, const Hilfe_Eintrag*> m;
        for (const Hilfe_Eintrag& e : Hilfe_Eintraege())
            for (std::string_view s : e.steuerelemente) m.emplace(s, &e);
        return m;
    }();
    const auto it = nach_name.find(steuerelement);
    return it == nach_name.end() ? nullptr : it->second;
}

const std::vector<std::string_view>& Hilfe_Panels() {
    static const std::vector<std::string_view> panels = {
        "Frame2", "frame3", "Rinnen_innenliegend", "Frame4", "Rinne_vorgeh_einzel", "Rinnenvorgaben",
        "Frame7", "Frame8", "Frame6"};
    return panels;
}

}  // namespace dkm

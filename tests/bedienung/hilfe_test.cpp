// The help table: every control the help lists, with the box's top, height and the text's beginning.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "bedienung/bedienung.h"
#include "calc/traufe_hilfen.h"
#include "model/hilfe.h"

using namespace dkm;

namespace {

struct Erwartet {
    const char* steuerelement;
    int top, hoehe;
    const char* anfang;
};

// Control, top and height in twips and the exact beginning of the text, one row per entry of the help table.
const Erwartet Tabelle[] = {
        {"Label7", 1000, 1200, "Wert in l/(s*ha) für einen Regen mit einer Dauer von 5 Minuten, der alle fünf Jahre einmal vorkommt."},
        {"Label8", 1000, 1200, "Wert in l/(s*ha) für einen Jahrhundert-Regen mit 5 Minuten Dauer."},
        {"Label10", 1000, 1200, "Berechnungsregenspende einiger Städte in Deutschland."},
        {"Label12", 1000, 800, "Sie können hier für maximal fünf Orte, die Sie häufig brauchen, eigene Werte vorgeben und aufrufen."},
        {"Label13", 120, 2000, "Geben Sie hier die Berechnungsregenspende und die Regenspende des Jahrhundertregens für die Orte ein, die Sie häufiger benötigen."},
        {"Label15", 120, 1800, "Geben Sie hier die gesamte Länge der Rinne ein (nur möglich, bei ´Eingabe von Gesamtmaßen´)."},
        {"Label16", 120, 1200, "Bei Eingabe von ´Gesamtmaßen´ wird mit der Anzahl der Abflüsse die gesamte Rinnenlänge auf die Teilstrecken gleichmäßig verteilt."},
        {"Label17", 120, 1000, "Wählen Sie hier, wie die (über die Rinne gleichmäßig verteilten) Abläufe in der Rinne angeordnet sind."},
        {"Label18", 120, 1400, "Geben Sie hier die Dachgrundfäche des gesamten Daches an, das von der Rinne entwässert wird"},
        {"Label21", 120, 1400, "Bei innenliegenden Rinnen wird zur Bestimmung der Rinnengröße "},
        {"Label29", 1000, 800, "Wählen Sie hier den Abflußbeiwerte nach DIN 1986-100 (Auszug aus Tabelle 9 der DIN)."},
        {"Option3", 120, 1100, "Bei innenliegenden Rinnen ist immer ein Notüberlauf vorzusehen. Wählen Sie diese Möglichkeit, wenn der Notüberlauf über beide Rinnenstirnseiten ins Freie möglich ist."},
        {"Option4", 120, 1100, "Bei innenliegenden Rinnen ist immer ein Notüberlauf vorzusehen. Wählen Sie diese Möglichkeit, wenn der Notüberlauf nur an einer Stirnseite ins Freie möglich ist."},
        {"Option5", 120, 1700, "Bei innenliegenden Rinnen ist immer ein Notüberlauf vorzusehen. Wählen Sie diese Möglichkeit, wenn"},
        {"Label33", 120, 2100, "Bei innenliegenden Rinnen ist immer ein Notüberlauf vorzusehen."},
        {"Command11", 120, 2200, "Es wird ein Fenster geöffnet, in dem die Breite der Notüberläufe in der Rinnen-Längsseite geändert werden kann."},
        {"Label11", 120, 2000, "Geben Sie hier jeweils die Länge einer Teilstrecken der Rinne (in Meter) ein und zwar immer vom Hochpunkt bis zum Abfluss."},
        {"Label24", 120, 1700, "Das Maß für die Dach-Breite (eigentlich die Tiefe) ist die ´horizontale Projektion´ des Dachs"},
        {"Label25", 120, 1500, "Geben Sie hier die Fläche in m² an, die (ev. zusätzlich) zu diesem Rinnenteil entwässert wird;"},
        {"Label77", 120, 2000, "Markieren Sie dieses Kästchen, wenn in der entsprechenden Teilstrecke ein Rinnenwinkel mit einer Richtungsänderung größer als 10° eingebaut ist."},
        {"Check_Schutzkorb", 120, 2300, "Wenn dieses Kästchen markiert ist, wird - entsprechend DIN EN "},
        {"Label14", 120, 2300, "Entsprechend DIN EN 12056-3 wird nur bei vorgehängten, halbrunden Rinnen die Laubfangvorrichung berücksichtigt."},
        {"Label9", 120, 1800, "Wenn statistische Angaben zur Regenspende vorliegen"},
        {"Picture3", 120, 1500, "Abmessung der halbrunden Rinne nach der (zurückgezogenen deutschen) DIN 18461 (Richtgröße, entspricht dem Zuschnitt)."},
        {"Picture1", 120, 1200, "Durchmesser einer halbrunden Rinne, die nach den hier vorliegenden Erfordernissen angefertigt werden kann."},
        {"Picture4", 120, 1500, "Abmessung der Kastenrinne nach der (zurückgezogegnen deutschen) DIN 18461 (Richtgröße, entspricht dem Zuschnitt)."},
        {"Picture2", 120, 1200, "Maße für eine Kastenrinne, die nach den hier vorliegenden Erfordernissen angefertigt werden kann (auch für größere Kastenrinnen)."},
        {"Option10", 120, 1600, "Maßeingabe von Einzelmaßen:"},
        {"Option11", 120, 1900, "Maßeingabe von Gesamtmaßen:"},
        {"Option1", 120, 1500, "Wählen Sie diese Option bei vorgehängten, außenliegenden Rinnen aber auch bei eingebauten Rinnen,"},
        {"Option2", 120, 1700, "Wählen Sie diese Option bei innenliegenden Rinnen. Hier sind immer Notüberläufe ins Freie einzuplanen."},
        {"Command17", 120, 1200, "Bei vielen Positionen auf demMonitor wird automatisch eine Hilfe angezeigt, wenn der Cursor darauf steht."},
        {"Command19", 120, 1800, "Die Druckausgabe entspricht der Druckvorschau."},
        {"Picture13", 120, 2300, "Fallrohr-Dimension (ohne Richtungsänderungen im Fallrohr) bei Füllungsgrad des Fallrohrs von 0.33 und ´freiem Auslauf der Rinne´"},
        {"Picture14", 120, 1400, "Fallrohr-Dimension (ohne Richtungsänderungen im Fallrohr), wenn der Rinnenstutzen mit dem Durchmesser des Fallrohrs an der Rinne angebracht wird"},
        {"Picture21", 120, 2100, "Richtwert für die Dimension des Fallrohrs (ohne Richtungs- änderungen im Fallrohr) bei fabrik-gefertigten Einhangstutzen."},
        {"Command12", 120, 1500, "Hier kann die Breite der Kasterinne stufenweise vergrößert oder verkleinert werden, um auf ein praktikables Maß zu kommen."},
        {"Label78", 120, 1000, "Geben Sie hier die Rinnebreite in mm ein. Bei trapezförmigen Rinnen die untere Breite, bei dreieckigen Rinnen 1 mm (nicht 0)."},
        {"Text3", 120, 800, "Außenwinkel links bzw. rechts. Er gibt an, wieviel die Rinne gekantet wird und entspricht der Dachneigung."},
        {"Text5", 120, 2000, "Einbauten im Wasserlauf (z.B. Laufbohlen, Laubfangkörbe u.ä.) vermindern die Leistung der Rinne."},
        {"Picture29", 120, 4300, "A Fallrohr:"},
        {"Picture34", 120, 2000, "Der Rinnenquerschnitt wird am Rinnenende nicht ganz verschlossen, sondern erhält ein ´Kopfstück´."},
        {"Picture35", 120, 5000, "A)  Anzahl der Notüberläufe an der Längsseite bzw. die Anzahl der Gullies in der Rinne."},
        {"Picture27", 120, 1500, "Rinnenmaße für innenliegende Rinnen."},
        {"Picture26", 120, 1500, "Rinnenmaße für innenliegende Rinnen."},
        {"Frame5", 120, 2500, "Die Schriftgröße ist auf 10 Pixel voreingestellt; Änderung ist zwischen 8 und 12 Pixel möglich."},
};

}  // namespace

TEST(Hilfe, JederEintragBeginntWieVorgegeben) {
    std::set<const Hilfe_Eintrag*> gefunden;
    for (const Erwartet& e : Tabelle) {
        const Hilfe_Eintrag* h = Hilfe_fuer(e.steuerelement);
        ASSERT_NE(h, nullptr) << e.steuerelement;
        EXPECT_EQ(h->top_twips, e.top) << e.steuerelement;
        EXPECT_EQ(h->hoehe_twips, e.hoehe) << e.steuerelement;
        EXPECT_EQ(h->text.substr(0, std::string_view(e.anfang).size()), e.anfang) << e.steuerelement;
        gefunden.insert(h);
    }
    EXPECT_EQ(gefunden.size(), Hilfe_Eintraege().size()) << "no entry without its row";
}

TEST(Hilfe, GruppenTeilenIhrenEintrag) {
    // the corner boxes of TS 6 to 8 explain as those of TS 1 to 5 do
    for (const char* c : {"Check5", "Check6", "Check8", "Label77"}) EXPECT_EQ(Hilfe_fuer(c), Hilfe_fuer("Check1")) << c;
    EXPECT_EQ(Hilfe_fuer("Picture20"), Hilfe_fuer("Label65"));
    EXPECT_EQ(Hilfe_fuer("Picture32"), Hilfe_fuer("Picture29"));
    EXPECT_EQ(Hilfe_fuer("Picture25"), Hilfe_fuer("Picture26"));
    EXPECT_NE(Hilfe_fuer("Picture25"), Hilfe_fuer("Picture27"));
    EXPECT_EQ(Hilfe_fuer("Laenge_1"), nullptr);
    EXPECT_EQ(Hilfe_fuer("Frame2"), nullptr) << "a panel hides the box";
}

TEST(Hilfe, HoverUndSchalter) {
    Formular f = test::Startformular();
    EXPECT_TRUE(Hilfe_Hover(f, "Option3"));
    EXPECT_TRUE(f[V::Hilfe_Text]);
    EXPECT_EQ(f.Hilfe_hoehe_twips, 1100);
    EXPECT_TRUE(Hilfe_Hover(f, "Option5"));
    EXPECT_EQ(f.Hilfe_hoehe_twips, 1700);
    EXPECT_TRUE(f[V::Hilfe_Text]) << "from one control to the next the box stays";
    Hilfe_Panel_Hover(f);
    EXPECT_FALSE(f[V::Hilfe_Text]);
    EXPECT_FALSE(Hilfe_Hover(f, "Laenge_1"));
    EXPECT_FALSE(f[V::Hilfe_Text]) << "a control without help changes nothing";

    Command17_Click(f);  // off
    EXPECT_TRUE(Hilfe_Hover(f, "Label7"));
    EXPECT_FALSE(f[V::Hilfe_Text]);
    EXPECT_EQ(f.Hilfe_top_twips, 1000);
    EXPECT_EQ(f.Hilfe_Text.rfind("Wert in l/(s*ha) für einen Regen", 0), 0u) << "the text follows all the same";
    Command17_Click(f);  // on: shown at the next hover
    EXPECT_FALSE(f[V::Hilfe_Text]);
    Hilfe_Hover(f, "Label8");
    EXPECT_TRUE(f[V::Hilfe_Text]);
}

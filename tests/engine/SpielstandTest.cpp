#include "Attrappen.h"

#include "Spielstand.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

const Meldung Abbrechen{"Spiel abbrechen", "Aktuelles Spiel abbrechen?", Knoepfe::JaNein, Symbol::Frage};
const Meldung Neustart{"Neustart", "Neues Spiel?", Knoepfe::JaNein, Symbol::Frage};

// Vergleicht Stück für Stück, damit ein Fehler sagt, welches Steuerelement abweicht.
void GleicheAnzeige(const Anzeige& erwartet, const Anzeige& ist)
{
    EXPECT_EQ(ist.txtWuerfel, erwartet.txtWuerfel);
    for (std::size_t index = 0; index < 5; ++index) {
        EXPECT_EQ(ist.imgWuerfel[index].datei, erwartet.imgWuerfel[index].datei) << "Würfel " << index;
        EXPECT_EQ(ist.imgWuerfel[index].rahmen, erwartet.imgWuerfel[index].rahmen) << "Würfel " << index;
    }
    EXPECT_EQ(ist.lblInfo, erwartet.lblInfo);
    EXPECT_EQ(ist.lblRunde, erwartet.lblRunde);
    EXPECT_EQ(ist.lblWurf, erwartet.lblWurf);
    EXPECT_EQ(ist.cmdWuerfelnAktiv, erwartet.cmdWuerfelnAktiv);
    EXPECT_EQ(ist.stbAnzeigeText, erwartet.stbAnzeigeText);
    const auto& a = erwartet.mfgPunktanzeige;
    const auto& b = ist.mfgPunktanzeige;
    ASSERT_EQ(b.Zeilen(), a.Zeilen());
    ASSERT_EQ(b.Spalten(), a.Spalten());
    for (int zeile = 0; zeile < a.Zeilen(); ++zeile) {
        for (int spalte = 0; spalte < a.Spalten(); ++spalte) {
            const auto& x = a.ZelleAn(zeile, spalte);
            const auto& y = b.ZelleAn(zeile, spalte);
            EXPECT_EQ(y.text, x.text) << "Zelle " << zeile << "/" << spalte;
            EXPECT_EQ(y.farbe, x.farbe) << "Zelle " << zeile << "/" << spalte;
            EXPECT_EQ(y.durchgestrichen, x.durchgestrichen) << "Zelle " << zeile << "/" << spalte;
        }
    }
    EXPECT_EQ(b.Zeile(), a.Zeile());
    EXPECT_EQ(b.Spalte(), a.Spalte());
    EXPECT_EQ(b.Format(), a.Format());
    EXPECT_EQ(b.Spaltenbreite(1), a.Spaltenbreite(1));
    EXPECT_TRUE(ist == erwartet);  // und was sonst noch zur Anzeige gehört
}

// Alles, was ein geladenes Spiel wieder genauso zeigen und weiterspielen muss.
void GleichesSpiel(const basTarvoll& erwartet, const basTarvoll& ist)
{
    GleicheAnzeige(erwartet.frmTarvoll, ist.frmTarvoll);
    EXPECT_EQ(ist.intRunde, erwartet.intRunde);
    EXPECT_EQ(ist.intWurf, erwartet.intWurf);
    EXPECT_EQ(ist.blnGewuerfelt, erwartet.blnGewuerfelt);
    EXPECT_EQ(ist.blnGewertet, erwartet.blnGewertet);
    EXPECT_EQ(ist.intHaltewert, erwartet.intHaltewert);
    EXPECT_EQ(ist.blnHalten, erwartet.blnHalten);
    EXPECT_EQ(ist.bytAnzahlSpieler, erwartet.bytAnzahlSpieler);
    EXPECT_EQ(ist.strSpielername, erwartet.strSpielername);
}

// --- Spielstufen, an denen gespeichert wird ---

void VorDemErstenWurf(Spieltisch& tisch) { tisch.spiel.frmTarvoll_cmdNeu_Click(); }

void MitGehaltenenWuerfeln(Spieltisch& tisch)
{
    auto& spiel = tisch.spiel;
    spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({5, 4, 3, 2, 1});
    tisch.Klicken(14);  // Große Straße: 40
    tisch.Werfen({6, 6, 2, 3, 6});
    spiel.frmTarvoll_imgWuerfel_Click(2);
    spiel.frmTarvoll_imgWuerfel_Click(3);
    spiel.frmTarvoll_imgWuerfel_Click(4);
    tisch.Werfen({1, 6});
    spiel.frmTarvoll_imgWuerfel_Click(0);
    spiel.frmTarvoll_imgWuerfel_Click(0);  // wieder frei
}

void NachGestrichenerZeile(Spieltisch& tisch)
{
    auto& spiel = tisch.spiel;
    // wie der Spielerdialog mit "OK"
    spiel.strSpielername[1] = "Jörg|;<>";
    spiel.strSpielername[3] = "";
    spiel.bytAnzahlSpieler = 3;
    spiel.KopfzeileSetzen();
    spiel.frmTarvoll.mfgPunktanzeige.SpaltenbreiteSetzen(1, basTarvoll::BreiteSpielspalte);
    spiel.frmTarvoll_cmdNeu_Click();
    for (const int zeile : {6, 5, 4, 3}) {  // 24 + 20 + 16 + 12 = 72: mit Bonus
        tisch.Werfen({zeile, zeile, zeile, zeile, 1});
        tisch.Klicken(zeile);
    }
    tisch.Werfen({2, 3, 3, 5, 6});
    tisch.Werfen({2, 3, 3, 5, 6});
    tisch.Klicken(15);  // kein Tarvoll: gestrichen
}

// Oben genau 63 Punkte: der Bonus gilt gerade eben.
void Spielende(Spieltisch& tisch)
{
    tisch.spiel.bytAnzahlSpieler = 2;
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    for (const int zeile : {1, 2, 3, 4, 5, 6}) {
        tisch.Werfen({zeile, zeile, zeile, zeile % 6 + 1, zeile % 6 + 1});
        tisch.Klicken(zeile);
    }
    for (const int zeile : {10, 11, 12, 13, 14, 15, 16}) {
        tisch.Werfen({1, 2, 3, 4, 5});
        tisch.Werfen({1, 2, 3, 4, 5});
        tisch.Werfen({1, 2, 3, 4, 5});
        tisch.Klicken(zeile);
    }
}

// Im Debug-Modus stehen beliebige Texte in den Würfeln: negative Punkte, Haltewert 0,
// Bilder, die es nicht gibt, und Bilder, die nicht zum Text passen.
void MitDebugWerten(Spieltisch& tisch)
{
    auto& spiel = tisch.spiel;
    spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({1, 1, 1, 1, 1});
    spiel.frmTarvoll.txtWuerfel = {"-20", "-20", "-20", "-20", "-20"};
    tisch.Klicken(16);  // Chance: -100
    tisch.Werfen({1, 2, 3, 4, 5});
    spiel.frmTarvoll.txtWuerfel = {"7", "abc", "2.5", " 3", "99999"};
    for (std::int16_t index = 0; index <= 2; ++index) {
        spiel.frmTarvoll_imgWuerfel_Click(index);
    }
    spiel.frmTarvoll.txtWuerfel[3] = "6";  // Bild 4 zeigt weiter die 4
}

struct Stufe {
    const char* name;
    void (*spielen)(Spieltisch&);
    const char* kommandozeile = "";
};

void PrintTo(const Stufe& stufe, std::ostream* aus) { *aus << stufe.name; }

const Stufe Stufen[] = {
    {"VorDemErstenWurf", VorDemErstenWurf},
    {"MitGehaltenenWuerfeln", MitGehaltenenWuerfeln},
    {"NachGestrichenerZeile", NachGestrichenerZeile},
    {"Spielende", Spielende},
    {"MitDebugWerten", MitDebugWerten, "debug"},
};

class RundreiseTest : public testing::TestWithParam<Stufe> {};

TEST_P(RundreiseTest, GeladenesSpielZeigtUndSpieltSichWieDasGespeicherte)
{
    Spieltisch quelle(GetParam().kommandozeile);
    GetParam().spielen(quelle);
    const auto stand = quelle.spiel.SpielstandGeben();
    ASSERT_EQ(SpielstandPruefen(stand), std::nullopt);

    Spieltisch ziel(GetParam().kommandozeile);
    const auto meldungenVorher = ziel.meldungen.gezeigt.size();
    ASSERT_TRUE(ziel.spiel.SpielstandUebernehmen(stand));
    EXPECT_EQ(ziel.meldungen.gezeigt.size(), meldungenVorher);  // nichts zu verlieren: keine Frage
    GleichesSpiel(quelle.spiel, ziel.spiel);
    EXPECT_EQ(ziel.spiel.SpielstandGeben(), stand);

    // Beide spielen gleich weiter, bis ins nächste Spiel hinein.
    const auto schritt = [&](const std::function<void(Spieltisch&)>& aktion) {
        aktion(quelle);
        aktion(ziel);
        GleichesSpiel(quelle.spiel, ziel.spiel);
    };
    for (int zug = 0; zug < 40 && !testing::Test::HasFailure(); ++zug) {
        const int zeile = (zug * 7) % 18;
        schritt([&](Spieltisch& t) { t.spiel.frmTarvoll_imgWuerfel_Click(static_cast<std::int16_t>(zug % 5)); });
        schritt([&](Spieltisch& t) { t.Werfen({zug % 6 + 1, 3, 3, zug % 4 + 2, 6}); });
        schritt([&](Spieltisch& t) { t.Klicken(zeile); });
    }
    schritt([](Spieltisch& t) { t.spiel.frmTarvoll_cmdNeu_Click(); });
    schritt([](Spieltisch& t) { t.Werfen({2, 2, 2, 5, 5}); });
    schritt([](Spieltisch& t) { t.Klicken(12); });
    EXPECT_EQ(quelle.spiel.frmTarvoll.mfgPunktanzeige.ZelleAn(12, 1).text, "25");
}

INSTANTIATE_TEST_SUITE_P(Stufen, RundreiseTest, testing::ValuesIn(Stufen),
                         [](const auto& fall) { return std::string(fall.param.name); });

TEST(SpielstandTest, DebugWerteBleibenErhalten)
{
    Spieltisch tisch("debug");
    MitDebugWerten(tisch);
    const auto stand = tisch.spiel.SpielstandGeben();
    EXPECT_EQ(stand.spielspalte[16].text, "-100");
    EXPECT_EQ(stand.spielspalte[17].text, "-100");
    EXPECT_EQ(stand.intHaltewert[2], 0);
    EXPECT_TRUE(stand.blnHalten[2]);
    EXPECT_EQ(stand.imgWuerfel[2].datei, "12.5.JPG");
    EXPECT_EQ(stand.imgWuerfel[3].datei, "4.JPG");
    EXPECT_EQ(stand.txtWuerfel[3], "6");
    EXPECT_EQ(SpielstandPruefen(stand), std::nullopt);
}

// --- Laden in ein laufendes Spiel ---

class LadenTest : public testing::Test {
protected:
    Spieltisch quelle;
    Spieltisch ziel;
    Spielstand stand;

    void SetUp() override
    {
        NachGestrichenerZeile(quelle);
        stand = quelle.spiel.SpielstandGeben();
    }
};

TEST_F(LadenTest, WaehrendEinesSpielsFragtEsUndNeinLaesstAllesWieEsWar)
{
    MitGehaltenenWuerfeln(ziel);
    const auto vorher = ziel.spiel.SpielstandGeben();
    const auto anzeigeVorher = ziel.spiel.frmTarvoll;
    ziel.meldungen.antworten = {Antwort::Nein};
    EXPECT_FALSE(ziel.spiel.SpielstandUebernehmen(stand));
    EXPECT_EQ(ziel.meldungen.gezeigt, std::vector<Meldung>{Abbrechen});
    GleicheAnzeige(anzeigeVorher, ziel.spiel.frmTarvoll);
    EXPECT_EQ(ziel.spiel.SpielstandGeben(), vorher);

    EXPECT_TRUE(ziel.spiel.SpielstandUebernehmen(stand));
    EXPECT_EQ(ziel.meldungen.gezeigt, (std::vector<Meldung>{Abbrechen, Abbrechen}));
    GleichesSpiel(quelle.spiel, ziel.spiel);
}

TEST_F(LadenTest, NachSpielendeFragtEsNachNeustart)
{
    Spielende(ziel);
    ziel.meldungen.gezeigt.clear();
    EXPECT_TRUE(ziel.spiel.SpielstandUebernehmen(stand));
    EXPECT_EQ(ziel.meldungen.gezeigt, std::vector<Meldung>{Neustart});
    EXPECT_EQ(ziel.spiel.intRunde, 6);
}

TEST_F(LadenTest, EinmalGewuerfeltBleibtGewuerfelt)
{
    Spieltisch frisch;
    VorDemErstenWurf(frisch);
    const auto ohneWurf = frisch.spiel.SpielstandGeben();
    ASSERT_FALSE(ohneWurf.blnGewuerfelt);
    MitGehaltenenWuerfeln(ziel);
    ASSERT_TRUE(ziel.spiel.SpielstandUebernehmen(ohneWurf));
    EXPECT_TRUE(ziel.spiel.blnGewuerfelt);
    EXPECT_EQ(ziel.spiel.intRunde, 1);
    ziel.meldungen.gezeigt.clear();
    ziel.spiel.frmTarvoll_cmdNeu_Click();  // fragt also weiter
    EXPECT_EQ(ziel.meldungen.gezeigt, std::vector<Meldung>{Abbrechen});
}

TEST_F(LadenTest, VorDemErstenNeuenSpielSchaltetLadenDasSpielFrei)
{
    int meldungen = 0;
    ziel.spiel.AnzeigeGeaendert = [&] { ++meldungen; };
    const auto formatVorher = ziel.spiel.frmTarvoll.mfgPunktanzeige.Format();
    ASSERT_TRUE(ziel.spiel.SpielstandUebernehmen(stand));
    const auto& anzeige = ziel.spiel.frmTarvoll;
    EXPECT_TRUE(anzeige.cmdWuerfelnAktiv);
    EXPECT_EQ(anzeige.stbAnzeigeText, "Jörg|;<>");
    EXPECT_EQ(anzeige.mfgPunktanzeige.ZelleAn(0, 1), (Zelle{"Jörg|;<>", Blau, false}));
    EXPECT_EQ(anzeige.mfgPunktanzeige.Format(), formatVorher);  // der Name ist kein Format
    EXPECT_EQ(anzeige.mfgPunktanzeige.Zeilen(), 18);
    EXPECT_EQ(anzeige.mfgPunktanzeige.Spalten(), 2);
    EXPECT_EQ(anzeige.mfgPunktanzeige.Spaltenbreite(1), basTarvoll::BreiteSpielspalte);
    EXPECT_EQ(meldungen, 1);
    ziel.Werfen({4, 4, 4, 4, 4});
    EXPECT_EQ(ziel.spiel.intWurf, 1);
}

TEST_F(LadenTest, WiderspruechlicherStandWirdOhneFrageAbgelehnt)
{
    MitGehaltenenWuerfeln(ziel);
    const auto vorher = ziel.spiel.SpielstandGeben();
    const auto anzeigeVorher = ziel.spiel.frmTarvoll;
    stand.intWurf = 4;
    EXPECT_FALSE(ziel.spiel.SpielstandUebernehmen(stand));
    EXPECT_TRUE(ziel.meldungen.gezeigt.empty());
    GleicheAnzeige(anzeigeVorher, ziel.spiel.frmTarvoll);
    EXPECT_EQ(ziel.spiel.SpielstandGeben(), vorher);
}

// --- Widersprüche ---

enum class Basis { Anfang, Mitte, Ende };

struct Widerspruch {
    const char* name;
    Basis basis;
    std::function<void(Spielstand&)> aendern;
    const char* grund;  // ein Stück des erwarteten Grundes
};

void PrintTo(const Widerspruch& fall, std::ostream* aus) { *aus << fall.name; }

Spielstand Basisstand(Basis basis)
{
    Spieltisch tisch;
    switch (basis) {
    case Basis::Anfang:
        VorDemErstenWurf(tisch);
        break;
    case Basis::Mitte:  // Runde 6, zweiter Wurf, Würfel 3 bis 5 gehalten
        NachGestrichenerZeile(tisch);
        tisch.Werfen({1, 1, 4, 4, 4});
        tisch.Werfen({1, 1, 4, 4, 4});
        for (std::int16_t index = 2; index <= 4; ++index) {
            tisch.spiel.frmTarvoll_imgWuerfel_Click(index);
        }
        break;
    case Basis::Ende:
        Spielende(tisch);
        break;
    }
    return tisch.spiel.SpielstandGeben();
}

class WiderspruchTest : public testing::TestWithParam<Widerspruch> {};

TEST_P(WiderspruchTest, WirdMitGrundAbgelehnt)
{
    auto stand = Basisstand(GetParam().basis);
    ASSERT_EQ(SpielstandPruefen(stand), std::nullopt);
    GetParam().aendern(stand);
    const auto grund = SpielstandPruefen(stand);
    ASSERT_TRUE(grund.has_value());
    EXPECT_NE(grund->find(GetParam().grund), std::string::npos) << *grund;
}

const std::string Lang(Spielstand::HoechstLaenge + 1, 'x');

INSTANTIATE_TEST_SUITE_P(Faelle, WiderspruchTest, testing::Values(
    Widerspruch{"RundeNull", Basis::Anfang, [](Spielstand& s) { s.intRunde = 0; }, "Die Runde 0 liegt nicht"},
    Widerspruch{"RundeFuenfzehn", Basis::Ende, [](Spielstand& s) { s.intRunde = 15; }, "Die Runde 15 liegt nicht"},
    Widerspruch{"ZuVieleEintraege", Basis::Mitte, [](Spielstand& s) { s.blnGewertet[10] = true; },
                "In Runde 6 müssten 5 Kategorien eingetragen sein, es sind aber 6."},
    Widerspruch{"RundePasstNicht", Basis::Mitte, [](Spielstand& s) { s.intRunde = 5; }, "müssten 4"},
    Widerspruch{"SummeGewertet", Basis::Mitte, [](Spielstand& s) { s.blnGewertet[8] = true; }, "Zeile 8 („Bonus“)"},
    Widerspruch{"GesamtGewertet", Basis::Ende, [](Spielstand& s) { s.blnGewertet[9] = true; }, "Summenzeilen"},
    Widerspruch{"VierWuerfe", Basis::Mitte, [](Spielstand& s) { s.intWurf = 4; }, "Die Wurfzahl 4"},
    Widerspruch{"NegativeWuerfe", Basis::Anfang, [](Spielstand& s) { s.intWurf = -1; }, "Die Wurfzahl -1"},
    Widerspruch{"WurfNachSpielende", Basis::Ende, [](Spielstand& s) { s.intWurf = 1; }, "dreizehnten Runde"},
    Widerspruch{"WurfOhneGewuerfelt", Basis::Mitte, [](Spielstand& s) { s.blnGewuerfelt = false; },
                "Ein Wurf ist gezählt, obwohl noch nie"},
    Widerspruch{"EintragOhneGewuerfelt", Basis::Ende, [](Spielstand& s) { s.blnGewuerfelt = false; },
                "Kategorien eingetragen, obwohl noch nie"},
    Widerspruch{"KeinSpieler", Basis::Mitte, [](Spielstand& s) { s.bytAnzahlSpieler = 0; }, "Spielerzahl 0"},
    Widerspruch{"VierSpieler", Basis::Mitte, [](Spielstand& s) { s.bytAnzahlSpieler = 4; }, "Spielerzahl 4"},
    Widerspruch{"NameZuLang", Basis::Anfang, [](Spielstand& s) { s.strSpielername[2] = Lang; },
                "Der Name von Spieler 2 ist länger als 1000 Zeichen"},
    Widerspruch{"NameUngueltigesByte", Basis::Anfang, [](Spielstand& s) { s.strSpielername[1] = "A\xff"; },
                "Spieler 1 ist kein gültiger UTF-8-Text"},
    Widerspruch{"NameUeberlang", Basis::Anfang, [](Spielstand& s) { s.strSpielername[3] = "\xc0\xaf"; }, "UTF-8"},
    Widerspruch{"NameErsatzzeichen", Basis::Anfang, [](Spielstand& s) { s.strSpielername[3] = "\xed\xa0\x80"; },
                "UTF-8"},
    Widerspruch{"NameAbgeschnitten", Basis::Anfang, [](Spielstand& s) { s.strSpielername[3] = "J\xc3"; }, "UTF-8"},
    Widerspruch{"NameUeberUnicode", Basis::Anfang, [](Spielstand& s) { s.strSpielername[3] = "\xf4\x90\x80\x80"; },
                "UTF-8"},
    Widerspruch{"WuerfeltextZuLang", Basis::Mitte, [](Spielstand& s) { s.txtWuerfel[0] = Lang; },
                "Der Text von Würfel 1 ist länger"},
    Widerspruch{"InfozeileZuLang", Basis::Ende, [](Spielstand& s) { s.lblInfo = std::string(1101, 'i'); },
                "Die Infozeile ist länger als 1100"},
    Widerspruch{"GehaltenOhneWurf", Basis::Anfang,
                [](Spielstand& s) {
                    s.blnHalten[1] = true;
                    s.intHaltewert[1] = 3;
                    s.imgWuerfel[0] = {"13.JPG", true};
                },
                "Würfel 1 ist gehalten, obwohl"},
    Widerspruch{"GehaltenOhneRahmen", Basis::Mitte, [](Spielstand& s) { s.imgWuerfel[3].rahmen = false; },
                "Würfel 4 ist gehalten, hat aber keinen Rahmen"},
    Widerspruch{"FreiMitHaltewert", Basis::Mitte, [](Spielstand& s) { s.intHaltewert[1] = 1; },
                "Würfel 1 ist nicht gehalten, hat aber den Haltewert 1"},
    Widerspruch{"FreiMitRahmen", Basis::Mitte, [](Spielstand& s) { s.imgWuerfel[1].rahmen = true; },
                "Würfel 2 ist nicht gehalten, hat aber einen Rahmen"},
    Widerspruch{"BildOhneWurf", Basis::Anfang, [](Spielstand& s) { s.imgWuerfel[4].datei = "5.JPG"; },
                "Würfel 5 zeigt kein leeres Bild"},
    Widerspruch{"BildAlsPfad", Basis::Mitte, [](Spielstand& s) { s.imgWuerfel[0].datei = "../../geheim/1.JPG"; },
                "kein Name eines Würfelbilds"},
    Widerspruch{"BildKleineEndung", Basis::Mitte, [](Spielstand& s) { s.imgWuerfel[0].datei = "1.jpg"; },
                "Würfelbilds"},
    Widerspruch{"BildOhneZahl", Basis::Mitte, [](Spielstand& s) { s.imgWuerfel[0].datei = ".JPG"; }, "Würfelbilds"},
    Widerspruch{"BildZweiPunkte", Basis::Mitte, [](Spielstand& s) { s.imgWuerfel[0].datei = "1..JPG"; }, "Würfelbilds"},
    Widerspruch{"BildMitLeerzeichen", Basis::Mitte, [](Spielstand& s) { s.imgWuerfel[0].datei = " 1.JPG"; },
                "Würfelbilds"},
    Widerspruch{"EingetragenLeer", Basis::Mitte, [](Spielstand& s) { s.spielspalte[4] = Zelle{}; },
                "Zeile 4 („Vierer“) ist eingetragen"},
    Widerspruch{"PunkteNichtGruen", Basis::Mitte, [](Spielstand& s) { s.spielspalte[6].farbe = Rot; },
                "weder grüne Punkte noch einen Strich"},
    Widerspruch{"PunkteDurchgestrichen", Basis::Mitte, [](Spielstand& s) { s.spielspalte[6].durchgestrichen = true; },
                "Zeile 6"},
    Widerspruch{"PunkteMitLeerzeichen", Basis::Mitte, [](Spielstand& s) { s.spielspalte[6].text = " 24"; }, "Zeile 6"},
    Widerspruch{"PunkteMitNull", Basis::Mitte, [](Spielstand& s) { s.spielspalte[6].text = "024"; }, "Zeile 6"},
    Widerspruch{"PunkteKeineZahl", Basis::Mitte, [](Spielstand& s) { s.spielspalte[6].text = "viel"; }, "Zeile 6"},
    Widerspruch{"PunkteUeber16Bit", Basis::Mitte, [](Spielstand& s) { s.spielspalte[6].text = "40000"; }, "Zeile 6"},
    Widerspruch{"StrichZuKurz", Basis::Mitte, [](Spielstand& s) { s.spielspalte[15].text = std::string(15, ' '); },
                "Zeile 15"},
    Widerspruch{"StrichOhneStrich", Basis::Mitte, [](Spielstand& s) { s.spielspalte[15].durchgestrichen = false; },
                "Zeile 15"},
    Widerspruch{"StrichGruen", Basis::Mitte, [](Spielstand& s) { s.spielspalte[15].farbe = Gruen; }, "Zeile 15"},
    Widerspruch{"OffenMitText", Basis::Mitte, [](Spielstand& s) { s.spielspalte[1].text = "3"; },
                "Zeile 1 („Einer“) ist offen"},
    Widerspruch{"OffenMitFarbe", Basis::Anfang, [](Spielstand& s) { s.spielspalte[16].farbe = Gruen; },
                "Zeile 16 („Chance“) ist offen"},
    Widerspruch{"OffenGestrichen", Basis::Mitte, [](Spielstand& s) { s.spielspalte[2].durchgestrichen = true; },
                "Zeile 2"},
    Widerspruch{"SummeFalsch", Basis::Mitte, [](Spielstand& s) { s.spielspalte[7].text = "71"; },
                "Zeile 7 („Summe“) passt nicht"},
    Widerspruch{"BonusFehlt", Basis::Mitte, [](Spielstand& s) { s.spielspalte[8].text = "0"; }, "Zeile 8"},
    Widerspruch{"EndsummeNichtGruen", Basis::Ende, [](Spielstand& s) { s.spielspalte[17].farbe = Standardfarbe; },
                "Zeile 17"},
    Widerspruch{"PunkteOhneSumme", Basis::Ende,
                [](Spielstand& s) {
                    s.spielspalte[16].text = "16";  // die Summen rechnen mit 15
                },
                "Zeile 17"},
    Widerspruch{"SummeVorDemErstenEintrag", Basis::Anfang, [](Spielstand& s) { s.spielspalte[17] = {"0", Gruen}; },
                "Zeile 17"},
    Widerspruch{"ZelleUnterDemBlatt", Basis::Mitte, [](Spielstand& s) { s.aktuelleZeile = 18; },
                "Die aktuelle Zelle (Zeile 18, Spalte 1)"},
    Widerspruch{"ZelleNebenDemBlatt", Basis::Mitte, [](Spielstand& s) { s.aktuelleSpalte = 2; }, "aktuelle Zelle"},
    Widerspruch{"ZelleDarueber", Basis::Mitte, [](Spielstand& s) { s.aktuelleZeile = -1; }, "aktuelle Zelle"},
    Widerspruch{"RundenanzeigeFalsch", Basis::Mitte, [](Spielstand& s) { s.lblRunde = "5"; },
                "Rundenanzeige passt nicht zu Runde 6"},
    Widerspruch{"RundenanzeigeLeer", Basis::Mitte, [](Spielstand& s) { s.lblRunde.clear(); }, "Rundenanzeige"},
    Widerspruch{"RundenanzeigeVierzehn", Basis::Ende, [](Spielstand& s) { s.lblRunde = "14"; }, "Rundenanzeige"},
    Widerspruch{"WurfanzeigeLeer", Basis::Mitte, [](Spielstand& s) { s.lblWurf.clear(); },
                "Wurfanzeige passt nicht zu Wurf 2"},
    Widerspruch{"WurfanzeigeOhneWurf", Basis::Anfang, [](Spielstand& s) { s.lblWurf = "0"; }, "Wurfanzeige"}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(SpielstandTest, GrenzfaelleSindErlaubt)
{
    auto stand = Basisstand(Basis::Anfang);
    stand.lblRunde.clear();  // so steht es vor dem ersten neuen Spiel
    stand.strSpielername[1] = std::string(Spielstand::HoechstLaenge / 2, 'x') + [] {
        std::string umlaute;
        for (std::size_t i = 0; i < Spielstand::HoechstLaenge / 2; ++i) {
            umlaute += "ä";
        }
        return umlaute;
    }();
    stand.strSpielername[2] = "\xf0\x9f\x8e\xb2 \xef\xbf\xbf";  // Würfel-Emoji und U+FFFF
    stand.strSpielername[3] = std::string(1, '\0');
    stand.lblInfo = std::string(Spielstand::HoechstLaenge + 100, 'i');
    EXPECT_EQ(SpielstandPruefen(stand), std::nullopt);
}

// Was das Spiel auch tut, auch im Debug-Modus: jeder Stand ist stimmig und lässt sich
// verlustfrei in ein zweites Spiel übernehmen.
TEST(SpielstandTest, JederStandAusZufallsspielenIstStimmigUndUebertragbar)
{
    Spieltisch quelle("debug");
    Spieltisch ziel("debug");
    std::mt19937 wahl(1206);
    const auto zahl = [&](int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(wahl); };
    const std::array<const char*, 8> texte{"1", "6", "0", "7", "-3", "2.5", "abc", ""};

    quelle.spiel.frmTarvoll_cmdNeu_Click();
    for (int schritt = 0; schritt < 6000 && !testing::Test::HasFailure(); ++schritt) {
        const int aktion = zahl(0, 19);
        auto& spiel = quelle.spiel;
        if (aktion < 6) {
            quelle.zufall.augen = {zahl(1, 6), zahl(1, 6), zahl(1, 6), zahl(1, 6), zahl(1, 6)};
            spiel.frmTarvoll_cmdWuerfeln_Click();
        } else if (aktion < 11) {
            spiel.frmTarvoll_imgWuerfel_Click(static_cast<std::int16_t>(zahl(0, 4)));
        } else if (aktion < 17) {
            quelle.Klicken(zahl(0, 17), zahl(0, 1));
        } else if (aktion < 19) {
            spiel.frmTarvoll.txtWuerfel[static_cast<std::size_t>(zahl(0, 4))] =
                texte[static_cast<std::size_t>(zahl(0, 7))];
        } else if (spiel.intRunde == 14 || zahl(0, 9) == 0) {
            spiel.frmTarvoll_cmdNeu_Click();
        }
        const auto stand = spiel.SpielstandGeben();
        ASSERT_EQ(SpielstandPruefen(stand), std::nullopt) << "Schritt " << schritt;
        if (schritt % 7 == 0) {
            ASSERT_TRUE(ziel.spiel.SpielstandUebernehmen(stand));
            GleichesSpiel(spiel, ziel.spiel);
        }
    }
}

}  // namespace

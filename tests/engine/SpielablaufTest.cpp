#include "Attrappen.h"

#include "Debug.h"
#include "Spieler.h"
#include "Zufall.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Texte = std::array<std::string, 5>;

TEST(StartTest, KopfspalteFarbigUndWuerfelnAus)
{
    Spieltisch tisch;
    const auto& blatt = tisch.spiel.frmTarvoll.mfgPunktanzeige;
    std::vector<Farbe> koepfe;
    for (int zeile = 0; zeile < blatt.Zeilen(); ++zeile) {
        koepfe.push_back(blatt.ZelleAn(zeile, 0).farbe);
    }
    EXPECT_EQ(koepfe, (std::vector<Farbe>{Blau, 0, 0, 0, 0, 0, 0, Rot, Magenta, Rot, 0, 0, 0, 0, 0, 0, 0, Rot}));
    EXPECT_EQ(blatt.ZelleAn(0, 1), (Zelle{"Spieler 1", Blau, false}));
    EXPECT_FALSE(tisch.spiel.frmTarvoll.cmdWuerfelnAktiv);
}

TEST(StartTest, NurGenauDebugSchaltetDenDebugModusEin)
{
    for (const auto& [kommandozeile, debug] :
         {std::pair{"debug", true}, {"", false}, {"Debug", false}, {"debug x", false}, {" debug", false}}) {
        Spieltisch tisch(kommandozeile);
        EXPECT_EQ(tisch.spiel.frmTarvoll.mnuDebugSichtbar, debug) << kommandozeile;
        const Meldung hinweis{"Tarvoll", "Debug Modus!\r\nParameterliste: debug", Knoepfe::OK, Symbol::Keins};
        EXPECT_EQ(tisch.meldungen.gezeigt, std::vector<Meldung>(debug ? 1u : 0u, hinweis)) << kommandozeile;
    }
}

class SpielTest : public testing::Test {
protected:
    Spieltisch tisch;
    basTarvoll& spiel = tisch.spiel;

    void SetUp() override { spiel.frmTarvoll_cmdNeu_Click(); }
};

TEST_F(SpielTest, WuerfelnUndHalten)
{
    tisch.Werfen({5, 2, 6, 2, 1});
    EXPECT_EQ(tisch.Texte(), (Texte{"1", "2", "2", "5", "6"}));
    EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[4], (Wuerfelbild{"6.JPG", false}));
    EXPECT_EQ(tisch.zufall.mischungen, 5);  // vor jedem Würfel neu gemischt

    // Halten liest den Wert gerundet aus dem Text; das Bild nennt die Zahl, wie sie dasteht.
    spiel.frmTarvoll.txtWuerfel[1] = " 2.5";
    spiel.frmTarvoll_imgWuerfel_Click(1);
    spiel.frmTarvoll_imgWuerfel_Click(3);
    EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[1], (Wuerfelbild{"12.5.JPG", true}));

    tisch.Werfen({6, 6, 6, 6, 6});  // gehaltene behalten Wert und Bild
    EXPECT_EQ(tisch.Texte(), (Texte{"6", "2", "6", "5", "6"}));
    EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[3], (Wuerfelbild{"15.JPG", true}));

    spiel.frmTarvoll_imgWuerfel_Click(3);
    EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[3], (Wuerfelbild{"5.JPG", false}));

    tisch.Werfen({1, 1, 1, 1, 1});
    auto erwartet = spiel.frmTarvoll;
    erwartet.lblInfo = "Sie haben schon 3 Würfe getätigt!";
    tisch.Werfen({2, 2, 2, 2, 2});
    EXPECT_EQ(spiel.frmTarvoll, erwartet);
}

// Kopf- und Summenzeilen sind keine Kategorien: kein Eintrag, keine Vorschau. Ein Eintrag schließt
// die Runde; danach wirken Klicks erst nach dem nächsten Wurf, und die Zeile ist vergeben.
TEST_F(SpielTest, EintragSchliesstDieRunde)
{
    EXPECT_EQ(tisch.Vorschau(16), std::nullopt);  // vor dem ersten Wurf
    tisch.Werfen({6, 6, 6, 1, 2});
    for (const int zeile : {0, 7, 8, 9, 17}) {
        EXPECT_EQ(tisch.Vorschau(zeile), std::nullopt) << zeile;
        tisch.Klicken(zeile);
    }
    spiel.frmTarvoll_imgWuerfel_Click(3);
    spiel.frmTarvoll_imgWuerfel_Click(4);
    tisch.Klicken(6, 0);  // die Spalte zählt nicht, nur die Zeile
    EXPECT_EQ(tisch.Spielzelle(6).text, "18");
    auto erwartet = Spieltisch().spiel.SpielstandGeben();
    erwartet.intRunde = 2;
    erwartet.lblRunde = "2";
    erwartet.blnGewuerfelt = erwartet.blnGewertet[6] = true;
    erwartet.lblInfo = "Zum Würfeln auf <Würfeln> klicken!";
    erwartet.aktuelleZeile = 17;
    const auto stand = spiel.SpielstandGeben();
    erwartet.spielspalte = stand.spielspalte;
    erwartet.zuege = stand.zuege;
    EXPECT_EQ(stand, erwartet);  // Halten aufgehoben, Würfel leer, Wurf 0

    tisch.Klicken(16);
    spiel.frmTarvoll_imgWuerfel_Click(0);
    erwartet.aktuelleZeile = 16;
    EXPECT_EQ(spiel.SpielstandGeben(), erwartet);

    tisch.Werfen({6, 6, 6, 5, 5});
    spiel.frmTarvoll_imgWuerfel_Click(0);
    EXPECT_EQ(tisch.Vorschau(6), std::nullopt);
    erwartet = spiel.SpielstandGeben();
    erwartet.lblInfo = "Bereits gewertet!";
    erwartet.aktuelleZeile = 6;
    tisch.Klicken(6);
    EXPECT_EQ(spiel.SpielstandGeben(), erwartet);  // der Zug geht weiter
}

TEST_F(SpielTest, NeuesSpielFragtNachDemErstenWurfUndRaeumtAuf)
{
    tisch.Werfen({6, 6, 6, 2, 2});
    tisch.Klicken(13);  // gestrichen
    tisch.Werfen({6, 6, 6, 2, 2});
    spiel.frmTarvoll_imgWuerfel_Click(1);
    const auto stand = spiel.SpielstandGeben();
    tisch.meldungen.antworten = {Antwort::Nein};
    spiel.frmTarvoll_cmdNeu_Click();
    EXPECT_EQ(spiel.SpielstandGeben(), stand);

    spiel.frmTarvoll_cmdNeu_Click();
    Spieltisch frisch;
    frisch.spiel.frmTarvoll_cmdNeu_Click();
    auto erwartet = frisch.spiel.SpielstandGeben();
    erwartet.blnGewuerfelt = true;
    EXPECT_EQ(spiel.SpielstandGeben(), erwartet);
    EXPECT_EQ(spiel.frmTarvoll, frisch.spiel.frmTarvoll);
    spiel.frmTarvoll_cmdNeu_Click();  // fragt auch ohne Wurf im neuen Spiel
    EXPECT_EQ(tisch.meldungen.gezeigt, std::vector<Meldung>(3, Abbrechen));
}

// Das Ergebnis steht in der Infozeile, bei mehreren Spielern kommt genau eine Aufforderung an
// Spieler 2. Danach geht nur noch ein neues Spiel, nach einer eigenen Frage.
TEST(SpielendeTest, ErgebnisAufforderungUndNeustart)
{
    const Meldung aufforderung{"quorin TARVOLL", "Berta mit <<OK>> beginnt dein Spiel!", Knoepfe::OK, Symbol::Information};
    for (const int anzahl : {3, 2, 1}) {
        Spieltisch tisch;
        auto& spiel = tisch.spiel;
        spiel.bytAnzahlSpieler = static_cast<std::uint8_t>(anzahl);
        spiel.strSpielername[2] = "Berta";
        tisch.GanzesSpiel();
        EXPECT_EQ(tisch.meldungen.gezeigt, std::vector<Meldung>(anzahl == 1 ? 0u : 1u, aufforderung));
        EXPECT_EQ(spiel.frmTarvoll.lblInfo, "Spieler 1 hat 286 Punkte!");
        if (anzahl > 1) {
            continue;
        }
        auto erwartet = spiel.frmTarvoll;
        tisch.Werfen({1, 2, 3, 4, 5});
        erwartet.lblInfo = "Sie haben schon 13 Runden getätigt!";
        EXPECT_EQ(spiel.frmTarvoll, erwartet);
        spiel.intWurf = 3;  // die Wurfzahl wird vor der Runde geprüft
        tisch.Werfen({1, 1, 1, 1, 1});
        EXPECT_EQ(spiel.frmTarvoll.lblInfo, "Sie haben schon 3 Würfe getätigt!");
        tisch.meldungen.antworten = {Antwort::Nein, Antwort::Ja};
        spiel.frmTarvoll_cmdNeu_Click();
        EXPECT_EQ(spiel.intRunde, 14);
        spiel.frmTarvoll_cmdNeu_Click();
        EXPECT_EQ(spiel.intRunde, 1);
        EXPECT_EQ(tisch.meldungen.gezeigt,
                  std::vector<Meldung>(2, Meldung{"Neustart", "Neues Spiel?", Knoepfe::JaNein, Symbol::Frage}));
    }
}

// Eine Vorgabe schreibt nur die Würfeltexte: wirksam wird sie erst, wenn Halten oder Werten sie liest.
// Ein Wurf überschreibt die freien Würfel, gehaltene behalten ihren Wert.
TEST(DebugTest, VorgabeWirktErstBeimLesen)
{
    Spieltisch tisch("debug");
    auto& spiel = tisch.spiel;
    spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({5, 3, 4, 2, 2});
    spiel.frmTarvoll_imgWuerfel_Click(0);  // hält die geworfene 2
    int neuGezeichnet = 0;
    spiel.AnzeigeGeaendert = [&] { ++neuGezeichnet; };
    auto erwartet = spiel.SpielstandGeben();
    erwartet.txtWuerfel = {"4", "4", "4", "4", "1"};
    WuerfelVorgeben(spiel, "44441");
    EXPECT_EQ(spiel.SpielstandGeben(), erwartet);
    EXPECT_EQ(neuGezeichnet, 1);

    spiel.frmTarvoll_imgWuerfel_Click(4);  // hält die 1 der Vorgabe statt der geworfenen 5
    tisch.Werfen({3, 3, 3, 3, 3});
    EXPECT_EQ(tisch.Texte(), (Texte{"2", "3", "3", "3", "1"}));
}

// Namen stehen wörtlich über der Spielspalte, auch wenn sie wie Formatzeichen aussehen. Sonst bleibt alles, wie es war, samt Form und Breiten des Zettels.
TEST(SpielerTest, NamenStehenWoertlich)
{
    const std::array<std::string, 3> namen{"A|B;", "", "<Jörg 🎲 "};
    Spieltisch tisch;
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({5, 4, 3, 2, 1});
    tisch.Klicken(14);
    auto erwartet = tisch.spiel.SpielstandGeben();
    erwartet.bytAnzahlSpieler = 3;
    erwartet.strSpielername[1] = namen[0];
    erwartet.strSpielername[2] = namen[1];
    erwartet.strSpielername[3] = namen[2];
    auto blatt = tisch.spiel.frmTarvoll.mfgPunktanzeige;
    blatt.ZelleAn(0, 1).text = namen[0];
    SpielerUebernehmen(tisch.spiel, namen, 3);
    EXPECT_EQ(tisch.spiel.SpielstandGeben(), erwartet);
    EXPECT_TRUE(tisch.spiel.frmTarvoll.mfgPunktanzeige == blatt);
}

// Das Format setzt Kopfzeile, Kopfspalte und Ausrichtungen; Zelleninhalte bleiben stehen.
TEST(RasterTest, FormatBautKoepfeUndBehaeltZellen)
{
    Raster raster(3, 2);
    raster.AktuelleZelleSetzen(2, 1);
    raster.TextSetzen("25");
    raster.SpaltenbreiteSetzen(1, 850);
    raster.FormatSetzen("|<A |>B|C;Kopf|D|E|F");
    using enum Ausrichtung;
    const std::vector<std::tuple<std::string, std::string, Ausrichtung>> koepfe{
        {"Kopf", "Kopf", Standard}, {"A ", "D", Links}, {"B", "E", Rechts}, {"C", "F", Standard}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(std::tuple(raster.ZelleAn(0, i).text, raster.ZelleAn(i, 0).text, raster.SpaltenAusrichtung(i)),
                  koepfe[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(raster.ZelleAn(2, 1).text, "25");
    EXPECT_EQ(raster.Spaltenbreite(1), Raster::Automatisch);
    raster.FormatSetzen("|;X|Y");  // kleiner: die aktuelle Zelle rückt ins Raster
    EXPECT_EQ(std::pair(raster.Zeile(), raster.Spalte()), std::pair(1, 1));
}

// Auch bei stehender Uhr wiederholt der Zufall keine Augenzahl: alle sechs kommen etwa gleich oft.
TEST(WuerfelzahlTest, GleichverteiltVonEinsBisSechs)
{
    SkriptMeldungen meldungen;
    Zufallsgenerator zufall;
    FesteUhr uhr;
    basTarvoll spiel(meldungen, zufall, uhr);
    std::map<int, int> haeufigkeit;
    for (int i = 0; i < 60000; ++i) {
        ++haeufigkeit[spiel.Wuerfelzahl()];
    }
    EXPECT_EQ(haeufigkeit.size(), 6u);
    for (int augen = 1; augen <= 6; ++augen) {
        EXPECT_NEAR(haeufigkeit[augen], 10000, 500) << augen;  // gut fünf Standardabweichungen
    }
}

}  // namespace

#include "Attrappen.h"

#include <gtest/gtest.h>

namespace {

const Meldung Abbrechen{"Spiel abbrechen", "Aktuelles Spiel abbrechen?", Knoepfe::JaNein, Symbol::Frage};
const Meldung Neustart{"Neustart", "Neues Spiel?", Knoepfe::JaNein, Symbol::Frage};

TEST(StartTest, StartzustandDesHauptfensters)
{
    Spieltisch tisch;
    const auto& spiel = tisch.spiel;
    const auto& anzeige = spiel.frmTarvoll;
    const auto& blatt = anzeige.mfgPunktanzeige;
    ASSERT_EQ(blatt.Zeilen(), 18);
    ASSERT_EQ(blatt.Spalten(), 2);
    const std::array<const char*, 18> koepfe{"Spielername", "Einer", "Zweier", "Dreier", "Vierer", "Fünfer",
                                             "Sechser", "Summe", "Bonus", "Gesamt", "Dreierpasch", "Viererpasch",
                                             "Fullhouse", "Kleine Straße", "Große Straße", "Tarvoll", "Chance", "Summe"};
    for (int zeile = 0; zeile < 18; ++zeile) {
        EXPECT_EQ(blatt.ZelleAn(zeile, 0).text, koepfe[static_cast<std::size_t>(zeile)]);
    }
    const std::map<int, Farbe> farben{{0, Blau}, {7, Rot}, {8, Magenta}, {9, Rot}, {17, Rot}};
    for (int zeile = 0; zeile < 18; ++zeile) {
        const auto farbe = farben.contains(zeile) ? farben.at(zeile) : Standardfarbe;
        EXPECT_EQ(blatt.ZelleAn(zeile, 0).farbe, farbe) << zeile;
    }
    EXPECT_EQ(blatt.ZelleAn(0, 1), (Zelle{"Spieler 1", Blau, false}));
    EXPECT_EQ(blatt.Spaltenbreite(1), 850);
    EXPECT_EQ(blatt.Spaltenbreite(0), Raster::Automatisch);
    EXPECT_EQ(blatt.Zeile(), 1);
    EXPECT_EQ(blatt.Spalte(), 1);
    EXPECT_EQ(anzeige.lblInfo, "Zum Starten auf <Neues Spiel> klicken!");
    EXPECT_FALSE(anzeige.cmdWuerfelnAktiv);
    EXPECT_EQ(anzeige.stbAnzeigeText, "Spielsystem Stop");
    EXPECT_EQ(anzeige.lblRunde, "");
    EXPECT_EQ(anzeige.lblWurf, "");
    for (const auto& bild : anzeige.imgWuerfel) {
        EXPECT_EQ(bild, (Wuerfelbild{"0.JPG", false}));
    }
    EXPECT_EQ(spiel.strSpielername[3], "Spieler 3");
    EXPECT_EQ(spiel.strProduktinfo, "Quorin_Tarvoll,Vollversion,1,2,8,deutsch");
    EXPECT_FALSE(anzeige.txtWuerfelSichtbar);
    EXPECT_TRUE(tisch.meldungen.gezeigt.empty());
}

TEST(StartTest, WuerfelnIstVorDemErstenNeuenSpielAbgeschaltet)
{
    Spieltisch tisch;
    tisch.Klicken(16);
    tisch.spiel.frmTarvoll_imgWuerfel_Click(0);
    EXPECT_EQ(tisch.spiel.frmTarvoll.lblInfo, "Zum Starten auf <Neues Spiel> klicken!");
    EXPECT_FALSE(tisch.spiel.frmTarvoll.cmdWuerfelnAktiv);
}

struct Kommandozeilenfall {
    std::string kommandozeile;
    bool debug;
};

void PrintTo(const Kommandozeilenfall& fall, std::ostream* aus) { *aus << '"' << fall.kommandozeile << '"'; }

class KommandozeileTest : public testing::TestWithParam<Kommandozeilenfall> {};

TEST_P(KommandozeileTest, NurGenauDebugSchaltetDenDebugModusEin)
{
    Spieltisch tisch(GetParam().kommandozeile);
    EXPECT_EQ(tisch.spiel.strKommandozeile, GetParam().kommandozeile);
    EXPECT_EQ(tisch.spiel.frmTarvoll.mnuDebugSichtbar, GetParam().debug);
    EXPECT_EQ(tisch.spiel.frmTarvoll.txtWuerfelSichtbar, GetParam().debug);
    if (GetParam().debug) {
        ASSERT_EQ(tisch.meldungen.gezeigt.size(), 1u);
        EXPECT_EQ(tisch.meldungen.gezeigt[0],
                  (Meldung{"Tarvoll", "Debug Modus!\r\nParameterliste: debug", Knoepfe::OK, Symbol::Keins}));
    } else {
        EXPECT_TRUE(tisch.meldungen.gezeigt.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Woerter, KommandozeileTest, testing::Values(
    Kommandozeilenfall{"debug", true}, Kommandozeilenfall{"", false}, Kommandozeilenfall{"Debug", false},
    Kommandozeilenfall{"DEBUG", false}, Kommandozeilenfall{"debug x", false}, Kommandozeilenfall{" debug", false},
    Kommandozeilenfall{"debug ", false}));

class NeuesSpielTest : public testing::Test {
protected:
    Spieltisch tisch;
    basTarvoll& spiel = tisch.spiel;
};

TEST_F(NeuesSpielTest, OhneWurfStartetEsOhneFrage)
{
    spiel.frmTarvoll_cmdNeu_Click();
    spiel.frmTarvoll_cmdNeu_Click();
    EXPECT_TRUE(tisch.meldungen.gezeigt.empty());
    EXPECT_TRUE(spiel.frmTarvoll.cmdWuerfelnAktiv);
    EXPECT_EQ(spiel.frmTarvoll.lblRunde, "1");
    EXPECT_EQ(spiel.frmTarvoll.stbAnzeigeText, "Spieler 1");
    EXPECT_EQ(spiel.frmTarvoll.lblInfo, "Zum Würfeln auf <Würfeln> klicken!");
}

TEST_F(NeuesSpielTest, NachEinemWurfFragtEsImmer)
{
    spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({1, 2, 3, 4, 5});
    spiel.frmTarvoll_cmdNeu_Click();
    spiel.frmTarvoll_cmdNeu_Click();  // auch ohne Wurf im neuen Spiel
    EXPECT_EQ(tisch.meldungen.gezeigt, (std::vector<Meldung>{Abbrechen, Abbrechen}));
    EXPECT_TRUE(spiel.blnGewuerfelt);
    EXPECT_EQ(spiel.intWurf, 0);
}

TEST_F(NeuesSpielTest, NeinLaesstAllesWieEsWar)
{
    spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({6, 6, 6, 2, 2});
    tisch.Klicken(1);  // gestrichen
    tisch.Werfen({6, 6, 6, 2, 2});
    spiel.frmTarvoll_imgWuerfel_Click(1);
    const auto anzeige = spiel.frmTarvoll;
    const auto halten = spiel.blnHalten;
    const auto haltewert = spiel.intHaltewert;
    const auto gewertet = spiel.blnGewertet;
    tisch.meldungen.antworten = {Antwort::Nein};
    spiel.frmTarvoll_cmdNeu_Click();
    EXPECT_EQ(spiel.frmTarvoll, anzeige);
    EXPECT_EQ(spiel.blnHalten, halten);
    EXPECT_EQ(spiel.intHaltewert, haltewert);
    EXPECT_EQ(spiel.blnGewertet, gewertet);
    EXPECT_EQ(spiel.intRunde, 2);
    EXPECT_EQ(spiel.intWurf, 1);
}

TEST_F(NeuesSpielTest, JaRaeumtBlattUndHalteAuf)
{
    spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({6, 6, 6, 2, 2});
    tisch.Klicken(1);  // gestrichen
    tisch.Werfen({6, 6, 6, 2, 2});
    spiel.frmTarvoll_imgWuerfel_Click(1);
    spiel.frmTarvoll_cmdNeu_Click();

    for (int zeile = 1; zeile <= 17; ++zeile) {
        EXPECT_EQ(tisch.Spielzelle(zeile), Zelle{}) << zeile;
    }
    EXPECT_EQ(tisch.spiel.frmTarvoll.mfgPunktanzeige.ZelleAn(7, 0).farbe, Rot);
    for (int zeile = 1; zeile <= 16; ++zeile) {
        EXPECT_FALSE(spiel.blnGewertet[zeile]);
    }
    EXPECT_FALSE(spiel.blnHalten[2]);
    EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[1], (Wuerfelbild{"0.JPG", false}));
    EXPECT_EQ(spiel.intRunde, 1);
    EXPECT_EQ(spiel.frmTarvoll.lblWurf, "");
    EXPECT_EQ(tisch.Texte(), (std::array<std::string, 5>{}));

    tisch.Werfen({3, 3, 3, 3, 3});
    spiel.frmTarvoll_imgWuerfel_Click(1);  // hält wieder
    EXPECT_TRUE(spiel.blnHalten[2]);
    EXPECT_TRUE(spiel.frmTarvoll.imgWuerfel[1].rahmen);
}

TEST_F(NeuesSpielTest, NachSpielendeFragtEsNachNeustart)
{
    spiel.frmTarvoll_cmdNeu_Click();
    for (const int zeile : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16}) {
        tisch.Werfen({1, 2, 3, 4, 5});
        tisch.Klicken(zeile);
    }
    ASSERT_EQ(spiel.intRunde, 14);
    tisch.meldungen.antworten = {Antwort::Nein, Antwort::Ja};
    spiel.frmTarvoll_cmdNeu_Click();
    EXPECT_EQ(spiel.intRunde, 14);
    spiel.frmTarvoll_cmdNeu_Click();
    EXPECT_EQ(tisch.meldungen.gezeigt, (std::vector<Meldung>{Neustart, Neustart}));
    EXPECT_EQ(spiel.intRunde, 1);
    EXPECT_TRUE(spiel.blnGewuerfelt);
}

}  // namespace

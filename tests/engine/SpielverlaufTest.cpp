#include "Attrappen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class SpielverlaufTest : public testing::Test {
protected:
    Spieltisch tisch;
    basTarvoll& spiel = tisch.spiel;

    void SetUp() override { spiel.frmTarvoll_cmdNeu_Click(); }

    // Spielt eine Runde: ein Wurf mit diesen Würfeln, dann ein Klick auf die Zeile.
    void Runde(std::initializer_list<int> augen, int zeile)
    {
        tisch.Werfen(augen);
        tisch.Klicken(zeile);
    }

    int Eingetragen() const
    {
        int anzahl = 0;
        for (int zeile = 1; zeile <= 16; ++zeile) {
            anzahl += spiel.blnGewertet[zeile] ? 1 : 0;
        }
        return anzahl;
    }
};

TEST_F(SpielverlaufTest, NichtPassendeWuerfelStreichenDieZeile)
{
    Runde({2, 3, 3, 5, 6}, 1);
    EXPECT_EQ(tisch.Spielzelle(1), (Zelle{basTarvoll::Gestrichen, Tuerkis, true}));
    EXPECT_TRUE(spiel.blnGewertet[1]);
    EXPECT_EQ(tisch.Spielzelle(7).text, "0");
    EXPECT_EQ(tisch.Spielzelle(17).text, "0");
    EXPECT_EQ(spiel.intRunde, 2);
    EXPECT_EQ(spiel.frmTarvoll.lblRunde, "2");
    EXPECT_EQ(spiel.frmTarvoll.lblWurf, "");
    EXPECT_EQ(spiel.intWurf, 0);
}

TEST_F(SpielverlaufTest, PassendeWuerfelSchreibenGruenePunkte)
{
    Runde({5, 4, 3, 2, 1}, 14);
    EXPECT_EQ(tisch.Spielzelle(14), (Zelle{"40", Gruen, false}));
    EXPECT_EQ(tisch.Spielzelle(17), (Zelle{"40", Gruen, false}));
    EXPECT_EQ(tisch.Texte(), (std::array<std::string, 5>{}));
    for (const auto& bild : spiel.frmTarvoll.imgWuerfel) {
        EXPECT_EQ(bild, (Wuerfelbild{"0.JPG", false}));
    }
    EXPECT_EQ(spiel.frmTarvoll.lblInfo, "Zum Würfeln auf <Würfeln> klicken!");
}

TEST_F(SpielverlaufTest, ZweiterEintragInDieselbeZeileWirdAbgelehnt)
{
    Runde({1, 1, 1, 1, 2}, 16);
    Runde({1, 2, 3, 4, 6}, 13);
    tisch.Werfen({6, 6, 6, 5, 5});
    spiel.frmTarvoll_imgWuerfel_Click(0);
    const auto texte = tisch.Texte();
    tisch.Klicken(16);
    EXPECT_EQ(spiel.frmTarvoll.lblInfo, "Bereits gewertet!");
    EXPECT_EQ(tisch.Spielzelle(16).text, "6");
    EXPECT_EQ(spiel.intRunde, 3);
    EXPECT_EQ(spiel.intWurf, 1);
    EXPECT_TRUE(spiel.blnHalten[1]);
    EXPECT_EQ(tisch.Texte(), texte);

    tisch.Klicken(12);  // dieselben Würfel passen noch woanders
    EXPECT_EQ(tisch.Spielzelle(12).text, "25");
    EXPECT_EQ(spiel.intRunde, 4);
}

TEST_F(SpielverlaufTest, KlicksAufSummenKopfUndVorDemWurfBewirkenNichts)
{
    const auto vorWurf = spiel.frmTarvoll;
    tisch.Klicken(3);
    EXPECT_EQ(spiel.frmTarvoll.mfgPunktanzeige.Zeile(), 3);
    auto erwartet = vorWurf;
    erwartet.mfgPunktanzeige.AktuelleZelleSetzen(3, 1);
    EXPECT_EQ(spiel.frmTarvoll, erwartet);

    tisch.Werfen({1, 2, 3, 4, 5});
    for (const int zeile : {0, 7, 8, 9, 17}) {
        tisch.Klicken(zeile);
        tisch.Klicken(zeile, 0);
    }
    spiel.KategorieWerten(0);
    spiel.KategorieWerten(17);
    EXPECT_EQ(Eingetragen(), 0);
    EXPECT_EQ(spiel.intWurf, 1);
    EXPECT_EQ(tisch.Spielzelle(7).text, "");
}

TEST_F(SpielverlaufTest, KlickInDieKopfspalteWertetDieZeile)
{
    tisch.Werfen({3, 3, 3, 5, 5});
    tisch.Klicken(10, 0);
    EXPECT_EQ(tisch.Spielzelle(10).text, "19");
}

TEST_F(SpielverlaufTest, GehalteneWuerfelSindNachDemEintragFrei)
{
    tisch.Werfen({6, 6, 6, 1, 2});
    spiel.frmTarvoll_imgWuerfel_Click(3);
    spiel.frmTarvoll_imgWuerfel_Click(4);
    tisch.Klicken(6);
    for (int pos = 1; pos <= 5; ++pos) {
        EXPECT_FALSE(spiel.blnHalten[pos]);
        EXPECT_EQ(spiel.intHaltewert[pos], 0);
        EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[static_cast<std::size_t>(pos - 1)], (Wuerfelbild{"0.JPG", false}));
    }
}

// Alle dreizehn Kategorien mit passenden Würfeln: oben 63 und Bonus 30, unten 193, zusammen 286.
const std::vector<std::pair<std::vector<int>, int>> GanzesSpiel{
    {{1, 1, 1, 2, 3}, 1},  {{2, 2, 2, 1, 3}, 2},  {{3, 3, 3, 1, 2}, 3},  {{4, 4, 4, 1, 2}, 4},
    {{5, 5, 5, 1, 2}, 5},  {{6, 6, 6, 1, 2}, 6},  {{6, 6, 6, 1, 2}, 10}, {{6, 6, 6, 6, 2}, 11},
    {{6, 6, 6, 2, 2}, 12}, {{1, 2, 3, 4, 6}, 13}, {{2, 3, 4, 5, 6}, 14}, {{5, 5, 5, 5, 5}, 15},
    {{6, 6, 5, 5, 4}, 16}};

TEST_F(SpielverlaufTest, NachDreizehnEintraegenIstDasSpielAus)
{
    for (const auto& [augen, zeile] : GanzesSpiel) {
        tisch.zufall.augen.assign(augen.begin(), augen.end());
        spiel.frmTarvoll_cmdWuerfeln_Click();
        tisch.Klicken(zeile);
        EXPECT_EQ(Eingetragen(), spiel.intRunde - 1);
    }
    EXPECT_EQ(tisch.Spielzelle(7).text, "63");
    EXPECT_EQ(tisch.Spielzelle(8).text, "30");
    EXPECT_EQ(tisch.Spielzelle(9).text, "93");
    EXPECT_EQ(tisch.Spielzelle(17).text, "286");
    EXPECT_EQ(spiel.intRunde, 14);
    EXPECT_EQ(spiel.frmTarvoll.lblRunde, "13");
    EXPECT_EQ(spiel.frmTarvoll.lblInfo, "Spieler 1 hat 286 Punkte!");
    EXPECT_TRUE(tisch.meldungen.gezeigt.empty());

    tisch.Werfen({1, 2, 3, 4, 5});
    EXPECT_EQ(spiel.frmTarvoll.lblInfo, "Sie haben schon 13 Runden getätigt!");
    EXPECT_EQ(spiel.intWurf, 0);
    const auto vorher = spiel.frmTarvoll;
    tisch.Klicken(16);
    auto erwartet = vorher;
    erwartet.mfgPunktanzeige.AktuelleZelleSetzen(16, 1);
    EXPECT_EQ(spiel.frmTarvoll, erwartet);

    spiel.intWurf = 3;  // die Wurfzahl wird vor der Runde geprüft
    tisch.Werfen({1, 1, 1, 1, 1});
    EXPECT_EQ(spiel.frmTarvoll.lblInfo, "Sie haben schon 3 Würfe getätigt!");
}

TEST_F(SpielverlaufTest, MitMehrerenSpielernWirdSpielerZweiAufgefordert)
{
    for (const std::uint8_t anzahl : {std::uint8_t{2}, std::uint8_t{3}}) {
        spiel.bytAnzahlSpieler = anzahl;
        spiel.strSpielername[2] = "Berta";
        tisch.meldungen.gezeigt.clear();
        spiel.frmTarvoll_cmdNeu_Click();
        for (const auto& [augen, zeile] : GanzesSpiel) {
            tisch.zufall.augen.assign(augen.begin(), augen.end());
            spiel.frmTarvoll_cmdWuerfeln_Click();
            tisch.Klicken(zeile);
        }
        ASSERT_FALSE(tisch.meldungen.gezeigt.empty());
        EXPECT_EQ(std::ranges::count(tisch.meldungen.gezeigt, Symbol::Information, &Meldung::symbol), 1) << int{anzahl};
        EXPECT_EQ(tisch.meldungen.gezeigt.back(),
                  (Meldung{"quorin TARVOLL", "Berta mit <<OK>> beginnt dein Spiel!", Knoepfe::OK, Symbol::Information}));
        EXPECT_EQ(spiel.frmTarvoll.lblInfo, "Spieler 1 hat 286 Punkte!");
    }
}

}  // namespace

#include "Attrappen.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr int Einer = 1, Zweier = 2, Dreier = 3, Vierer = 4, Fuenfer = 5, Sechser = 6;
constexpr int Dreierpasch = 10, Viererpasch = 11, Fullhouse = 12, KleineStrasse = 13, GrosseStrasse = 14,
              Tarvoll = 15, Chance = 16;
const std::optional<std::int16_t> Gestrichen;

struct Kategoriefall {
    std::array<std::string, 5> wuerfel;
    int zeile;
    std::optional<std::int16_t> punkte;
};

void PrintTo(const Kategoriefall& fall, std::ostream* aus)
{
    for (const auto& w : fall.wuerfel) {
        *aus << '"' << w << "\" ";
    }
    *aus << "Zeile " << fall.zeile;
}

class KategorieTest : public testing::TestWithParam<Kategoriefall> {};

TEST_P(KategorieTest, PasstMitPunktenOderWirdGestrichen)
{
    Spieltisch tisch;
    tisch.spiel.frmTarvoll.txtWuerfel = GetParam().wuerfel;
    tisch.spiel.WuerfelEinlesen();
    EXPECT_EQ(tisch.spiel.KategoriePruefen(static_cast<std::int16_t>(GetParam().zeile)), GetParam().punkte);
}

INSTANTIATE_TEST_SUITE_P(Regeln, KategorieTest, testing::Values(
    // Obere Hälfte: Summe der passenden Augen.
    Kategoriefall{{"2", "2", "5", "2", "6"}, Zweier, 6},
    Kategoriefall{{"3", "3", "3", "5", "5"}, Dreier, 9},
    Kategoriefall{{"3", "3", "3", "5", "5"}, Fuenfer, 10},
    Kategoriefall{{"4", "4", "4", "4", "4"}, Vierer, 20},
    Kategoriefall{{"2", "3", "3", "5", "6"}, Einer, Gestrichen},
    Kategoriefall{{"1", "1", "1", "1", "1"}, Sechser, Gestrichen},
    // Pasch und Tarvoll: Summe aller Würfel.
    Kategoriefall{{"3", "3", "3", "5", "5"}, Dreierpasch, 19},
    Kategoriefall{{"3", "3", "3", "5", "5"}, Viererpasch, Gestrichen},
    Kategoriefall{{"4", "4", "4", "4", "4"}, Dreierpasch, 20},
    Kategoriefall{{"4", "4", "4", "4", "4"}, Viererpasch, 20},
    Kategoriefall{{"4", "4", "4", "4", "4"}, Tarvoll, 20},
    Kategoriefall{{"1", "1", "1", "1", "1"}, Tarvoll, 5},
    Kategoriefall{{"6", "6", "6", "6", "6"}, Tarvoll, 30},
    Kategoriefall{{"2", "2", "2", "2", "6"}, Viererpasch, 14},
    Kategoriefall{{"2", "2", "2", "2", "6"}, Tarvoll, Gestrichen},
    Kategoriefall{{"1", "2", "2", "5", "6"}, Dreierpasch, Gestrichen},
    // Fullhouse braucht zwei verschiedene Augenzahlen.
    Kategoriefall{{"3", "3", "3", "5", "5"}, Fullhouse, 25},
    Kategoriefall{{"2", "2", "6", "6", "6"}, Fullhouse, 25},
    Kategoriefall{{"4", "4", "4", "4", "4"}, Fullhouse, Gestrichen},
    Kategoriefall{{"2", "2", "2", "2", "6"}, Fullhouse, Gestrichen},
    Kategoriefall{{"2", "2", "3", "3", "6"}, Fullhouse, Gestrichen},
    // Straßen: nur die ersten vier verschiedenen Augenzahlen zählen für die kleine.
    Kategoriefall{{"1", "2", "3", "4", "5"}, GrosseStrasse, 40},
    Kategoriefall{{"1", "2", "3", "4", "5"}, KleineStrasse, 30},
    Kategoriefall{{"2", "3", "4", "5", "6"}, GrosseStrasse, 40},
    Kategoriefall{{"2", "3", "4", "5", "6"}, KleineStrasse, 30},
    Kategoriefall{{"1", "3", "4", "5", "6"}, KleineStrasse, Gestrichen},
    Kategoriefall{{"1", "3", "4", "5", "6"}, GrosseStrasse, Gestrichen},
    Kategoriefall{{"3", "4", "5", "6", "6"}, KleineStrasse, 30},
    Kategoriefall{{"3", "4", "5", "6", "6"}, GrosseStrasse, Gestrichen},
    Kategoriefall{{"1", "2", "3", "4", "6"}, KleineStrasse, 30},
    Kategoriefall{{"2", "2", "3", "4", "5"}, KleineStrasse, 30},
    Kategoriefall{{"5", "4", "3", "2", "1"}, GrosseStrasse, 40},
    Kategoriefall{{"1", "2", "3", "5", "6"}, KleineStrasse, Gestrichen},
    // Chance passt immer.
    Kategoriefall{{"3", "3", "3", "5", "5"}, Chance, 19},
    Kategoriefall{{"1", "1", "2", "3", "6"}, Chance, 13},
    // Würfeltexte ohne Zahl lesen sich als 0 und passen auf keine Augenzahl.
    Kategoriefall{{"", "3", "3", "3", "3"}, Viererpasch, 12},
    Kategoriefall{{"", "", "", "", ""}, Chance, 0},
    Kategoriefall{{"", "", "", "", ""}, Dreierpasch, Gestrichen},
    Kategoriefall{{"7", "7", "7", "7", "7"}, Tarvoll, Gestrichen},
    Kategoriefall{{"7", "7", "7", "1", "1"}, Chance, 23},
    Kategoriefall{{" 2.5", "3.49 ", "4", "5", "1"}, GrosseStrasse, 40},
    // Sehr große Werte bleiben in 16 Bit.
    Kategoriefall{{"99999", "99999", "99999", "99999", "99999"}, Chance, 32767},
    Kategoriefall{{"-99999", "-99999", "1", "1", "1"}, Chance, -32768},
    // Keine Kategorie.
    Kategoriefall{{"1", "2", "3", "4", "5"}, 7, Gestrichen},
    Kategoriefall{{"1", "2", "3", "4", "5"}, 17, Gestrichen}));

TEST(SuchenTest, GleicheUndPaarFindenDieKleinsteAugenzahl)
{
    Spieltisch tisch;
    auto& spiel = tisch.spiel;
    spiel.frmTarvoll.txtWuerfel = {"2", "2", "5", "5", "5"};
    spiel.WuerfelEinlesen();
    EXPECT_EQ(spiel.GleicheSuchen(2), 2);
    EXPECT_EQ(spiel.GleicheSuchen(3), 5);
    EXPECT_EQ(spiel.intAnzahlGleiche, 3);
    EXPECT_EQ(spiel.GleicheSuchen(4), 0);
    EXPECT_EQ(spiel.intAnzahlGleiche, 0);  // Augenzahl 6 wurde zuletzt geprüft
    EXPECT_EQ(spiel.PaarSuchen(5), 2);
    EXPECT_EQ(spiel.PaarSuchen(2), 5);
    EXPECT_EQ(spiel.PaarSuchen(0), 0);
}

class SummenTest : public testing::Test {
protected:
    Spieltisch tisch;

    void Eintragen(int zeile, const std::string& text) { tisch.spiel.frmTarvoll.mfgPunktanzeige.ZelleAn(zeile, 1).text = text; }
    std::array<std::string, 4> Summen()
    {
        tisch.spiel.SummenBerechnen();
        return {tisch.Spielzelle(7).text, tisch.Spielzelle(8).text, tisch.Spielzelle(9).text, tisch.Spielzelle(17).text};
    }
};

TEST_F(SummenTest, BonusAbDreiundsechzig)
{
    const std::array<std::string, 6> oben{"3", "8", "9", "16", "15", "12"};
    for (int zeile = 1; zeile <= 6; ++zeile) {
        Eintragen(zeile, oben[static_cast<std::size_t>(zeile - 1)]);
    }
    EXPECT_EQ(Summen(), (std::array<std::string, 4>{"63", "30", "93", "93"}));
    Eintragen(1, "2");
    EXPECT_EQ(Summen(), (std::array<std::string, 4>{"62", "0", "62", "62"}));
}

TEST_F(SummenTest, GestricheneUndLeereZellenZaehlenNull)
{
    Eintragen(16, "17");
    Eintragen(12, basTarvoll::Gestrichen);
    EXPECT_EQ(Summen(), (std::array<std::string, 4>{"0", "0", "0", "17"}));
    for (const int zeile : {7, 8, 9, 17}) {
        EXPECT_EQ(tisch.Spielzelle(zeile).farbe, Gruen) << zeile;
    }
    EXPECT_EQ(tisch.spiel.frmTarvoll.mfgPunktanzeige.Zeile(), 17);
}

TEST_F(SummenTest, EndsummeZaehltUntenUndObenMitBonus)
{
    for (int zeile = 1; zeile <= 6; ++zeile) {
        Eintragen(zeile, std::to_string(zeile * 3));  // 63
    }
    Eintragen(10, "20");
    Eintragen(14, "40");
    EXPECT_EQ(Summen(), (std::array<std::string, 4>{"63", "30", "93", "153"}));
}

TEST_F(SummenTest, RiesigeZellwerteBleibenIn16Bit)
{
    for (int zeile = 1; zeile <= 16; ++zeile) {
        if (basTarvoll::IstKategorie(static_cast<std::int16_t>(zeile))) {
            Eintragen(zeile, "32767");
        }
    }
    EXPECT_EQ(Summen(), (std::array<std::string, 4>{"32767", "30", "32767", "32767"}));
}

}  // namespace

#include "Attrappen.h"

#include "Zahl.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace {

const std::string Strich(16, ' ');  // der Text einer gestrichenen Zelle

struct Zahlfall {
    std::string text;
    std::int16_t wert;
    std::string zahltext;
};

class ZahlTest : public testing::TestWithParam<Zahlfall> {};

TEST_P(ZahlTest, LiestDieFuehrendeZahl)
{
    EXPECT_EQ(ZahlLesen(GetParam().text), GetParam().wert) << '"' << GetParam().text << '"';
    EXPECT_EQ(ZahlText(GetParam().text), GetParam().zahltext) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texte, ZahlTest, testing::Values(
    Zahlfall{"  6  ", 6, "6"}, Zahlfall{"", 0, "0"}, Zahlfall{"abc", 0, "0"}, Zahlfall{"3abc", 3, "3"},
    Zahlfall{"\t5", 0, "0"}, Zahlfall{"007", 7, "7"}, Zahlfall{"2.50", 2, "2.5"}, Zahlfall{"3.5", 4, "3.5"},
    Zahlfall{"2.51", 3, "2.51"}, Zahlfall{"-2.5", -2, "-2.5"}, Zahlfall{"+5", 5, "5"}, Zahlfall{"-0", 0, "0"},
    Zahlfall{".", 0, "0"}, Zahlfall{"32767.5", 32767, "32767.5"}, Zahlfall{"-99999", -32768, "-99999"},
    Zahlfall{"-0000000001", -1, "-1"}, Zahlfall{"6" + std::string(5000, '0'), 32767, "6" + std::string(5000, '0')}));

struct Kategoriefall {
    std::array<std::string, 5> wuerfel;
    int zeile;
    std::optional<std::string> punkte;  // nichts: gestrichen
};

void PrintTo(const Kategoriefall& fall, std::ostream* aus) { *aus << testing::PrintToString(fall.wuerfel) << " Zeile " << fall.zeile; }

class KategorieTest : public testing::TestWithParam<Kategoriefall> {};

// Die Vorschau ändert nichts und nennt, was der Klick danach einträgt. Die Würfeltexte sind
// getippt wie im Debug-Modus; gewertet wird, was sie sagen, nicht der Wurf davor.
TEST_P(KategorieTest, VorschauUndEintrag)
{
    const auto& fall = GetParam();
    Spieltisch tisch;
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({6, 6, 6, 6, 6});
    tisch.spiel.frmTarvoll.txtWuerfel = fall.wuerfel;
    const auto vorher = tisch.spiel.frmTarvoll;
    const auto vorschau = tisch.Vorschau(fall.zeile);
    EXPECT_EQ(tisch.spiel.frmTarvoll, vorher);

    tisch.Klicken(fall.zeile);
    if (fall.punkte) {
        EXPECT_EQ(tisch.Spielzelle(fall.zeile), (Zelle{*fall.punkte, Gruen, false}));
        EXPECT_EQ(vorschau, "Würde " + *fall.punkte + (*fall.punkte == "1" ? " Punkt geben" : " Punkte geben"));
    } else {
        EXPECT_EQ(tisch.Spielzelle(fall.zeile), (Zelle{Strich, Tuerkis, true}));
        EXPECT_EQ(vorschau, "Würde gestrichen");
    }
}

constexpr int Einer = 1, Zweier = 2;
constexpr int Dreierpasch = 10, Viererpasch = 11, Fullhouse = 12, KleineStrasse = 13, GrosseStrasse = 14,
              Tarvoll = 15, Chance = 16;
const std::optional<std::string> Gestrichen;

INSTANTIATE_TEST_SUITE_P(Regeln, KategorieTest, testing::Values(
    Kategoriefall{{"2", "2", "5", "2", "6"}, Zweier, "6"},
    Kategoriefall{{"1", "3", "4", "6", "6"}, Einer, "1"},
    Kategoriefall{{"2", "3", "3", "5", "6"}, Einer, Gestrichen},
    Kategoriefall{{"3", "3", "3", "5", "5"}, Dreierpasch, "19"},
    Kategoriefall{{"3", "3", "3", "5", "5"}, Viererpasch, Gestrichen},
    Kategoriefall{{"1", "2", "2", "5", "6"}, Dreierpasch, Gestrichen},
    Kategoriefall{{"2", "2", "2", "2", "6"}, Viererpasch, "14"},
    Kategoriefall{{"2", "2", "2", "2", "6"}, Tarvoll, Gestrichen},
    Kategoriefall{{"6", "6", "6", "6", "6"}, Tarvoll, "30"},
    Kategoriefall{{"3", "3", "3", "5", "5"}, Fullhouse, "25"},
    Kategoriefall{{"2", "2", "6", "6", "6"}, Fullhouse, "25"},
    Kategoriefall{{"4", "4", "4", "4", "4"}, Fullhouse, Gestrichen},
    Kategoriefall{{"2", "2", "2", "2", "6"}, Fullhouse, Gestrichen},
    Kategoriefall{{"2", "2", "3", "3", "6"}, Fullhouse, Gestrichen},
    Kategoriefall{{"2", "3", "4", "5", "6"}, GrosseStrasse, "40"},
    Kategoriefall{{"2", "3", "4", "5", "6"}, KleineStrasse, "30"},
    Kategoriefall{{"1", "2", "3", "4", "6"}, KleineStrasse, "30"},
    Kategoriefall{{"3", "4", "5", "6", "6"}, KleineStrasse, "30"},
    Kategoriefall{{"3", "4", "5", "6", "6"}, GrosseStrasse, Gestrichen},
    Kategoriefall{{"1", "3", "4", "5", "6"}, KleineStrasse, Gestrichen},
    Kategoriefall{{"1", "3", "4", "5", "6"}, GrosseStrasse, Gestrichen},
    // Texte ohne Zahl lesen sich als 0, die auf keine Augenzahl passt; andere Zahlen zählen in den Summen.
    Kategoriefall{{"", "3", "3", "3", "3"}, Viererpasch, "12"},
    Kategoriefall{{"7", "7", "7", "7", "7"}, Tarvoll, Gestrichen},
    Kategoriefall{{"7", "7", "7", "1", "1"}, Chance, "23"},
    Kategoriefall{{" 2.5", "3.49 ", "4", "5", "1"}, GrosseStrasse, "40"},
    Kategoriefall{{"99999", "99999", "99999", "99999", "99999"}, Chance, "32767"}));

// Die Suchen hinterlassen den Zählerstand der zuletzt geprüften Augenzahl.
TEST(SuchenTest, ZaehlerDerLetztenAugenzahl)
{
    Spieltisch tisch;
    tisch.spiel.frmTarvoll.txtWuerfel = {"2", "2", "5", "5", "5"};
    tisch.spiel.WuerfelEinlesen();
    EXPECT_EQ(tisch.spiel.GleicheSuchen(3), 5);
    EXPECT_EQ(tisch.spiel.intAnzahlGleiche, 3);
    EXPECT_EQ(tisch.spiel.GleicheSuchen(4), 0);
    EXPECT_EQ(tisch.spiel.intAnzahlGleiche, 0);
}

struct Summenfall {
    std::map<int, std::string> zellen;
    std::array<std::string, 4> summen;  // Zeilen 7, 8, 9 und 17
};

class SummenTest : public testing::TestWithParam<Summenfall> {};

TEST_P(SummenTest, ObenMitBonusUndEndsumme)
{
    Spieltisch tisch;
    auto& blatt = tisch.spiel.frmTarvoll.mfgPunktanzeige;
    for (const auto& [zeile, text] : GetParam().zellen) {
        blatt.ZelleAn(zeile, 1).text = text;
    }
    tisch.spiel.SummenBerechnen();
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(tisch.Spielzelle(std::array{7, 8, 9, 17}[i]), (Zelle{GetParam().summen[i], Gruen}));
    }
    EXPECT_EQ(blatt.Zeile(), 17);
}

INSTANTIATE_TEST_SUITE_P(Zettel, SummenTest, testing::Values(
    Summenfall{{{1, "3"}, {2, "8"}, {3, "9"}, {4, "16"}, {5, "15"}, {6, "12"}, {10, "20"}, {11, Strich}, {16, "17"}},
               {"63", "30", "93", "130"}},
    Summenfall{{{1, "2"}, {2, "8"}, {3, "9"}, {4, "16"}, {5, "15"}, {6, "12"}, {14, "40"}}, {"62", "0", "62", "102"}},
    Summenfall{{{1, "32767"}, {6, "32767"}, {12, "32767"}, {15, "32767"}}, {"32767", "30", "32767", "32767"}}));

}  // namespace

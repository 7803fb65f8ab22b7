#include "Attrappen.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int Einer = 1, Dreierpasch = 10, Viererpasch = 11, Fullhouse = 12, GrosseStrasse = 14, Chance = 16;

struct Vorschaufall {
    std::vector<int> augen;
    int zeile;
    std::string text;
};

void PrintTo(const Vorschaufall& fall, std::ostream* aus) { *aus << fall.text << ", Zeile " << fall.zeile; }

class VorschauTest : public testing::TestWithParam<Vorschaufall> {};

// Die Vorschau nennt, was das Werten danach tatsächlich schreibt, und ändert vorher nichts.
TEST_P(VorschauTest, KuendigtDasWertenAnOhneEtwasZuAendern)
{
    Spieltisch tisch;
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    tisch.zufall.augen.assign(GetParam().augen.begin(), GetParam().augen.end());
    tisch.spiel.frmTarvoll_cmdWuerfeln_Click();
    const Anzeige vorher = tisch.spiel.frmTarvoll;

    const auto zeile = static_cast<std::int16_t>(GetParam().zeile);
    EXPECT_EQ(tisch.spiel.Vorschau(zeile), GetParam().text);
    EXPECT_EQ(tisch.spiel.frmTarvoll, vorher);

    tisch.Klicken(zeile);
    const auto& zelle = tisch.Spielzelle(zeile);
    const auto punkte = zelle.text + (zelle.text == "1" ? " Punkt geben" : " Punkte geben");
    EXPECT_EQ(zelle.durchgestrichen ? "Würde gestrichen" : "Würde " + punkte, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Wuerfe, VorschauTest, testing::Values(
    Vorschaufall{{3, 5, 3, 5, 3}, Fullhouse, "Würde 25 Punkte geben"},
    Vorschaufall{{3, 5, 3, 5, 3}, Dreierpasch, "Würde 19 Punkte geben"},
    Vorschaufall{{3, 5, 3, 5, 3}, Viererpasch, "Würde gestrichen"},
    Vorschaufall{{6, 4, 3, 2, 1}, Einer, "Würde 1 Punkt geben"},
    Vorschaufall{{6, 5, 4, 3, 2}, GrosseStrasse, "Würde 40 Punkte geben"}
));

// Im Debug-Modus liest das Werten die getippten Würfeltexte, nicht den letzten Wurf: die Vorschau ebenso.
TEST(VorschauDebug, LiestDieWuerfeltexte)
{
    Spieltisch tisch{"debug"};
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({1, 1, 1, 1, 1});
    tisch.spiel.frmTarvoll.txtWuerfel = {"5", "5", " 5", "2", "2.4"};
    EXPECT_EQ(tisch.spiel.Vorschau(Fullhouse), "Würde 25 Punkte geben");
    EXPECT_EQ(tisch.spiel.Vorschau(Einer), "Würde gestrichen");
    tisch.spiel.frmTarvoll.txtWuerfel = {"0", "0", "0", "0", "0"};
    EXPECT_EQ(tisch.spiel.Vorschau(Chance), "Würde 0 Punkte geben");
}

// Ohne Wurf auf dem Tisch, außerhalb der Kategorien und in eingetragenen Zeilen gibt es nichts.
TEST(VorschauOhneAngebot, SagtNichts)
{
    Spieltisch tisch;
    const auto nichtsIn = [&tisch](std::initializer_list<int> zeilen, const char* wann) {
        for (const int zeile : zeilen) {
            EXPECT_EQ(tisch.spiel.Vorschau(static_cast<std::int16_t>(zeile)), std::nullopt)
                << wann << ", Zeile " << zeile;
        }
    };
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    nichtsIn({1, 6, 10, 12, 16}, "vor dem ersten Wurf");
    tisch.Werfen({2, 2, 2, 3, 3});
    nichtsIn({-1, 0, 7, 8, 9, 17, 18}, "keine Kategorie");
    tisch.Klicken(Fullhouse);
    nichtsIn({1, 6, 10, 16}, "nach dem Eintragen");
    tisch.Werfen({2, 2, 2, 3, 3});
    nichtsIn({Fullhouse}, "eingetragen");
    EXPECT_EQ(tisch.spiel.Vorschau(Dreierpasch), "Würde 12 Punkte geben");
}

}  // namespace

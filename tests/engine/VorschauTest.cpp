#include "Attrappen.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int Einer = 1, Sechser = 6;
constexpr int Dreierpasch = 10, Viererpasch = 11, Fullhouse = 12, KleineStrasse = 13, GrosseStrasse = 14,
              Tarvoll = 15, Chance = 16;

// Alles, was die Vorschau ändern könnte, auch die Arbeitswerte, die kein Spielstand hält.
struct Schnappschuss {
    Spielstand stand;
    Feld<std::int16_t, 1, 5> intWuerfel;
    std::int16_t intAnzahlGleiche;
    Anzeige anzeige;

    explicit Schnappschuss(const basTarvoll& spiel)
        : stand(spiel.SpielstandGeben()), intWuerfel(spiel.intWuerfel), intAnzahlGleiche(spiel.intAnzahlGleiche),
          anzeige(spiel.frmTarvoll)
    {
    }
    bool operator==(const Schnappschuss&) const = default;
};

// Was das Werten tatsächlich in die Zeile geschrieben hat, in den Worten der Vorschau.
std::string Eingetragen(const Zelle& zelle)
{
    if (zelle.durchgestrichen) {
        return "Würde gestrichen";
    }
    return "Würde " + zelle.text + (zelle.text == "1" ? " Punkt geben" : " Punkte geben");
}

struct Vorschaufall {
    std::vector<int> augen;
    int zeile;
    std::string text;
};

void PrintTo(const Vorschaufall& fall, std::ostream* aus)
{
    for (const auto a : fall.augen) {
        *aus << a << ' ';
    }
    *aus << "Zeile " << fall.zeile;
}

class VorschauTest : public testing::TestWithParam<Vorschaufall> {};

TEST_P(VorschauTest, NenntPunkteOderStrichOhneEtwasZuAendern)
{
    Spieltisch tisch;
    int gemeldet = 0;
    tisch.spiel.AnzeigeGeaendert = [&gemeldet] { ++gemeldet; };
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    tisch.zufall.augen.assign(GetParam().augen.begin(), GetParam().augen.end());
    tisch.spiel.frmTarvoll_cmdWuerfeln_Click();
    const Schnappschuss vorher(tisch.spiel);
    const auto meldungenVorher = tisch.meldungen.gezeigt.size();
    gemeldet = 0;

    const auto zeile = static_cast<std::int16_t>(GetParam().zeile);
    EXPECT_EQ(tisch.spiel.Vorschau(zeile), GetParam().text);

    EXPECT_EQ(Schnappschuss(tisch.spiel), vorher);
    EXPECT_EQ(gemeldet, 0);
    EXPECT_EQ(tisch.meldungen.gezeigt.size(), meldungenVorher);
    // Und das Werten schreibt genau das, was angekündigt war.
    tisch.Klicken(zeile);
    EXPECT_EQ(Eingetragen(tisch.Spielzelle(zeile)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Wuerfe, VorschauTest, testing::Values(
    Vorschaufall{{3, 5, 3, 5, 3}, Fullhouse, "Würde 25 Punkte geben"},
    Vorschaufall{{3, 5, 3, 5, 3}, Dreierpasch, "Würde 19 Punkte geben"},
    Vorschaufall{{3, 5, 3, 5, 3}, Viererpasch, "Würde gestrichen"},
    Vorschaufall{{6, 4, 3, 2, 1}, Einer, "Würde 1 Punkt geben"},
    Vorschaufall{{6, 4, 3, 2, 1}, KleineStrasse, "Würde 30 Punkte geben"},
    Vorschaufall{{6, 4, 3, 2, 1}, GrosseStrasse, "Würde gestrichen"},
    Vorschaufall{{6, 5, 4, 3, 2}, GrosseStrasse, "Würde 40 Punkte geben"},
    Vorschaufall{{6, 6, 6, 6, 6}, Tarvoll, "Würde 30 Punkte geben"},
    Vorschaufall{{6, 6, 6, 6, 6}, Fullhouse, "Würde gestrichen"},
    Vorschaufall{{1, 1, 2, 2, 3}, Chance, "Würde 9 Punkte geben"},
    Vorschaufall{{1, 1, 2, 2, 3}, Sechser, "Würde gestrichen"},
    Vorschaufall{{1, 1, 1, 1, 2}, Einer, "Würde 4 Punkte geben"}
));

// Im Debug-Modus liest das Werten die getippten Würfeltexte, nicht den letzten Wurf: die
// Vorschau ebenso, und die Arbeitswerte des Spiels bleiben dabei stehen.
TEST(VorschauDebug, LiestDieWuerfeltexteUndLaesstDieArbeitswerte)
{
    Spieltisch tisch{"debug"};
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({1, 1, 1, 1, 1});
    tisch.spiel.frmTarvoll.txtWuerfel = {"5", "5", " 5", "2", "2.4"};
    tisch.spiel.intAnzahlGleiche = 7;

    EXPECT_EQ(tisch.spiel.Vorschau(Fullhouse), "Würde 25 Punkte geben");
    EXPECT_EQ(tisch.spiel.Vorschau(Chance), "Würde 19 Punkte geben");
    EXPECT_EQ(tisch.spiel.Vorschau(Einer), "Würde gestrichen");
    for (int pos = 1; pos <= 5; ++pos) {
        EXPECT_EQ(tisch.spiel.intWuerfel[pos], 1);
    }
    EXPECT_EQ(tisch.spiel.intAnzahlGleiche, 7);

    tisch.spiel.frmTarvoll.txtWuerfel = {"0", "0", "0", "0", "0"};
    EXPECT_EQ(tisch.spiel.Vorschau(Chance), "Würde 0 Punkte geben");
}

// Ohne Wurf auf dem Tisch, in eingetragenen Zeilen und außerhalb der Kategorien gibt es nichts.
TEST(VorschauOhneAngebot, SagtNichts)
{
    Spieltisch tisch;
    const auto keineVorschau = [&tisch](const char* wann) {
        for (int zeile = -1; zeile <= 18; ++zeile) {
            EXPECT_EQ(tisch.spiel.Vorschau(static_cast<std::int16_t>(zeile)), std::nullopt)
                << wann << ", Zeile " << zeile;
        }
    };
    keineVorschau("vor dem ersten Spiel");
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    keineVorschau("vor dem ersten Wurf");

    tisch.Werfen({2, 2, 2, 3, 3});
    for (const int zeile : {0, 7, 8, 9, 17, -1, 18}) {
        EXPECT_EQ(tisch.spiel.Vorschau(static_cast<std::int16_t>(zeile)), std::nullopt) << "Zeile " << zeile;
    }
    tisch.Klicken(Fullhouse);
    keineVorschau("nach dem Eintragen");

    tisch.Werfen({2, 2, 2, 3, 3});
    EXPECT_EQ(tisch.spiel.Vorschau(Fullhouse), std::nullopt);
    EXPECT_EQ(tisch.spiel.Vorschau(Dreierpasch), "Würde 12 Punkte geben");
}

}  // namespace

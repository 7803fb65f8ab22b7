#include "Attrappen.h"

#include "Debug.h"
#include "Spieler.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int Einer = 1, Sechser = 6, Fullhouse = 12, GrosseStrasse = 14, Tarvoll = 15, Chance = 16;

// Die letzte Runde: nur `offen` ist noch frei. Danach kommt nichts mehr, deshalb genügt eine
// Tabelle voller Nullen, und jeder Rat lässt sich von Hand nachrechnen.
void LetzteRunde(Spieltisch& tisch, int offen)
{
    tisch.spiel.TabelleSetzen(std::make_shared<Bestspieltabelle>());
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    for (const int zeile : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16}) {
        tisch.spiel.blnGewertet[zeile] = zeile != offen;
    }
    tisch.spiel.intRunde = 13;
}

void Halten(Spieltisch& tisch, const std::vector<int>& indizes)
{
    for (const int index : indizes) {
        tisch.spiel.frmTarvoll_imgWuerfel_Click(static_cast<std::int16_t>(index));
    }
}

struct Tippfall {
    int offen;
    std::vector<std::vector<int>> wuerfe;  // je Wurf die Würfel vor dem Sortieren
    std::vector<int> halten;               // nach dem ersten Wurf angeklickt (Index 0 bis 4)
    std::string tipp;
    std::array<bool, 5> marken;
    int zeile;  // die aktuelle Zelle danach, 0: wie vorher
};

void PrintTo(const Tippfall& fall, std::ostream* aus) { *aus << fall.tipp; }

class TippTest : public testing::TestWithParam<Tippfall> {};

// Der Tipp steht in der Infozeile, markiert Würfel oder wählt die Zeile und ändert sonst nichts.
TEST_P(TippTest, RaetFuerDieWuerfelWieSieLiegen)
{
    Spieltisch tisch;
    LetzteRunde(tisch, GetParam().offen);
    for (std::size_t wurf = 0; wurf < GetParam().wuerfe.size(); ++wurf) {
        tisch.zufall.augen.assign(GetParam().wuerfe[wurf].begin(), GetParam().wuerfe[wurf].end());
        tisch.spiel.frmTarvoll_cmdWuerfeln_Click();
        Halten(tisch, wurf == 0 ? GetParam().halten : std::vector<int>{});
    }
    auto vorher = tisch.spiel.SpielstandGeben();
    tisch.spiel.Tipp();
    EXPECT_EQ(tisch.spiel.frmTarvoll.tippHalten, GetParam().marken);
    vorher.lblInfo = GetParam().tipp;
    vorher.aktuelleZeile = GetParam().zeile != 0 ? GetParam().zeile : vorher.aktuelleZeile;
    EXPECT_EQ(tisch.spiel.SpielstandGeben(), vorher);
}

// Die Würfel liegen nach jedem Wurf aufsteigend; gehaltene behalten ihre Position.
INSTANTIATE_TEST_SUITE_P(LetzteRunde, TippTest, testing::Values(
    // Vor dem ersten Wurf gibt es nur eins.
    Tippfall{Chance, {}, {}, "Tipp: Würfeln", {}, 0},
    // Die Große Straße liegt, mehr als 40 gibt sie nie: eintragen.
    Tippfall{GrosseStrasse, {{5, 4, 3, 2, 1}}, {}, "Tipp: in „Große Straße“ eintragen (40 Punkte)", {}, GrosseStrasse},
    // Nach dem dritten Wurf bleibt nur eintragen: eine Eins gibt einen Punkt, ohne Eins wird gestrichen.
    Tippfall{Einer, {{6, 6, 6, 6, 6}, {6, 6, 6, 6, 6}, {5, 4, 3, 2, 1}}, {}, "Tipp: in „Einer“ eintragen (1 Punkt)", {}, Einer},
    Tippfall{Einer, {{6, 6, 6, 6, 6}, {6, 6, 6, 6, 6}, {6, 5, 4, 3, 2}}, {}, "Tipp: „Einer“ streichen", {}, Einer},
    // Vier Sechsen an Position 1 bis 4 gehalten: Position 5 bekommt den größten von fünf neuen
    // Würfeln, eine Sechs mit 1 - (5/6)^5, also gut halb so oft.
    Tippfall{Tarvoll, {{6, 6, 6, 6, 6}, {1, 1, 2, 2, 2}}, {0, 1, 2, 3}, "Tipp: Würfel 1, 2, 3 und 4 halten und würfeln",
             {true, true, true, true, false}, 0},
    // Vier Sechsen an Position 2 bis 5: Position 1 bekäme den kleinsten von fünf neuen Würfeln,
    // eine Sechs nur mit 1/7776. Alle neu würfeln gibt mit 6/7776 ein Tarvoll.
    Tippfall{Tarvoll, {{6, 6, 6, 6, 2}, {2, 2, 3, 4, 5}}, {1, 2, 3, 4},
             "Tipp: Würfel 2, 3, 4 und 5 freigeben, alle Würfel würfeln", {}, 0}
));

// Die Marken gelten bis zur nächsten Handlung, welche es auch ist.
TEST(TippMarken, GehenMitDerNaechstenHandlung)
{
    const std::vector<std::function<void(Spieltisch&)>> handlungen{
        [](Spieltisch& t) { t.spiel.frmTarvoll_imgWuerfel_Click(4); },
        [](Spieltisch& t) { t.spiel.frmTarvoll_cmdWuerfeln_Click(); },
        [](Spieltisch& t) { t.Klicken(0, 0); },  // eine Kopfzelle: eingetragen wird nichts
        [](Spieltisch& t) { t.meldungen.antworten = {Antwort::Nein}; t.spiel.frmTarvoll_cmdNeu_Click(); },  // läuft weiter
        [](Spieltisch& t) { EXPECT_TRUE(t.spiel.SpielstandUebernehmen(Spieltisch().spiel.SpielstandGeben())); },
        [](Spieltisch& t) { WuerfelVorgeben(t.spiel, "66666"); },
        [](Spieltisch& t) { SpielerUebernehmen(t.spiel, {"Anna", "", ""}, 1); },
    };
    for (std::size_t i = 0; i < handlungen.size(); ++i) {
        SCOPED_TRACE(i);
        Spieltisch tisch;
        LetzteRunde(tisch, Tarvoll);
        tisch.Werfen({6, 6, 6, 6, 6});
        Halten(tisch, {0, 1, 2, 3});
        tisch.Werfen({1, 1, 2, 2, 2});
        tisch.spiel.Tipp();
        ASSERT_EQ(tisch.spiel.frmTarvoll.tippHalten, (std::array<bool, 5>{true, true, true, true, false}));
        handlungen[i](tisch);
        EXPECT_EQ(tisch.spiel.frmTarvoll.tippHalten, (std::array<bool, 5>{}));
    }
}

// Wer dem Rat folgt, bekommt in der nächsten Runde den Rat für die neue Lage, auch wenn der
// Bonus schon erreicht ist (oben mehr als 63).
TEST(TippFolge, GiltDerNeuenLage)
{
    Spieltisch tisch;
    LetzteRunde(tisch, Sechser);
    tisch.spiel.blnGewertet[Chance] = false;
    tisch.spiel.intRunde = 12;
    tisch.spiel.frmTarvoll.mfgPunktanzeige.ZelleAn(4, 1).text = "20";
    tisch.spiel.frmTarvoll.mfgPunktanzeige.ZelleAn(5, 1).text = "25";
    for (const std::string tipp : {"Tipp: in „Sechser“ eintragen (30 Punkte)", "Tipp: in „Chance“ eintragen (30 Punkte)"}) {
        tisch.Werfen({6, 6, 6, 6, 6});
        tisch.spiel.Tipp();
        EXPECT_EQ(tisch.spiel.frmTarvoll.lblInfo, tipp);
        tisch.Klicken(tisch.spiel.frmTarvoll.mfgPunktanzeige.Zeile());
    }
}

TEST(TippOhneRat, SagtWarum)
{
    Spieltisch tisch;
    const auto tipp = [&tisch] { tisch.spiel.Tipp(); return tisch.spiel.frmTarvoll.lblInfo; };
    EXPECT_EQ(tipp(), "Kein Tipp: Es läuft noch kein Spiel.");
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({1, 2, 3, 4, 5});
    EXPECT_EQ(tipp(), "Kein Tipp: Die Bestspieltabelle ist nicht bekannt.");
    tisch.spiel.TabellendateiSetzen("/gibt/es/nicht.tab");  // der alte Grund gilt nicht mehr
    EXPECT_EQ(tipp(), "Kein Tipp: Die Tabelle „/gibt/es/nicht.tab“ fehlt oder lässt sich nicht öffnen.");
    tisch.spiel.TabelleSetzen(std::make_shared<Bestspieltabelle>());
    tisch.spiel.blnGewertet[Sechser] = true;  // 7 in „Sechser“ legt kein Wurf
    tisch.spiel.frmTarvoll.mfgPunktanzeige.ZelleAn(Sechser, 1).text = "7";
    EXPECT_EQ(tipp(), "Kein Tipp: Die Punkte im oberen Teil des Spielzettels kann kein Spiel ergeben.");
    tisch.spiel.frmTarvoll.txtWuerfel[2] = "2.5";
    EXPECT_EQ(tipp(), "Kein Tipp: Nicht alle Würfel zeigen eine ganze Zahl von 1 bis 6.");
    tisch.spiel.intRunde = 14;
    EXPECT_EQ(tipp(), "Kein Tipp: Das Spiel ist zu Ende.");
}

// Jedes Weiterwürfeln und jedes Eintragen wird festgehalten, "Bereits gewertet!" nicht.
TEST(ZuegeTest, HaltenJedeEntscheidungFest)
{
    Spieltisch tisch;
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({6, 2, 6, 3, 6});
    Halten(tisch, {2, 3, 4});
    tisch.Werfen({1, 1, 1, 1, 1});
    tisch.Klicken(Fullhouse);
    tisch.Werfen({2, 3, 4, 5, 1});
    tisch.Klicken(Fullhouse);
    tisch.Klicken(Chance);
    EXPECT_EQ(tisch.spiel.zuege, (std::vector<Zug>{{1, 1, {2, 3, 6, 6, 6}, 0, 0, 0, 0, 0b11100},
                                                   {1, 2, {1, 1, 6, 6, 6}, 0, 0, 0, Fullhouse, 0},
                                                   {2, 1, {1, 2, 3, 4, 5}, 1 << 8, 0, 25, Chance, 0}}));
}

// Die Auswertung stellt jeden Zug neben den besten; der Verlust ist der Abstand der Mittelwerte.
TEST(AuswertungTest, ZeigtJedenZugNebenDemBesten)
{
    Spieltisch tisch;
    LetzteRunde(tisch, Tarvoll);
    tisch.Werfen({6, 6, 6, 6, 2});
    Halten(tisch, {1, 2, 3, 4});
    tisch.Werfen({2, 2, 3, 4, 5});
    tisch.Klicken(Tarvoll);
    const auto auswertung = tisch.spiel.Auswerten();
    ASSERT_EQ(auswertung.zeilen.size(), 2u);
    const auto& halten = auswertung.zeilen[0];
    EXPECT_EQ(std::tie(halten.runde, halten.wurf, halten.wuerfel, halten.ihreWahl, halten.besteWahl),
              std::tuple(13, 1, std::string("2 6 6 6 6"), std::string("Würfel 2, 3, 4 und 5 halten und würfeln"),
                         std::string("Alle Würfel würfeln")));
    EXPECT_GT(halten.verlust, 0.0);
    // Nach dem zweiten Wurf: streichen statt alle neu würfeln, das im Mittel 5 · (1 + … + 6) / 7776 bringt.
    EXPECT_EQ(auswertung.zeilen[1].besteWahl, "Alle Würfel würfeln");
    EXPECT_NEAR(auswertung.zeilen[1].verlust.value_or(0), 105.0 / 7776.0, 1e-6);
}

}  // namespace

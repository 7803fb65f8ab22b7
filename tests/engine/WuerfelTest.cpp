#include "Attrappen.h"

#include "Zufall.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Texte = std::array<std::string, 5>;

class WuerfelTest : public testing::Test {
protected:
    Spieltisch tisch;
    basTarvoll& spiel = tisch.spiel;

    void SetUp() override { spiel.frmTarvoll_cmdNeu_Click(); }

    std::array<Wuerfelbild, 5> Bilder() const { return spiel.frmTarvoll.imgWuerfel; }
};

TEST_F(WuerfelTest, ErsterWurfZeigtFuenfSortierteWuerfel)
{
    tisch.Werfen({5, 2, 6, 2, 1});
    EXPECT_EQ(tisch.Texte(), (Texte{"1", "2", "2", "5", "6"}));
    EXPECT_EQ(Bilder()[0], (Wuerfelbild{"1.JPG", false}));
    EXPECT_EQ(Bilder()[4], (Wuerfelbild{"6.JPG", false}));
    EXPECT_EQ(spiel.intWurf, 1);
    EXPECT_EQ(spiel.frmTarvoll.lblWurf, "1");
    EXPECT_EQ(spiel.frmTarvoll.lblInfo, "Zum Halten Würfel anklicken!");
    EXPECT_TRUE(spiel.blnGewuerfelt);
    EXPECT_EQ(tisch.zufall.mischungen, 5);  // vor jedem Würfel neu gemischt
}

TEST_F(WuerfelTest, GehalteneBehaltenIhrenWertPositionFuenfBekommtDenGroessten)
{
    tisch.Werfen({1, 2, 3, 3, 1});  // 1 1 2 3 3
    for (std::int16_t index = 0; index <= 3; ++index) {
        spiel.frmTarvoll_imgWuerfel_Click(index);
    }
    EXPECT_EQ(Bilder()[2], (Wuerfelbild{"12.JPG", true}));
    tisch.Werfen({4, 6, 2, 5, 1});  // sortiert 1 2 4 5 6
    EXPECT_EQ(tisch.Texte(), (Texte{"1", "1", "2", "3", "6"}));
    EXPECT_EQ(Bilder()[3], (Wuerfelbild{"13.JPG", true}));
    EXPECT_EQ(Bilder()[4], (Wuerfelbild{"6.JPG", false}));
    for (int pos = 1; pos <= 5; ++pos) {
        EXPECT_EQ(spiel.intWuerfel[pos], (std::array<int, 5>{1, 2, 4, 5, 6}[static_cast<std::size_t>(pos - 1)]));
    }
}

TEST_F(WuerfelTest, HaltenUndFreigebenWechselnBildRahmenUndHaltewert)
{
    tisch.Werfen({4, 4, 4, 4, 4});
    spiel.frmTarvoll_imgWuerfel_Click(2);
    EXPECT_TRUE(spiel.blnHalten[3]);
    EXPECT_EQ(spiel.intHaltewert[3], 4);
    EXPECT_EQ(Bilder()[2], (Wuerfelbild{"14.JPG", true}));

    spiel.frmTarvoll_imgWuerfel_Click(2);
    EXPECT_FALSE(spiel.blnHalten[3]);
    EXPECT_EQ(spiel.intHaltewert[3], 0);
    EXPECT_EQ(Bilder()[2], (Wuerfelbild{"4.JPG", false}));
    EXPECT_EQ(tisch.Texte()[2], "4");  // der Wert bleibt bis zum nächsten Wurf
    EXPECT_EQ(spiel.frmTarvoll.lblInfo, "Zum Halten Würfel anklicken!");
}

TEST_F(WuerfelTest, HaltenNimmtDenWertAusDemText)
{
    tisch.Werfen({1, 1, 1, 1, 1});
    spiel.frmTarvoll.txtWuerfel = {" 5 ", "2.5", "", "abc", "99999"};
    for (std::int16_t index = 0; index <= 4; ++index) {
        spiel.frmTarvoll_imgWuerfel_Click(index);
    }
    EXPECT_EQ(spiel.intHaltewert[1], 5);
    EXPECT_EQ(spiel.intHaltewert[2], 2);
    EXPECT_EQ(spiel.intHaltewert[3], 0);
    EXPECT_EQ(spiel.intHaltewert[5], 32767);
    EXPECT_EQ(Bilder()[0].datei, "15.JPG");
    EXPECT_EQ(Bilder()[1].datei, "12.5.JPG");  // der Bildname nimmt die Zahl vor dem Runden
    EXPECT_EQ(Bilder()[2].datei, "10.JPG");
    EXPECT_EQ(Bilder()[4].datei, "199999.JPG");
    EXPECT_EQ(spiel.frmTarvoll.txtWuerfel[0], " 5 ");
}

TEST_F(WuerfelTest, VierterWurfWirdAbgelehnt)
{
    tisch.Werfen({1, 2, 3, 4, 5});
    tisch.Werfen({1, 2, 3, 4, 5});
    tisch.Werfen({6, 6, 6, 6, 6});
    const auto vorher = spiel.frmTarvoll;
    tisch.Werfen({1, 1, 1, 1, 1});
    EXPECT_EQ(spiel.intWurf, 3);
    EXPECT_EQ(spiel.frmTarvoll.lblInfo, "Sie haben schon 3 Würfe getätigt!");
    auto erwartet = vorher;
    erwartet.lblInfo = "Sie haben schon 3 Würfe getätigt!";
    EXPECT_EQ(spiel.frmTarvoll, erwartet);
}

TEST_F(WuerfelTest, KlickAufWuerfelOhneWurfBewirktNichts)
{
    const auto vorher = spiel.frmTarvoll;
    spiel.frmTarvoll_imgWuerfel_Click(0);
    EXPECT_EQ(spiel.frmTarvoll, vorher);
    EXPECT_FALSE(spiel.blnHalten[1]);

    tisch.Werfen({1, 2, 3, 4, 5});
    tisch.Klicken(16);
    const auto nachWertung = spiel.frmTarvoll;
    spiel.frmTarvoll_imgWuerfel_Click(4);
    EXPECT_EQ(spiel.frmTarvoll, nachWertung);
    EXPECT_FALSE(spiel.blnHalten[5]);
}

TEST(WuerfelzahlTest, GleichverteiltZwischenEinsUndSechs)
{
    SkriptMeldungen meldungen;
    Zufallsgenerator zufall;
    FesteUhr uhr;  // auch bei stehender Uhr wiederholt sich nichts
    basTarvoll spiel(meldungen, zufall, uhr);
    std::map<int, int> haeufigkeit;
    constexpr int Wuerfe = 60000;
    for (int i = 0; i < Wuerfe; ++i) {
        ++haeufigkeit[spiel.Wuerfelzahl()];
    }
    ASSERT_EQ(haeufigkeit.size(), 6u);
    EXPECT_EQ(haeufigkeit.begin()->first, 1);
    EXPECT_EQ(haeufigkeit.rbegin()->first, 6);
    for (const auto& [augen, anzahl] : haeufigkeit) {
        EXPECT_NEAR(anzahl, Wuerfe / 6, 500) << augen;  // gut fünf Standardabweichungen
    }
}

}  // namespace

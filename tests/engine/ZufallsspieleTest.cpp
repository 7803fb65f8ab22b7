#include "Attrappen.h"

#include "Zahl.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Zufall mit festem Startwert, damit jeder Lauf dieselben Spiele spielt.
class FesterZufall : public Zufallsquelle {
public:
    explicit FesterZufall(unsigned startwert) : motor_(startwert) {}
    void Mischen(double) override {}
    float Ziehen() override { return static_cast<float>(motor_() >> 8) * 0x1.0p-24f; }

private:
    std::mt19937 motor_;
};

int Wert(const basTarvoll& spiel, int zeile) { return ZahlLesen(spiel.frmTarvoll.mfgPunktanzeige.ZelleAn(zeile, 1).text); }

void InvariantenPruefen(const basTarvoll& spiel)
{
    int eingetragen = 0;
    for (int zeile = 1; zeile <= 16; ++zeile) {
        eingetragen += spiel.blnGewertet[zeile] ? 1 : 0;
    }
    ASSERT_EQ(eingetragen, spiel.intRunde - 1);
    ASSERT_GE(spiel.intWurf, 0);
    ASSERT_LE(spiel.intWurf, 3);
    for (int pos = 1; pos <= 5; ++pos) {
        ASSERT_EQ(spiel.intHaltewert[pos] == 0, !spiel.blnHalten[pos]) << pos;
        ASSERT_EQ(spiel.frmTarvoll.imgWuerfel[static_cast<std::size_t>(pos - 1)].rahmen, spiel.blnHalten[pos]);
    }
    if (eingetragen > 0) {
        int oben = 0;
        int unten = 0;
        for (int zeile = 1; zeile <= 6; ++zeile) {
            oben += Wert(spiel, zeile);
        }
        for (int zeile = 10; zeile <= 16; ++zeile) {
            unten += Wert(spiel, zeile);
        }
        const int bonus = oben >= 63 ? 30 : 0;
        ASSERT_EQ(Wert(spiel, 7), oben);
        ASSERT_EQ(Wert(spiel, 8), bonus);
        ASSERT_EQ(Wert(spiel, 9), oben + bonus);
        ASSERT_EQ(Wert(spiel, 17), unten + oben + bonus);
    }
}

TEST(ZufallsspieleTest, TausendeSpieleHaltenDieRegelnEin)
{
    SkriptMeldungen meldungen;  // beantwortet jede Frage mit Ja
    FesterZufall zufall(20261206);
    FesteUhr uhr;
    basTarvoll spiel(meldungen, zufall, uhr);
    spiel.SpielInitialisieren();
    std::mt19937 wahl(4711);
    const auto zahl = [&](int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(wahl); };

    int beendet = 0;
    for (int partie = 0; partie < 3000; ++partie) {
        spiel.frmTarvoll_cmdNeu_Click();
        ASSERT_NO_FATAL_FAILURE(InvariantenPruefen(spiel));
        int schritte = 0;
        while (spiel.intRunde < 14) {
            ASSERT_LT(++schritte, 2000) << "Partie " << partie << " kommt nicht zu Ende";
            const int aktion = zahl(0, 9);
            if (aktion < 3) {
                spiel.frmTarvoll_cmdWuerfeln_Click();
            } else if (aktion < 6) {
                spiel.frmTarvoll_imgWuerfel_Click(static_cast<std::int16_t>(zahl(0, 4)));
            } else {
                spiel.frmTarvoll.mfgPunktanzeige.AktuelleZelleSetzen(zahl(0, 17), zahl(0, 1));
                spiel.frmTarvoll_mfgPunktanzeige_Click();
            }
            ASSERT_NO_FATAL_FAILURE(InvariantenPruefen(spiel));
        }
        ASSERT_EQ(spiel.frmTarvoll.lblRunde, "13");
        ASSERT_EQ(spiel.frmTarvoll.lblInfo, "Spieler 1 hat " + spiel.frmTarvoll.mfgPunktanzeige.ZelleAn(17, 1).text + " Punkte!");
        ++beendet;
    }
    EXPECT_EQ(beendet, 3000);
}

}  // namespace

#include "Attrappen.h"

#include "Bestspiel.h"
#include "Tabellendatei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace {

using Reihe = std::array<int, 5>;

// Punkte und Bonus gibt das Spiel selbst: KategoriePruefen auf die Würfel in ihrer Reihenfolge,
// SummenBerechnen auf die obere Summe.
int Punkte(const Reihe& reihe, int zeile)
{
    static Spieltisch tisch;
    for (int pos = 1; pos <= 5; ++pos) {
        tisch.spiel.intWuerfel[pos] = static_cast<std::int16_t>(reihe[static_cast<std::size_t>(pos - 1)]);
    }
    return tisch.spiel.KategoriePruefen(static_cast<std::int16_t>(zeile)).value_or(0);
}

int Bonus(int oben)
{
    static Spieltisch tisch;
    tisch.spiel.frmTarvoll.mfgPunktanzeige.ZelleAn(1, 1).text = std::to_string(oben);
    tisch.spiel.SummenBerechnen();
    return std::stoi(tisch.Spielzelle(basTarvoll::ZeileBonus).text);
}

// Die 252 aufsteigend sortierten Würfe von fünf Würfeln, ausgezählt aus allen 7776.
const std::vector<std::pair<Reihe, double>>& SortierteWuerfe()
{
    static const auto wuerfe = [] {
        std::map<Reihe, double> gezaehlt;
        for (int c = 0; c < 7776; ++c) {
            Reihe wurf{c % 6 + 1, c / 6 % 6 + 1, c / 36 % 6 + 1, c / 216 % 6 + 1, c / 1296 + 1};
            std::sort(wurf.begin(), wurf.end());
            gezaehlt[wurf] += 1.0 / 7776;
        }
        return std::vector<std::pair<Reihe, double>>(gezaehlt.begin(), gezaehlt.end());
    }();
    return wuerfe;
}

// Zum Vergleich, ohne etwas vom Löser: werfen heißt sortiert ziehen und die gehaltenen Positionen
// darüberlegen. Gemerkt je Reihe (0 an freien Positionen) und Zahl der übrigen Würfe.
struct Nachrechnung {
    std::function<double(const Reihe&)> eintragen;
    std::vector<double> gemerkt = std::vector<double>(8 * 16807, NAN);

    double& Gemerkt(int art, const Reihe& r, int wuerfe)
    {
        return gemerkt[static_cast<std::size_t>((((((art * 4 + wuerfe) * 7 + r[0]) * 7 + r[1]) * 7 + r[2]) * 7 + r[3]) * 7 + r[4])];
    }

    // Die Reihe liegt: eintragen oder einen Teil halten und weiterwürfeln, was mehr bringt.
    double Wert(const Reihe& reihe, int wuerfe)
    {
        auto& wert = Gemerkt(0, reihe, wuerfe);
        if (std::isnan(wert)) {
            wert = eintragen(reihe);
            for (unsigned halten = 0; wuerfe > 0 && halten < 32; ++halten) {
                Reihe gehalten{};
                for (std::size_t pos = 0; pos < 5; ++pos) {
                    gehalten[pos] = ((halten >> pos) & 1u) != 0 ? reihe[pos] : 0;
                }
                wert = std::max(wert, Werfen(gehalten, wuerfe));
            }
        }
        return wert;
    }

    double Werfen(const Reihe& g, int wuerfe)
    {
        auto& mittel = Gemerkt(1, g, wuerfe);
        if (std::isnan(mittel)) {
            mittel = 0.0;
            for (const auto& [w, wahrscheinlichkeit] : SortierteWuerfe()) {
                const Reihe danach{g[0] ? g[0] : w[0], g[1] ? g[1] : w[1], g[2] ? g[2] : w[2], g[3] ? g[3] : w[3], g[4] ? g[4] : w[4]};
                mittel += wahrscheinlichkeit * Wert(danach, wuerfe - 1);
            }
        }
        return mittel;
    }
};

// Der Rest des Spiels mit diesen offenen Zeilen: eintragen bringt Punkte, Bonus und den
// nachgerechneten Rest mit einer Zeile weniger.
double Nachgerechnet(const std::vector<int>& offen, int oben)
{
    static std::map<std::pair<std::vector<int>, int>, double> gemerkt;
    if (offen.empty() || gemerkt.contains({offen, oben})) {
        return offen.empty() ? 0.0 : gemerkt[{offen, oben}];
    }
    return gemerkt[{offen, oben}] = Nachrechnung{[&](const Reihe& reihe) {
        double bester = 0.0;
        for (const int zeile : offen) {
            const int punkte = Punkte(reihe, zeile);
            const int danach = zeile <= 6 ? std::min(oben + punkte, 63) : oben;  // mehr als 63 bringt nichts mehr
            auto rest = offen;
            std::erase(rest, zeile);
            bester = std::max(bester, punkte + Bonus(danach) - Bonus(oben) + Nachgerechnet(rest, danach));
        }
        return bester;
    }}.Werfen(Reihe{}, 3);
}

// Der Löser für diese Lage; die Lagen danach rechnet er vorher selbst in die Tabelle.
double Geloest(std::uint16_t gewertet, int oben, Bestspieltabelle& tabelle)
{
    static const Punktetafel punkte(ModellDerRegel(Wurfregel::Spiel));
    if (gewertet == (1u << Kategorien) - 1) {
        return 0.0;
    }
    for (int kategorie = 0; kategorie < Kategorien; ++kategorie) {
        for (int wuerfel = 0; ((gewertet >> kategorie) & 1u) == 0 && wuerfel <= (kategorie < 6 ? 5 : 0); ++wuerfel) {
            const Lage danach{static_cast<std::uint16_t>(gewertet | (1u << kategorie)),
                              std::min(oben + (kategorie + 1) * wuerfel, Bonusgrenze)};
            tabelle.Setzen(danach, Geloest(danach.gewertet, danach.oben, tabelle));
        }
    }
    Rundenwerte runde(ModellDerRegel(Wurfregel::Spiel), punkte);
    runde.Berechnen(tabelle, {gewertet, oben});
    return runde.Rundenbeginn();
}

struct Restspiel {
    std::vector<int> offen;
    int oben;
};

void PrintTo(const Restspiel& rest, std::ostream* aus) { *aus << "offen " << testing::PrintToString(rest.offen) << ", oben " << rest.oben; }

class BestspielTest : public testing::TestWithParam<Restspiel> {};

TEST_P(BestspielTest, StimmtMitDerNachrechnungUeberein)
{
    auto gewertet = static_cast<std::uint16_t>((1u << Kategorien) - 1);
    for (const int zeile : GetParam().offen) {
        gewertet = static_cast<std::uint16_t>(gewertet & ~(1u << KategorieDerZeile(zeile)));
    }
    Bestspieltabelle tabelle;
    EXPECT_NEAR(Geloest(gewertet, GetParam().oben, tabelle), Nachgerechnet(GetParam().offen, GetParam().oben), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(LetzteRunden, BestspielTest, testing::Values(
    Restspiel{{15}, 0},     // nur Tarvoll
    Restspiel{{6}, 45},     // nur Sechser, drei Sechsen bringen den Bonus
    Restspiel{{1, 2}, 62}   // Einer und Zweier, der Bonus mit der ersten, nicht mit der zweiten
));

// Eine heile Tabelle liest sich, wie sie geschrieben wurde; jede beschädigte wird mit Grund abgelehnt.
TEST(TabellendateiTest, LiestNurEineHeileTabelle)
{
    Bestspieltabelle tabelle;
    tabelle.Setzen({0, 0}, 206.25);
    const auto heil = TabelleAlsBytes(tabelle, Wurfregel::Spiel);
    ASSERT_TRUE(TabelleAusBytes(heil).tabelle);
    EXPECT_EQ(TabelleAusBytes(heil).tabelle->Werte(), tabelle.Werte());
    auto mitWert = [tabelle](double wert) mutable { tabelle.Setzen({5, 5}, wert); return TabelleAlsBytes(tabelle, Wurfregel::Spiel); };
    const std::vector<std::pair<std::function<void(std::vector<unsigned char>&)>, std::string>> schaeden{
        {[](auto& b) { b.resize(20); }, "Die Tabelle ist abgeschnitten: schon ihr Kopf ist unvollständig."},
        {[](auto& b) { b.pop_back(); }, "Die Tabelle ist abgeschnitten: 2097151 von 2097152 Bytes sind da."},
        {[](auto& b) { b.push_back(0); }, "Hinter dem Ende der Tabelle stehen noch Daten."},
        {[](auto& b) { b[0] = 'X'; }, "Die Datei ist keine Bestspieltabelle von Quorin Tarvoll."},
        {[](auto& b) { b[8] = 2; }, "Die Tabelle hat das Format 2; dieses Programm liest nur Format 1."},
        {[](auto& b) { b[12] = 2; }, "Die Tabelle gilt für eine andere Art zu würfeln."},
        {[](auto& b) { b[16] = 1; }, "Die Tabelle hat 524289 Einträge statt 524288."},
        {[](auto& b) { b.back() ^= 0x40; }, "Die Tabelle ist beschädigt: ihre Prüfsumme stimmt nicht."},
        {[&](auto& b) { b = mitWert(NAN); }, "Die Tabelle enthält einen ungültigen Wert."},
        {[&](auto& b) { b = mitWert(-1.0); }, "Die Tabelle enthält einen ungültigen Wert."},
    };
    for (const auto& [schaden, grund] : schaeden) {
        auto bytes = heil;
        schaden(bytes);
        const auto gelesen = TabelleAusBytes(bytes);
        EXPECT_FALSE(gelesen.tabelle);
        EXPECT_EQ(gelesen.fehler, grund);
    }
}

}  // namespace

#include "Bestspiel.h"

#include "basTarvoll.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cassert>
#include <limits>
#include <thread>

namespace {

// Das Spiel, das hier nur seine Regeln leiht: es zeigt nichts, würfelt nicht und fragt keine Uhr.
class StilleMeldungen : public Meldungen {
public:
    Antwort Zeigen(const Meldung&) override { return Antwort::OK; }
};
class KeinZufall : public Zufallsquelle {
public:
    void Mischen(double) override {}
    float Ziehen() override { return 0.0f; }
};
class KeineUhr : public Uhr {
public:
    double SekundenSeitMitternacht() override { return 0.0; }
};

constexpr unsigned ObereKategorien = (1u << 6) - 1;
constexpr double KeinWert = -std::numeric_limits<double>::infinity();

// Welche oberen Summen (auf die Bonusgrenze begrenzt) die eingetragenen oberen Kategorien legen können.
std::uint64_t ObenMoeglich(unsigned obere)
{
    std::uint64_t moeglich = 1;  // nur 0
    for (int augen = 1; augen <= 6; ++augen) {
        if (((obere >> (augen - 1)) & 1u) == 0) {
            continue;
        }
        std::uint64_t danach = 0;
        for (int summe = 0; summe <= Bonusgrenze; ++summe) {
            if (((moeglich >> summe) & 1u) == 0) {
                continue;
            }
            for (int wuerfel = 0; wuerfel <= 5; ++wuerfel) {
                danach |= std::uint64_t{1} << std::min(summe + augen * wuerfel, Bonusgrenze);
            }
        }
        moeglich = danach;
    }
    return moeglich;
}

// Mittel und Maximum über Indexlisten, ausgeschrieben mit vier getrennten Zwischenwerten: so
// wartet nicht jede Addition und jeder Vergleich auf den vorigen, auch ohne dass der Übersetzer
// die Schleife selbst aufrollt. Das ist die innere Schleife der ganzen Tabelle.
double Mittel(const double* wahrscheinlichkeit, const std::int16_t* index, const double* werte, int anfang, int ende)
{
    double a = 0.0, b = 0.0, c = 0.0, d = 0.0;
    int i = anfang;
    for (; i + 4 <= ende; i += 4) {
        a += wahrscheinlichkeit[i] * werte[index[i]];
        b += wahrscheinlichkeit[i + 1] * werte[index[i + 1]];
        c += wahrscheinlichkeit[i + 2] * werte[index[i + 2]];
        d += wahrscheinlichkeit[i + 3] * werte[index[i + 3]];
    }
    for (; i < ende; ++i) {
        a += wahrscheinlichkeit[i] * werte[index[i]];
    }
    return (a + b) + (c + d);
}

double BesteHaltung(const std::int16_t* haltungen, const double* werte)
{
    double a = KeinWert, b = KeinWert, c = KeinWert, d = KeinWert;
    for (int i = 0; i < Wurfmodell::Haltemuster; i += 4) {
        a = std::max(a, werte[haltungen[i]]);
        b = std::max(b, werte[haltungen[i + 1]]);
        c = std::max(c, werte[haltungen[i + 2]]);
        d = std::max(d, werte[haltungen[i + 3]]);
    }
    return std::max(std::max(a, b), std::max(c, d));
}

}  // namespace

std::int16_t ZeileDerKategorie(int kategorie)
{
    assert(kategorie >= 0 && kategorie < Kategorien);
    return static_cast<std::int16_t>(kategorie < 6 ? kategorie + 1 : kategorie + 4);
}

int KategorieDerZeile(int zeile)
{
    if (zeile >= 1 && zeile <= 6) {
        return zeile - 1;
    }
    return zeile >= 10 && zeile <= 16 ? zeile - 4 : -1;
}

bool Erreichbar(Lage lage)
{
    return lage.gewertet < (1u << Kategorien) && lage.oben >= 0 && lage.oben <= Bonusgrenze &&
           ((ObenMoeglich(lage.gewertet & ObereKategorien) >> lage.oben) & 1u) != 0;
}

// Die Würfel gehen als Texte hinein und werden gelesen wie beim Werten.
Punktetafel::Punktetafel(const Wurfmodell& modell)
{
    StilleMeldungen meldungen;
    KeinZufall zufall;
    KeineUhr uhr;
    basTarvoll regeln(meldungen, zufall, uhr);
    for (const auto& menge : modell.Mengen()) {
        for (std::size_t index = 0; index < 5; ++index) {
            regeln.frmTarvoll.txtWuerfel[index] = std::to_string(menge[index]);
        }
        auto& zeile = punkte_.emplace_back();
        for (int kategorie = 0; kategorie < Kategorien; ++kategorie) {
            regeln.WuerfelEinlesen();
            zeile[static_cast<std::size_t>(kategorie)] = regeln.KategoriePruefen(ZeileDerKategorie(kategorie)).value_or(0);
        }
    }
}

Rundenwerte::Rundenwerte(const Wurfmodell& modell, const Punktetafel& punkte)
    : modell_(modell),
      punkte_(punkte),
      besterEintrag_(modell.Mengen().size()),
      letzterWurf_(static_cast<std::size_t>(modell.Haltungen())),
      vorLetztem_(modell.Reihen().size()),
      zweiterWurf_(static_cast<std::size_t>(modell.Haltungen()))
{
}

double Rundenwerte::Eintrag(int menge, int kategorie) const
{
    assert(((lage_.gewertet >> kategorie) & 1u) == 0);
    const int punkte = punkte_.Punkte(menge, kategorie);
    Lage danach{static_cast<std::uint16_t>(lage_.gewertet | (1u << kategorie)), lage_.oben};
    int bonus = 0;
    if (kategorie < 6) {
        danach.oben = std::min(lage_.oben + punkte, Bonusgrenze);
        bonus = lage_.oben < Bonusgrenze && danach.oben == Bonusgrenze ? Bonus : 0;
    }
    return punkte + bonus + tabelle_->Wert(danach);
}

// Rechnet von hinten: die beste Eintragung jeder Menge, daraus das Mittel jeder Haltung nach dem
// dritten Wurf, daraus der Wert jeder Reihe mit noch einem Wurf (die beste ihrer 32 Haltungen;
// alle fünf halten heißt stehen bleiben und eintragen).
void Rundenwerte::Berechnen(const Bestspieltabelle& tabelle, Lage lage)
{
    tabelle_ = &tabelle;
    lage_ = lage;
    for (std::size_t menge = 0; menge < besterEintrag_.size(); ++menge) {
        double bester = KeinWert;
        for (int kategorie = 0; kategorie < Kategorien; ++kategorie) {
            if (((lage.gewertet >> kategorie) & 1u) == 0) {
                bester = std::max(bester, Eintrag(static_cast<int>(menge), kategorie));
            }
        }
        besterEintrag_[menge] = bester;
    }
    const auto* wahrscheinlichkeit = modell_.FolgeWahrscheinlichkeit().data();
    for (int haltung = 0; haltung < modell_.Haltungen(); ++haltung) {
        letzterWurf_[static_cast<std::size_t>(haltung)] =
            Mittel(wahrscheinlichkeit, modell_.FolgeMenge().data(), besterEintrag_.data(), modell_.FolgenAnfang(haltung),
                   modell_.FolgenEnde(haltung));
    }
    for (std::size_t reihe = 0; reihe < vorLetztem_.size(); ++reihe) {
        vorLetztem_[reihe] = BesteHaltung(modell_.HaltungenDerReihe(static_cast<int>(reihe)), letzterWurf_.data());
    }
}

double Rundenwerte::Rundenbeginn()
{
    const auto* wahrscheinlichkeit = modell_.FolgeWahrscheinlichkeit().data();
    const auto* folgeReihe = modell_.FolgeReihe().data();
    for (int haltung = 0; haltung < modell_.Haltungen(); ++haltung) {
        zweiterWurf_[static_cast<std::size_t>(haltung)] = Mittel(wahrscheinlichkeit, folgeReihe, vorLetztem_.data(),
                                                                 modell_.FolgenAnfang(haltung), modell_.FolgenEnde(haltung));
    }
    const int erster = modell_.ErsterWurf();
    double mittel = 0.0;
    for (int folge = modell_.FolgenAnfang(erster); folge < modell_.FolgenEnde(erster); ++folge) {
        const auto f = static_cast<std::size_t>(folge);
        mittel += wahrscheinlichkeit[f] * BesteHaltung(modell_.HaltungenDerReihe(folgeReihe[f]), zweiterWurf_.data());
    }
    return mittel;
}

double Rundenwerte::VorLetztemWurf(const Wuerfelreihe& reihe) const
{
    if (const int index = modell_.ReihenIndex(reihe); index >= 0) {
        return vorLetztem_[static_cast<std::size_t>(index)];
    }
    double bester = KeinWert;
    for (unsigned halten = 0; halten < Wurfmodell::Haltemuster; ++halten) {
        bester = std::max(bester, letzterWurf_[static_cast<std::size_t>(modell_.Haltung(reihe, halten))]);
    }
    return bester;
}

// Vor dem letzten Wurf zählt nur die Menge der gehaltenen Werte; vor dem zweiten auch, wo sie
// liegen, denn danach wird wieder nach Positionen gehalten.
double Rundenwerte::Halten(const Wuerfelreihe& reihe, unsigned halten, int wuerfe) const
{
    assert(wuerfe == 1 || wuerfe == 2);
    if (wuerfe == 1) {
        return letzterWurf_[static_cast<std::size_t>(modell_.Haltung(reihe, halten))];
    }
    double mittel = 0.0;
    for (const auto& [neu, wahrscheinlichkeit] : modell_.Neuwuerfe(~halten & (Wurfmodell::Haltemuster - 1))) {
        mittel += wahrscheinlichkeit * VorLetztemWurf(modell_.Ergebnis(reihe, halten, neu));
    }
    return mittel;
}

namespace {

// Kann der Bonus noch kommen? Nicht, wenn er schon da ist oder die offenen oberen Kategorien
// selbst mit fünf gleichen Würfeln nicht mehr bis zur Grenze reichen. Dann zählt die obere
// Summe für den Rest des Spiels nicht mehr: alle solchen Lagen einer Maske haben denselben Wert.
bool BonusOffen(Lage lage)
{
    int hoechstens = lage.oben;
    for (int augen = 1; augen <= 6; ++augen) {
        hoechstens += ((lage.gewertet >> (augen - 1)) & 1u) == 0 ? 5 * augen : 0;
    }
    return lage.oben < Bonusgrenze && hoechstens >= Bonusgrenze;
}

}  // namespace

// Jede Stufe (Zahl der eingetragenen Kategorien) hängt nur von der nächsten ab; ihre Lagen
// teilen sich die Threads. Gerechnet wird je Maske jede obere Summe, mit der der Bonus noch
// offen ist, und einmal für alle übrigen.
Bestspieltabelle TabelleBerechnen(Wurfregel regel, unsigned threads)
{
    struct Aufgabe {
        Lage lage;
        std::uint64_t auchFuer;  // die oberen Summen, die denselben Wert bekommen
    };
    const auto& modell = ModellDerRegel(regel);
    const Punktetafel punkte(modell);
    Bestspieltabelle tabelle;
    for (int stufe = Kategorien - 1; stufe >= 0; --stufe) {
        std::vector<Aufgabe> aufgaben;
        for (unsigned gewertet = 0; gewertet < (1u << Kategorien); ++gewertet) {
            if (std::popcount(gewertet) != stufe) {
                continue;
            }
            const auto maske = static_cast<std::uint16_t>(gewertet);
            const auto moeglich = ObenMoeglich(gewertet & ObereKategorien);
            std::uint64_t ohneBonus = 0;
            for (int oben = 0; oben <= Bonusgrenze; ++oben) {
                if (((moeglich >> oben) & 1u) == 0) {
                    continue;
                }
                if (BonusOffen({maske, oben})) {
                    aufgaben.push_back({{maske, oben}, std::uint64_t{1} << oben});
                } else {
                    ohneBonus |= std::uint64_t{1} << oben;
                }
            }
            if (ohneBonus != 0) {
                aufgaben.push_back({{maske, std::countr_zero(ohneBonus)}, ohneBonus});
            }
        }
        std::atomic<std::size_t> naechste{0};
        const auto rechnen = [&] {
            Rundenwerte runde(modell, punkte);
            for (auto i = naechste++; i < aufgaben.size(); i = naechste++) {
                runde.Berechnen(tabelle, aufgaben[i].lage);
                const double wert = runde.Rundenbeginn();
                for (int oben = 0; oben <= Bonusgrenze; ++oben) {
                    if (((aufgaben[i].auchFuer >> oben) & 1u) != 0) {
                        tabelle.Setzen({aufgaben[i].lage.gewertet, oben}, wert);
                    }
                }
            }
        };
        std::vector<std::jthread> helfer;
        for (unsigned t = 1; t < threads; ++t) {
            helfer.emplace_back(rechnen);
        }
        rechnen();
    }
    return tabelle;
}

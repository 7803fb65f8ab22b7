#include "Wurfmodell.h"

#include <algorithm>
#include <cassert>
#include <functional>

namespace {

constexpr int Codes = 7 * 7 * 7 * 7 * 7;  // je Position 0 (leer) oder 1 bis 6

int Code(const Wuerfelreihe& reihe)
{
    int code = 0;
    for (int pos = 4; pos >= 0; --pos) {
        code = code * 7 + reihe[static_cast<std::size_t>(pos)];
    }
    return code;
}

constexpr unsigned Alle = Wurfmodell::Haltemuster - 1;

bool Gesetzt(unsigned muster, std::size_t pos) { return ((muster >> pos) & 1u) != 0; }

// Alle Reihen, die an den Positionen aus `belegt` Werte 1 bis 6 tragen und sonst 0.
std::vector<Wuerfelreihe> Belegungen(unsigned belegt)
{
    std::vector<Wuerfelreihe> alle{Wuerfelreihe{}};
    for (std::size_t pos = 0; pos < 5; ++pos) {
        if (!Gesetzt(belegt, pos)) {
            continue;
        }
        std::vector<Wuerfelreihe> weiter;
        for (const auto& reihe : alle) {
            for (std::uint8_t augen = 1; augen <= 6; ++augen) {
                auto neu = reihe;
                neu[pos] = augen;
                weiter.push_back(neu);
            }
        }
        alle = std::move(weiter);
    }
    return alle;
}

// Die Werte an den Positionen aus `positionen`, aufsteigend auf eben diese Positionen gelegt;
// alle anderen Positionen 0.
Wuerfelreihe AufsteigendAn(const Wuerfelreihe& reihe, unsigned positionen)
{
    Wuerfelreihe werte{};
    std::size_t anzahl = 0;
    for (std::size_t pos = 0; pos < 5; ++pos) {
        if (Gesetzt(positionen, pos)) {
            werte[anzahl++] = reihe[pos];
        }
    }
    std::sort(werte.begin(), werte.end());  // die Nullen der übrigen Plätze nach vorn
    Wuerfelreihe ergebnis{};
    std::size_t naechster = 5 - anzahl;
    for (std::size_t pos = 0; pos < 5; ++pos) {
        if (Gesetzt(positionen, pos)) {
            ergebnis[pos] = werte[naechster++];
        }
    }
    return ergebnis;
}

}  // namespace

Wurfmodell::Wurfmodell(Wurfregel regel)
    : regel_(regel), mengenIndex_(Codes, -1), reihenIndex_(Codes, -1), haltungIndex_(Codes, -1)
{
    for (const auto& reihe : Belegungen(Alle)) {
        if (std::is_sorted(reihe.begin(), reihe.end())) {
            mengenIndex_[static_cast<std::size_t>(Code(reihe))] = static_cast<std::int16_t>(mengen_.size());
            mengen_.push_back(reihe);
        }
    }
    NeuwuerfeAuszaehlen();
    HaltungenAufbauen();
}

// Spiel: alle 7776 Würfe von fünf Würfeln, sortiert; die freien Positionen nehmen ihren Platz
// in der Sortierung. Klassisch: jeder freie Würfel für sich, nur seine Augen zählen (aufsteigend
// auf die freien Positionen gelegt). Gleiche Neuwürfe werden zusammengelegt.
void Wurfmodell::NeuwuerfeAuszaehlen()
{
    std::vector<double> gesammelt(Codes, 0.0);
    auto sortiert = Belegungen(Alle);
    for (auto& wurf : sortiert) {
        std::sort(wurf.begin(), wurf.end());
    }
    for (unsigned frei = 0; frei < Haltemuster; ++frei) {
        const auto wuerfe = regel_ == Wurfregel::Spiel ? sortiert : Belegungen(frei);
        for (auto wurf : wuerfe) {
            if (regel_ == Wurfregel::Spiel) {
                for (std::size_t pos = 0; pos < 5; ++pos) {
                    wurf[pos] = Gesetzt(frei, pos) ? wurf[pos] : 0;
                }
            } else {
                wurf = AufsteigendAn(wurf, frei);
            }
            gesammelt[static_cast<std::size_t>(Code(wurf))] += 1.0 / static_cast<double>(wuerfe.size());
        }
        for (const auto& neu : Belegungen(frei)) {
            auto& wahrscheinlichkeit = gesammelt[static_cast<std::size_t>(Code(neu))];
            if (wahrscheinlichkeit > 0.0) {
                neuwuerfe_[frei].push_back({neu, wahrscheinlichkeit});
                wahrscheinlichkeit = 0.0;
            }
        }
    }
}

// Was eine Haltung ausmacht. Im Spiel die gehaltenen Werte aufsteigend an den gehaltenen
// Positionen, so wie sie nach dem ersten, sortierten Wurf liegen (vor dem letzten Wurf zählt
// ohnehin nur die Menge). Beim klassischen Wurf zählt nur die Menge: die Werte stehen vorn,
// absteigend, dahinter die Nullen der freien Würfel.
Wuerfelreihe Wurfmodell::Schluessel(const Wuerfelreihe& reihe, unsigned halten) const
{
    auto schluessel = AufsteigendAn(reihe, halten);
    if (regel_ == Wurfregel::Klassisch) {
        std::sort(schluessel.begin(), schluessel.end(), std::greater<>());
    }
    return schluessel;
}

Wuerfelreihe Wurfmodell::Ergebnis(const Wuerfelreihe& reihe, unsigned halten, const Wuerfelreihe& neu) const
{
    Wuerfelreihe ergebnis{};
    for (std::size_t pos = 0; pos < 5; ++pos) {
        ergebnis[pos] = Gesetzt(halten, pos) ? reihe[pos] : neu[pos];
    }
    if (regel_ == Wurfregel::Klassisch) {
        std::sort(ergebnis.begin(), ergebnis.end());
    }
    return ergebnis;
}

int Wurfmodell::ReiheAufnehmen(const Wuerfelreihe& reihe)
{
    auto& index = reihenIndex_[static_cast<std::size_t>(Code(reihe))];
    if (index < 0) {
        index = static_cast<std::int16_t>(reihen_.size());
        reihen_.push_back(reihe);
        mengeDerReihe_.push_back(static_cast<std::int16_t>(MengenIndex(reihe)));
    }
    return index;
}

void Wurfmodell::HaltungenAufbauen()
{
    folgenAnfang_.push_back(0);
    for (unsigned frei = 0; frei < Haltemuster; ++frei) {
        const unsigned halten = ~frei & Alle;
        for (const auto& gehalten : Belegungen(halten)) {
            if (Schluessel(gehalten, halten) != gehalten) {
                continue;
            }
            haltungIndex_[static_cast<std::size_t>(Code(gehalten))] = static_cast<std::int16_t>(Haltungen());
            for (const auto& [neu, wahrscheinlichkeit] : neuwuerfe_[frei]) {
                const int reihe = ReiheAufnehmen(Ergebnis(gehalten, halten, neu));
                folgeReihe_.push_back(static_cast<std::int16_t>(reihe));
                folgeMenge_.push_back(mengeDerReihe_[static_cast<std::size_t>(reihe)]);
                folgeWahrscheinlichkeit_.push_back(wahrscheinlichkeit);
            }
            folgenAnfang_.push_back(static_cast<int>(folgeReihe_.size()));
        }
    }
    ersterWurf_ = Haltung(Wuerfelreihe{}, 0);
    for (const auto& reihe : reihen_) {
        for (unsigned halten = 0; halten < Haltemuster; ++halten) {
            haltungDerReihe_.push_back(static_cast<std::int16_t>(Haltung(reihe, halten)));
        }
    }
}

int Wurfmodell::MengenIndex(const Wuerfelreihe& reihe) const
{
    auto sortiert = reihe;
    std::sort(sortiert.begin(), sortiert.end());
    assert(sortiert[0] >= 1 && sortiert[4] <= 6);
    return mengenIndex_[static_cast<std::size_t>(Code(sortiert))];
}

int Wurfmodell::ReihenIndex(const Wuerfelreihe& reihe) const
{
    return reihenIndex_[static_cast<std::size_t>(Code(reihe))];
}

int Wurfmodell::Haltung(const Wuerfelreihe& reihe, unsigned halten) const
{
    return haltungIndex_[static_cast<std::size_t>(Code(Schluessel(reihe, halten)))];
}

const Wurfmodell& ModellDerRegel(Wurfregel regel)
{
    if (regel == Wurfregel::Spiel) {
        static const Wurfmodell spiel(Wurfregel::Spiel);
        return spiel;
    }
    static const Wurfmodell klassisch(Wurfregel::Klassisch);
    return klassisch;
}

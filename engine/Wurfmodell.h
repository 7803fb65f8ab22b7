#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Fünf Würfel nach Position 1 bis 5 (Index 0 bis 4); 0 heißt: an dieser Position liegt keiner.
using Wuerfelreihe = std::array<std::uint8_t, 5>;

// Wie ein Wurf die freien Würfel neu bestimmt.
enum class Wurfregel {
    // Wie dieses Spiel wirft: fünf neue Würfel, aufsteigend über alle fünf Positionen sortiert,
    // gehaltene Positionen zeigen danach wieder ihren Wert. Ein freier Würfel an Position p bekommt
    // also den p-kleinsten von fünf neuen Würfeln.
    Spiel = 1,
    // Jeder freie Würfel ist ein eigener neuer Würfel; die Position zählt nicht.
    Klassisch = 2,
};

// Was ein Wurf aus dem Halten macht, einmal für alle Spielstände ausgezählt. Eine Haltung ist
// das Paar aus den freien Positionen und den gehaltenen Werten; ihre Folgen sind die Reihen,
// die der nächste Wurf daraus machen kann, mit ihrer Wahrscheinlichkeit.
class Wurfmodell {
public:
    static constexpr int Haltemuster = 32;  // Bit p-1: Position p gehalten

    explicit Wurfmodell(Wurfregel regel);

    Wurfregel Regel() const { return regel_; }

    // Die 252 Würfelmengen (aufsteigend sortierte Reihen) und der Index der Menge einer Reihe.
    const std::vector<Wuerfelreihe>& Mengen() const { return mengen_; }
    int MengenIndex(const Wuerfelreihe& reihe) const;

    // Die Reihen, die nach einem Wurf liegen können, und der Index einer Reihe (-1: keine davon).
    const std::vector<Wuerfelreihe>& Reihen() const { return reihen_; }
    int ReihenIndex(const Wuerfelreihe& reihe) const;
    int MengeDerReihe(int reihe) const { return mengeDerReihe_[static_cast<std::size_t>(reihe)]; }

    int Haltungen() const { return static_cast<int>(folgenAnfang_.size()) - 1; }
    // Die Haltung, wenn an `reihe` die Positionen aus `halten` gehalten werden.
    int Haltung(const Wuerfelreihe& reihe, unsigned halten) const;
    // Die 32 Haltungen einer Reihe aus Reihen(), nach Haltemuster.
    const std::int16_t* HaltungenDerReihe(int reihe) const
    {
        return haltungDerReihe_.data() + static_cast<std::size_t>(reihe) * Haltemuster;
    }
    int ErsterWurf() const { return ersterWurf_; }

    // Die Folgen einer Haltung: Indizes in [Anfang, Ende) der drei Folgelisten.
    int FolgenAnfang(int haltung) const { return folgenAnfang_[static_cast<std::size_t>(haltung)]; }
    int FolgenEnde(int haltung) const { return folgenAnfang_[static_cast<std::size_t>(haltung) + 1]; }
    const std::vector<std::int16_t>& FolgeReihe() const { return folgeReihe_; }
    const std::vector<std::int16_t>& FolgeMenge() const { return folgeMenge_; }
    const std::vector<double>& FolgeWahrscheinlichkeit() const { return folgeWahrscheinlichkeit_; }

    // Ein Wurf an einer beliebigen Reihe: was er mit den neuen Werten `neu` (an den freien
    // Positionen) daraus macht, und welche neuen Werte mit welcher Wahrscheinlichkeit kommen.
    struct Neuwurf {
        Wuerfelreihe neu;
        double wahrscheinlichkeit;
    };
    const std::vector<Neuwurf>& Neuwuerfe(unsigned frei) const { return neuwuerfe_[frei]; }
    Wuerfelreihe Ergebnis(const Wuerfelreihe& reihe, unsigned halten, const Wuerfelreihe& neu) const;

private:
    void NeuwuerfeAuszaehlen();
    Wuerfelreihe Schluessel(const Wuerfelreihe& reihe, unsigned halten) const;
    void HaltungenAufbauen();
    int ReiheAufnehmen(const Wuerfelreihe& reihe);

    Wurfregel regel_;
    std::vector<Wuerfelreihe> mengen_;
    std::vector<std::int16_t> mengenIndex_;  // nach Code der sortierten Reihe
    std::vector<Wuerfelreihe> reihen_;
    std::vector<std::int16_t> reihenIndex_;  // nach Code der Reihe
    std::vector<std::int16_t> mengeDerReihe_;
    std::vector<std::int16_t> haltungIndex_;  // nach Code der Haltung
    std::vector<std::int16_t> haltungDerReihe_;
    std::vector<int> folgenAnfang_;
    std::vector<std::int16_t> folgeReihe_;
    std::vector<std::int16_t> folgeMenge_;
    std::vector<double> folgeWahrscheinlichkeit_;
    std::array<std::vector<Neuwurf>, Haltemuster> neuwuerfe_;
    int ersterWurf_ = 0;
};

// Das Modell einer Regel, beim ersten Gebrauch einmal aufgebaut.
const Wurfmodell& ModellDerRegel(Wurfregel regel);

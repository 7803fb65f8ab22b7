#pragma once

#include "Wurfmodell.h"

#include <array>
#include <cstdint>
#include <vector>

// Bestes Spiel: was ab einem Rundenbeginn im Mittel noch an Punkten kommt, wenn in jeder Runde
// so gehalten und eingetragen wird, dass dieser Mittelwert am größten ist. Die Punkte kommen aus
// den Regeln des Spiels selbst (KategoriePruefen), die Würfe aus dem Wurfmodell.

constexpr int Kategorien = 13;  // Kategorie 0 bis 5: Einer bis Sechser, 6 bis 12: Zeilen 10 bis 16
constexpr int Bonusgrenze = 63;  // wie SummenBerechnen: ab 63 oben gibt es den Bonus
constexpr int Bonus = 30;

std::int16_t ZeileDerKategorie(int kategorie);
int KategorieDerZeile(int zeile);  // -1: keine Kategorie

// Was für den Rest des Spiels zählt: welche Kategorien eingetragen sind und die obere Summe,
// auf die Bonusgrenze begrenzt (mehr bringt nichts mehr).
struct Lage {
    std::uint16_t gewertet = 0;  // Bit k: Kategorie k eingetragen
    int oben = 0;

    bool operator==(const Lage&) const = default;
};

// Kann das Spiel diese Lage hervorbringen? Die obere Summe muss aus den eingetragenen oberen
// Kategorien zu legen sein (je Augenzahl 0 bis 5 Würfel).
bool Erreichbar(Lage lage);

// Die Punkte jeder Würfelmenge in jeder Kategorie (gestrichen: 0), einmal nach den Regeln des
// Spiels ausgezählt.
class Punktetafel {
public:
    explicit Punktetafel(const Wurfmodell& modell);
    int Punkte(int menge, int kategorie) const
    {
        return punkte_[static_cast<std::size_t>(menge)][static_cast<std::size_t>(kategorie)];
    }

private:
    std::vector<std::array<std::int16_t, Kategorien>> punkte_;
};

// Je Lage der Mittelwert der Punkte, die ab dem Rundenbeginn noch kommen (Bonus eingeschlossen).
class Bestspieltabelle {
public:
    static constexpr int ObenWerte = Bonusgrenze + 1;
    static constexpr int Eintraege = (1 << Kategorien) * ObenWerte;

    Bestspieltabelle() : werte_(Eintraege, 0.0) {}

    static std::size_t Index(Lage lage) { return std::size_t{lage.gewertet} * ObenWerte + static_cast<std::size_t>(lage.oben); }
    double Wert(Lage lage) const { return werte_[Index(lage)]; }
    void Setzen(Lage lage, double wert) { werte_[Index(lage)] = wert; }
    const std::vector<double>& Werte() const { return werte_; }
    std::vector<double>& Werte() { return werte_; }

private:
    std::vector<double> werte_;
};

// Die Werte innerhalb einer Runde für eine Lage: was eine Würfelmenge eingetragen bringt (mit
// allem, was danach noch kommt), was eine Haltung vor dem letzten Wurf erwarten lässt und was
// eine Reihe vor dem letzten Wurf wert ist. Für eine neue Lage wird neu gerechnet.
class Rundenwerte {
public:
    Rundenwerte(const Wurfmodell& modell, const Punktetafel& punkte);

    void Berechnen(const Bestspieltabelle& tabelle, Lage lage);

    // Eintragen der Menge in eine offene Kategorie: Punkte, Bonus, was danach im Mittel kommt.
    double Eintrag(int menge, int kategorie) const;
    bool Offen(int kategorie) const { return ((lage_.gewertet >> kategorie) & 1u) == 0; }

    // Halten an der Reihe und weiterwürfeln, mit noch 1 oder 2 Würfen: bestes Spiel danach.
    double Halten(const Wuerfelreihe& reihe, unsigned halten, int wuerfe) const;

    // Der Mittelwert der ganzen Runde vor ihrem ersten Wurf.
    double Rundenbeginn();

    const Wurfmodell& Modell() const { return modell_; }
    const Punktetafel& Punkte() const { return punkte_; }

private:
    double VorLetztemWurf(const Wuerfelreihe& reihe) const;

    const Wurfmodell& modell_;
    const Punktetafel& punkte_;
    const Bestspieltabelle* tabelle_ = nullptr;
    Lage lage_;
    std::vector<double> besterEintrag_;  // je Menge
    std::vector<double> letzterWurf_;    // je Haltung: Mittel nach dem dritten Wurf
    std::vector<double> vorLetztem_;     // je Reihe: bestes Spiel mit noch einem Wurf
    std::vector<double> zweiterWurf_;    // je Haltung: Mittel nach dem zweiten Wurf
};

// Die ganze Tabelle, von hinten: erst die Lagen mit allen Kategorien (0), dann jede Stufe aus
// der nächsten. Nicht erreichbare Lagen bleiben 0.
Bestspieltabelle TabelleBerechnen(Wurfregel regel, unsigned threads = 2);

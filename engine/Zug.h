#pragma once

#include <array>
#include <cstdint>

// Eine Entscheidung im laufenden Spiel: nach einem Wurf mit diesen gehaltenen Würfeln
// weitergewürfelt, oder in eine Zeile eingetragen. Sie hält fest, was ihre spätere Bewertung
// braucht; die Werte selbst rechnet erst die Auswertung.
struct Zug {
    std::int16_t runde = 1;
    std::int16_t wurf = 1;                  // nach dem wievielten Wurf der Runde, 1 bis 3
    std::array<std::int16_t, 5> wuerfel{};  // wie sie lagen, Position 1 bis 5
    std::uint16_t gewertet = 0;             // Bit k: Kategorie k war schon eingetragen (Einer = 0, Chance = 12)
    std::int16_t oben = 0;                  // obere Summe bis dahin, höchstens 63
    std::int16_t summe = 0;                 // Endsumme bis dahin
    std::int16_t zeile = 0;                 // eingetragen in diese Zeile; 0: weitergewürfelt
    std::uint8_t halten = 0;                // beim Weiterwürfeln gehalten: Bit p-1 für Position p

    bool operator==(const Zug&) const = default;
};

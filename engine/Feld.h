#pragma once

#include <array>
#include <cassert>
#include <cstddef>

// Ein Feld mit festen Grenzen, wie das Spiel zählt: Würfelpositionen 1 bis 5,
// Zeilen 1 bis 16, Spieler 1 bis 3. Ein Index außerhalb ist ein Fehler des Aufrufers.
template <typename T, int Unten, int Oben>
class Feld {
public:
    static constexpr int Untergrenze = Unten;
    static constexpr int Obergrenze = Oben;

    constexpr T& operator[](int i)
    {
        assert(i >= Unten && i <= Oben);
        return werte[static_cast<std::size_t>(i - Unten)];
    }
    constexpr const T& operator[](int i) const
    {
        assert(i >= Unten && i <= Oben);
        return werte[static_cast<std::size_t>(i - Unten)];
    }
    constexpr void Fuellen(const T& wert) { werte.fill(wert); }
    constexpr bool operator==(const Feld&) const = default;

private:
    std::array<T, Oben - Unten + 1> werte{};
};

#pragma once

#include <QRect>

// Maße der Fenster sind in Twips angegeben: 15 Twips sind ein Pixel bei 100 % Skalierung.
constexpr int Pixel(int twips) { return twips / 15; }

constexpr QRect Twips(int links, int oben, int breite, int hoehe)
{
    return {Pixel(links), Pixel(oben), Pixel(breite), Pixel(hoehe)};
}

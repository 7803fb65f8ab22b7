#pragma once

#include <QColor>

// Farben, die mehrere Bilder teilen, damit Würfel, Logos und Symbole zusammenpassen.
namespace bildmaler::farben {

// Die Würfel liegen in einem Gruppenrahmen, den Qts Fusion-Stil einen Hauch dunkler füllt als
// das Fenster (#efefef): so verschwindet der Rand des Bildes dort ganz.
inline const QColor Wuerfelgrund(0xec, 0xec, 0xec);
inline const QColor Weiss(0xff, 0xff, 0xff);
inline const QColor Spielrot(0x9e, 0x16, 0x20);    // Schrift "TARVOLL", passend zum gehaltenen Würfel
inline const QColor Schiefer(0x24, 0x34, 0x4d);    // Wortmarke "quorin"
inline const QColor Grau(0x6b, 0x76, 0x88);        // Untertitel
inline const QColor Filz(0x17, 0x63, 0x41);
inline const QColor FilzDunkel(0x0d, 0x45, 0x2c);
inline const QColor Gold(0xd9, 0xb8, 0x6a);
inline const QColor Creme(0xf6, 0xea, 0xc8);

} // namespace bildmaler::farben

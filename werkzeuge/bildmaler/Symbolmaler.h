#pragma once

#include <QImage>

namespace bildmaler {

// Drei Würfel auf einem Häufchen, auf Weiß, 60 × 53 Pixel mal massstab.
QImage DreiWuerfelMalen(int massstab);

// Programmsymbol 32 × 20 Pixel mal massstab: zwei Würfel, durchsichtiger Hintergrund,
// als Bild mit 256-Farben-Palette.
QImage ProgrammsymbolMalen(int massstab);

// Dasselbe Motiv quadratisch für die Symbolordner des Desktops, mit voller Farbtiefe.
QImage QuadratsymbolMalen(int kante);

} // namespace bildmaler

#pragma once

#include <QImage>

namespace bildmaler {

// Wandelt ein Bild mit Alphakanal in ein Bild mit höchstens 256 Farben (QImage::Format_Indexed8).
// Die Palette wird aus den Farben des Bildes geschnitten (Median-Schnitt) statt aus einem festen
// Farbwürfel mit Streuraster: kleine Symbole bleiben so glatt. Eintrag 0 ist ganz durchsichtig.
QImage MitPalette(const QImage& bild);

} // namespace bildmaler

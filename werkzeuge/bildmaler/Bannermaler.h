#pragma once

#include <QImage>

namespace bildmaler {

// Band oben und unten im Hauptfenster, 1000 × 50 Pixel mal massstab. Sichtbar sind nur
// die linken 725 Pixel; was rechts davon liegt, setzt das Muster nur fort.
QImage BannerMalen(int massstab);

} // namespace bildmaler

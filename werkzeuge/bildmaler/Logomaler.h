#pragma once

#include <QImage>

namespace bildmaler {

// Schriftzug "TARVOLL" mit kleinem "quorin" auf Weiß, 200 × 40 Pixel mal massstab.
QImage NamenslogoMalen(int massstab);

// Wortmarke "quorin" mit Würfelzeichen und Untertitel auf Weiß, 475 × 93 Pixel mal massstab.
QImage HerstellerlogoMalen(int massstab);

} // namespace bildmaler

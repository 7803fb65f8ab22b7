#pragma once

#include <QFont>
#include <QPainterPath>
#include <QString>
#include <QStringList>

namespace bildmaler {

// Die Bilder verwenden nur diese Schriften (Debian: fonts-dejavu-core, fonts-liberation2).
inline const QString SansSchrift = QStringLiteral("DejaVu Sans");
inline const QString SerifSchrift = QStringLiteral("DejaVu Serif");
inline const QString LiberationSchrift = QStringLiteral("Liberation Sans");

// Namen der Schriften oben, die auf diesem Rechner fehlen.
QStringList FehlendeSchriften();

// Text als Pfad mit der Grundlinie bei y = 0. Ein Pfad sieht bei 1× und 2× gleich aus
// (kein Hinting) und lässt sich genau vermessen und ausrichten.
// sperrung: zusätzlicher Abstand zwischen den Buchstaben in Bruchteilen der Schriftgröße.
QPainterPath TextPfad(const QString& text, const QString& familie, qreal pixel,
                      QFont::Weight gewicht = QFont::Normal, qreal sperrung = 0, bool kursiv = false);

} // namespace bildmaler

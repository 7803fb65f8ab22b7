#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace bildmaler {

// Frei: elfenbeinfarben mit dunklen Augen. Gehalten: tiefrot mit weißen Augen,
// damit der Spieler gehaltene Würfel ohne Hinsehen an der Farbe erkennt.
enum class Wuerfelart { Frei, Gehalten };

struct Wuerfelmasse {
    QRectF koerper;       // Mitte der Kontur, in Koordinaten des Malers
    qreal strich = 1;     // Breite der Kontur
    qreal abstand = 0;    // von der Mitte zur äußeren Augenreihe
    qreal augenradius = 0;
    qreal ecke = 0;       // Radius der gerundeten Ecken

    // Übliche Verhältnisse für einen Würfel mit dieser Kontur.
    static Wuerfelmasse Fuer(const QRectF& koerper, qreal strich);
};

// Mitten der Augen einer Seite in Einheiten des Augenabstands, Werte -1, 0 und 1.
QList<QPointF> Augenlage(int augen);

// Malt Schatten, Körper und Augen. Der Maler darf gedreht sein; der Schatten fällt
// trotzdem nach rechts unten auf dem Bild.
void WuerfelMalen(QPainter& maler, const Wuerfelmasse& masse, int augen, Wuerfelart art,
                  bool mitSchatten = true);

// Bequemer für gedrehte Würfel in Logos und Symbolen.
void WuerfelMalen(QPainter& maler, QPointF mitte, qreal kante, qreal winkel, int augen,
                  Wuerfelart art, qreal strich);

// Ein Würfelbild für die Würfelfelder: 41 × 33 Pixel mal massstab, ohne Skalieren gemalt.
QImage WuerfelbildMalen(int augen, Wuerfelart art, int massstab);

} // namespace bildmaler

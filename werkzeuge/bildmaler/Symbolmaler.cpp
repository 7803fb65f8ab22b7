#include "Symbolmaler.h"

#include "Farben.h"
#include "Palette.h"
#include "Wuerfelmaler.h"

#include <QPainter>

namespace bildmaler {

namespace {

// Ein Bild, ganz in der Grundfarbe; bei durchsichtigem Grund mit Alphakanal.
QImage LeeresBild(int breite, int hoehe, QImage::Format format, const QColor& grund)
{
    QImage bild(breite, hoehe, format);
    bild.fill(grund);
    return bild;
}

// Das Motiv aller Programmsymbole: ein freier Würfel, halb verdeckt von einem gehaltenen.
void ZweiWuerfelMalen(QPainter& maler, QPointF hinten, QPointF vorn, qreal kante, qreal winkelHinten,
                      qreal winkelVorn)
{
    WuerfelMalen(maler, hinten, kante, winkelHinten, 5, Wuerfelart::Frei, 1);
    WuerfelMalen(maler, vorn, kante, winkelVorn, 3, Wuerfelart::Gehalten, 1);
}

} // namespace

QImage DreiWuerfelMalen(int massstab)
{
    QImage bild = LeeresBild(60 * massstab, 53 * massstab, QImage::Format_RGB32, farben::Weiss);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.scale(massstab, massstab);
    // Erst die unteren beiden, dann der obere, der in der Lücke zwischen ihnen liegt.
    WuerfelMalen(maler, {16.5, 38}, 23, -8, 5, Wuerfelart::Frei, 1);
    WuerfelMalen(maler, {42.5, 38.5}, 23, 11, 2, Wuerfelart::Frei, 1);
    WuerfelMalen(maler, {30, 17}, 23, 24, 6, Wuerfelart::Gehalten, 1);
    return bild;
}

QImage ProgrammsymbolMalen(int massstab)
{
    QImage bild = LeeresBild(32 * massstab, 20 * massstab, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
    {
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.scale(massstab, massstab);
        // Der vordere Würfel steht gerade und auf Pixelgrenzen, damit er in 32 × 20 scharf bleibt.
        ZweiWuerfelMalen(maler, {9.5, 9.5}, {23, 10}, 16, -9, 0);
    }
    return MitPalette(bild);
}

QImage QuadratsymbolMalen(int kante)
{
    QImage bild = LeeresBild(kante, kante, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    // Im Quadrat liegen die Würfel über Eck, so füllen sie die Fläche. Logisch 32 × 32.
    maler.scale(kante / 32.0, kante / 32.0);
    ZweiWuerfelMalen(maler, {11.5, 11.5}, {20.5, 20}, 18, -12, 8);
    return bild;
}

} // namespace bildmaler

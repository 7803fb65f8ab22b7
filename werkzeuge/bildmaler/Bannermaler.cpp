#include "Bannermaler.h"

#include "Farben.h"
#include "Schrift.h"
#include "Wuerfelmaler.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cstdint>

namespace bildmaler {

namespace {

constexpr qreal Breite = 1000;
constexpr qreal Hoehe = 50;

// Kleiner fester Zufall für die Filzstruktur: gleiche Bytes bei jedem Lauf.
class Rauschen {
public:
    int Naechstes(int spanne)
    {
        zustand_ = zustand_ * 1664525u + 1013904223u;
        return static_cast<int>((zustand_ >> 16) % static_cast<std::uint32_t>(2 * spanne + 1)) - spanne;
    }

private:
    std::uint32_t zustand_ = 0x7a72u;
};

// Je Bildpunkt, nicht je logischem Punkt: bei 2× wird die Körnung feiner statt gröber.
void FilzKoernen(QImage& bild)
{
    Rauschen rauschen;
    for (int y = 0; y < bild.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const int d = rauschen.Naechstes(5);
            const auto kanal = [d](int wert) { return std::clamp(wert + d, 0, 255); };
            zeile[x] = qRgb(kanal(qRed(zeile[x])), kanal(qGreen(zeile[x])), kanal(qBlue(zeile[x])));
        }
    }
}

void FilzMalen(QPainter& maler)
{
    QLinearGradient verlauf(0, 0, 0, Hoehe);
    verlauf.setColorAt(0, farben::Filz);
    verlauf.setColorAt(1, farben::FilzDunkel);
    maler.fillRect(QRectF(0, 0, Breite, Hoehe), verlauf);

    // Lichtkegel über dem Schriftzug, nach rechts abnehmend.
    QRadialGradient licht(QPointF(230, 8), 420);
    licht.setColorAt(0, QColor(255, 255, 240, 46));
    licht.setColorAt(1, QColor(255, 255, 240, 0));
    maler.fillRect(QRectF(0, 0, Breite, Hoehe), licht);
}

void SaumMalen(QPainter& maler)
{
    maler.setPen(QPen(QColor(0, 0, 0, 90), 1));
    maler.drawLine(QPointF(0, 0.5), QPointF(Breite, 0.5));
    maler.drawLine(QPointF(0, Hoehe - 0.5), QPointF(Breite, Hoehe - 0.5));
    QColor gold = farben::Gold;
    gold.setAlpha(170);
    maler.setPen(QPen(gold, 1));
    maler.drawLine(QPointF(0, 3.5), QPointF(Breite, 3.5));
    maler.drawLine(QPointF(0, Hoehe - 3.5), QPointF(Breite, Hoehe - 3.5));
}

void SchriftzugMalen(QPainter& maler)
{
    const QPainterPath pfad = TextPfad(QStringLiteral("Quorin Tarvoll"), SerifSchrift, 27, QFont::Bold, 0.02);
    const qreal grundlinie = Hoehe / 2 + 9;
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0, 0, 0, 110));
    maler.drawPath(pfad.translated(141.2, grundlinie + 1.4));
    QLinearGradient schrift(0, grundlinie - 20, 0, grundlinie);
    schrift.setColorAt(0, farben::Creme);
    schrift.setColorAt(1, farben::Gold);
    maler.setBrush(schrift);
    maler.drawPath(pfad.translated(140, grundlinie));
}

// Rechts vom Schriftzug: Würfel wie in den Filz gestickt, nur Umriss und Augen.
void WuerfelfriesMalen(QPainter& maler)
{
    int augen = 1;
    for (qreal x = 440; x < Breite; x += 46, augen = augen % 6 + 1) {
        // Nach rechts blasser: der Blick bleibt links beim Schriftzug.
        QColor gold = farben::Gold;
        gold.setAlphaF(static_cast<float>(std::max(0.25, 0.75 - (x - 440) / 900)));
        const QPointF mitte(x, Hoehe / 2);
        QColor umriss = gold;
        umriss.setAlphaF(gold.alphaF() * 0.6f);
        maler.setPen(QPen(umriss, 1));
        maler.setBrush(Qt::NoBrush);
        maler.drawRoundedRect(QRectF(mitte - QPointF(10, 10), QSizeF(20, 20)), 4, 4);
        maler.setPen(Qt::NoPen);
        maler.setBrush(gold);
        for (const QPointF& lage : Augenlage(augen))
            maler.drawEllipse(mitte + lage * 5.5, 1.8, 1.8);
    }
}

} // namespace

QImage BannerMalen(int massstab)
{
    QImage bild(static_cast<int>(Breite) * massstab, static_cast<int>(Hoehe) * massstab, QImage::Format_RGB32);
    {
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.scale(massstab, massstab);
        FilzMalen(maler);
    }
    FilzKoernen(bild);

    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.scale(massstab, massstab);
    SaumMalen(maler);
    WuerfelMalen(maler, {34, 25}, 25, -14, 5, Wuerfelart::Frei, 1);
    WuerfelMalen(maler, {67, 26}, 25, 8, 3, Wuerfelart::Gehalten, 1);
    WuerfelMalen(maler, {100, 24.5}, 25, -5, 6, Wuerfelart::Frei, 1);
    SchriftzugMalen(maler);
    WuerfelfriesMalen(maler);
    return bild;
}

} // namespace bildmaler

#include "Wuerfelmaler.h"

#include "Farben.h"

#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>

namespace bildmaler {

namespace {

struct Wuerfelfarben {
    QColor hell;          // Körper oben links
    QColor dunkel;        // Körper unten rechts
    QColor rand;
    QColor augeMulde;     // Augen sind Mulden: oben links im Schatten ...
    QColor augeLicht;     // ... unten rechts vom Licht getroffen
};

Wuerfelfarben FarbenFuer(Wuerfelart art)
{
    if (art == Wuerfelart::Gehalten)
        return {QColor(0xd6, 0x32, 0x3a), QColor(0x8c, 0x11, 0x1b), QColor(0x55, 0x08, 0x0e),
                QColor(0xe8, 0xd6, 0xd6), QColor(0xff, 0xff, 0xff)};
    return {QColor(0xff, 0xfd, 0xf6), QColor(0xe8, 0xe0, 0xcb), QColor(0x86, 0x7d, 0x6b),
            QColor(0x12, 0x14, 0x19), QColor(0x45, 0x4a, 0x57)};
}

void SchattenMalen(QPainter& maler, const Wuerfelmasse& masse)
{
    // Die Richtung gilt auf dem Bild; bei gedrehtem Maler wird sie zurückgedreht.
    const QTransform zurueck = maler.worldTransform().inverted();
    QPointF versatz = zurueck.map(QPointF(0.5, 1.0)) - zurueck.map(QPointF(0, 0));
    versatz *= masse.koerper.width() * 0.045 / std::hypot(versatz.x(), versatz.y());

    // Drei übereinanderliegende, nach außen wachsende Flächen ergeben einen weichen Rand.
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0, 0, 0, 20));
    for (int stufe = 3; stufe >= 1; --stufe) {
        const qreal weite = masse.strich * 0.6 * stufe;
        maler.drawRoundedRect(masse.koerper.translated(versatz).adjusted(-weite, -weite, weite, weite),
                              masse.ecke + weite, masse.ecke + weite);
    }
}

void AugeMalen(QPainter& maler, QPointF mitte, qreal radius, const Wuerfelfarben& farben)
{
    QRadialGradient mulde(mitte + QPointF(radius, radius) * 0.35, radius * 1.25);
    mulde.setColorAt(0, farben.augeLicht);
    mulde.setColorAt(1, farben.augeMulde);
    maler.setBrush(mulde);
    maler.drawEllipse(mitte, radius, radius);
}

} // namespace

// Die Zwei und die Drei laufen von rechts oben nach links unten.
QList<QPointF> Augenlage(int augen)
{
    switch (augen) {
    case 1: return {{0, 0}};
    case 2: return {{1, -1}, {-1, 1}};
    case 3: return {{1, -1}, {0, 0}, {-1, 1}};
    case 4: return {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    case 5: return {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}};
    case 6: return {{-1, -1}, {-1, 0}, {-1, 1}, {1, -1}, {1, 0}, {1, 1}};
    default: return {};
    }
}

Wuerfelmasse Wuerfelmasse::Fuer(const QRectF& koerper, qreal strich)
{
    const qreal w = koerper.width();
    return {koerper, strich, w * 0.25, w * 0.092, w * 0.2};
}

void WuerfelMalen(QPainter& maler, const Wuerfelmasse& masse, int augen, Wuerfelart art, bool mitSchatten)
{
    const Wuerfelfarben farben = FarbenFuer(art);
    maler.save();
    if (mitSchatten)
        SchattenMalen(maler, masse);

    QLinearGradient koerperVerlauf(masse.koerper.topLeft(), masse.koerper.bottomRight());
    koerperVerlauf.setColorAt(0, farben.hell);
    koerperVerlauf.setColorAt(1, farben.dunkel);
    maler.setPen(QPen(farben.rand, masse.strich));
    maler.setBrush(koerperVerlauf);
    maler.drawRoundedRect(masse.koerper, masse.ecke, masse.ecke);

    // Ein schwacher Glanz auf der oberen Hälfte lässt den Würfel gewölbt wirken.
    const QRectF innen = masse.koerper.adjusted(masse.strich, masse.strich, -masse.strich, -masse.strich);
    QLinearGradient glanz(innen.topLeft(), QPointF(innen.left(), innen.center().y()));
    glanz.setColorAt(0, QColor(255, 255, 255, 90));
    glanz.setColorAt(1, QColor(255, 255, 255, 0));
    maler.setPen(Qt::NoPen);
    maler.setBrush(glanz);
    maler.drawRoundedRect(innen, masse.ecke - masse.strich, masse.ecke - masse.strich);

    const QPointF mitte = masse.koerper.center();
    for (const QPointF& lage : Augenlage(augen))
        AugeMalen(maler, mitte + lage * masse.abstand, masse.augenradius, farben);
    maler.restore();
}

void WuerfelMalen(QPainter& maler, QPointF mitte, qreal kante, qreal winkel, int augen, Wuerfelart art,
                  qreal strich)
{
    maler.save();
    maler.translate(mitte);
    maler.rotate(winkel);
    const qreal innen = kante - strich;
    WuerfelMalen(maler, Wuerfelmasse::Fuer(QRectF(-innen / 2, -innen / 2, innen, innen), strich), augen, art);
    maler.restore();
}

QImage WuerfelbildMalen(int augen, Wuerfelart art, int massstab)
{
    const int breite = 41 * massstab;
    const int hoehe = 33 * massstab;
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(farben::Wuerfelgrund);

    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    // Kante und Kontur in ganzen Pixeln, die Kontur mittig auf Pixelgrenzen: so bleibt der
    // kleine Würfel scharf und liegt genau in der Mitte des Bildes.
    const int kante = 29 * massstab;
    const qreal strich = massstab;
    const qreal innen = kante - strich;
    const QRectF koerper((breite - kante) / 2.0 + strich / 2, (hoehe - kante) / 2.0 + strich / 2, innen, innen);
    Wuerfelmasse masse = Wuerfelmasse::Fuer(koerper, strich);
    masse.abstand = 7 * massstab;
    masse.augenradius = 2.6 * massstab;
    WuerfelMalen(maler, masse, augen, art);
    return bild;
}

} // namespace bildmaler

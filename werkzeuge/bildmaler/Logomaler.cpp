#include "Logomaler.h"

#include "Farben.h"
#include "Schrift.h"
#include "Wuerfelmaler.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>

namespace bildmaler {

namespace {

QImage WeissesBild(int breite, int hoehe, int massstab)
{
    QImage bild(breite * massstab, hoehe * massstab, QImage::Format_RGB32);
    bild.fill(farben::Weiss);
    return bild;
}

void Vorbereiten(QPainter& maler, int massstab)
{
    maler.setRenderHint(QPainter::Antialiasing);
    maler.scale(massstab, massstab);
    maler.setPen(Qt::NoPen);
}

// Eine sichtbare Fläche des Würfelzeichens: das Einheitsquadrat auf das Viereck gelegt,
// damit die Augen mit der Fläche verzerrt werden.
void WuerfelflaecheMalen(QPainter& maler, const QPolygonF& viereck, const QColor& farbe, int augen)
{
    maler.setBrush(farbe);
    maler.drawPolygon(viereck);
    QTransform flaeche;
    if (!QTransform::squareToQuad(viereck, flaeche))
        return;
    maler.save();
    maler.setTransform(flaeche, true);
    maler.setBrush(farben::Weiss);
    for (const QPointF& lage : Augenlage(augen))
        maler.drawEllipse(QPointF(0.5, 0.5) + lage * 0.27, 0.105, 0.105);
    maler.restore();
}

// Würfel schräg von oben: oben die Eins, links die Zwei, rechts die Drei, wie an einer Ecke
// eines echten Würfels. Die Flächen stoßen mit einer schmalen weißen Fuge aneinander.
void WuerfelzeichenMalen(QPainter& maler, QPointF mitte, qreal radius)
{
    const qreal dx = radius * 0.866;
    const qreal dy = radius * 0.5;
    const qreal fuge = radius * 0.045;
    const QPointF oben = mitte + QPointF(0, -radius);
    const QPointF links = mitte + QPointF(-dx, -dy);
    const QPointF rechts = mitte + QPointF(dx, -dy);
    const QPointF unten = mitte + QPointF(0, radius);
    const QPointF untenLinks = mitte + QPointF(-dx, dy);
    const QPointF untenRechts = mitte + QPointF(dx, dy);
    const QPointF f(0, fuge);
    const QPointF fx(fuge * 0.866, fuge * 0.5);

    // Reihenfolge der Ecken: oben links im Einheitsquadrat zuerst, dann im Uhrzeigersinn.
    WuerfelflaecheMalen(maler, QPolygonF({links, oben, rechts, mitte}).translated(0, -fuge),
                        QColor(0x5d, 0x86, 0xbd), 1);
    WuerfelflaecheMalen(maler, QPolygonF({links - fx + f, mitte - fx + f, unten - fx + f, untenLinks - fx + f}),
                        QColor(0x35, 0x5e, 0x94), 2);
    WuerfelflaecheMalen(maler,
                        QPolygonF({mitte + QPointF(fx.x(), -fx.y()) + f, rechts + QPointF(fx.x(), -fx.y()) + f,
                                   untenRechts + QPointF(fx.x(), -fx.y()) + f, unten + QPointF(fx.x(), -fx.y()) + f}),
                        QColor(0x22, 0x40, 0x6a), 3);
}

} // namespace

QImage NamenslogoMalen(int massstab)
{
    QImage bild = WeissesBild(200, 40, massstab);
    QPainter maler(&bild);
    Vorbereiten(maler, massstab);

    WuerfelMalen(maler, {19, 20}, 27, -9, 5, Wuerfelart::Gehalten, 1);

    const qreal links = 41;
    maler.setBrush(farben::Grau);
    maler.drawPath(TextPfad(QStringLiteral("quorin"), SansSchrift, 11, QFont::Normal, 0.12).translated(links + 1, 11));

    // "TARVOLL" füllt den Platz rechts vom Würfel: auf die verfügbare Breite gebracht.
    QPainterPath name = TextPfad(QStringLiteral("TARVOLL"), SansSchrift, 24, QFont::Bold, 0.06);
    const QRectF umriss = name.boundingRect();
    const qreal faktor = (200 - links - 6) / umriss.width();
    name = QTransform::fromScale(faktor, faktor).map(name);
    name.translate(links - name.boundingRect().left(), 35);
    QLinearGradient verlauf(0, 15, 0, 35);
    verlauf.setColorAt(0, QColor(0xc0, 0x25, 0x30));
    verlauf.setColorAt(1, farben::Spielrot);
    maler.setBrush(verlauf);
    maler.drawPath(name);
    return bild;
}

QImage HerstellerlogoMalen(int massstab)
{
    QImage bild = WeissesBild(475, 93, massstab);
    QPainter maler(&bild);
    Vorbereiten(maler, massstab);

    // Zeichen und Schrift zusammen mittig: das Logo steht meist allein in einem Fenster.
    const QPainterPath wort = TextPfad(QStringLiteral("quorin"), SansSchrift, 66, QFont::Bold, -0.01);
    const QPainterPath zeile =
        TextPfad(QStringLiteral("Spiele für den Desktop"), LiberationSchrift, 17, QFont::Normal, 0.08);
    const qreal zeichenRadius = 38;
    const qreal zeichenBreite = 2 * 0.866 * zeichenRadius;
    const qreal luecke = 24;
    const qreal textBreite = std::max(wort.boundingRect().width(), zeile.boundingRect().width());
    const qreal links = (475 - zeichenBreite - luecke - textBreite) / 2;
    WuerfelzeichenMalen(maler, {links + zeichenBreite / 2, 46.5}, zeichenRadius);

    const qreal textLinks = links + zeichenBreite + luecke;
    maler.setBrush(farben::Schiefer);
    maler.drawPath(wort.translated(textLinks - wort.boundingRect().left(), 57));
    maler.setBrush(farben::Grau);
    maler.drawPath(zeile.translated(textLinks + 2 - zeile.boundingRect().left(), 86));
    return bild;
}

} // namespace bildmaler

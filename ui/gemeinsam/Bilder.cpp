#include "Bilder.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {

QString DoppelteFassung(const QString& pfad)
{
    const QFileInfo info(pfad);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("@2x.") + info.suffix());
}

// Das Format steht in der Endung; so muss der Leser die Datei nicht erst erkennen.
QImage Einlesen(const QString& pfad)
{
    QImageReader leser(pfad, QFileInfo(pfad).suffix().toLower().toLatin1());
    leser.setAutoDetectImageFormat(false);
    return leser.read();
}

QPixmap Lesen(const QString& pfad, qreal pixelverhaeltnis)
{
    if (pixelverhaeltnis > 1.0) {
        const QImage bild = Einlesen(DoppelteFassung(pfad));
        if (!bild.isNull()) {
            auto pixmap = QPixmap::fromImage(bild);
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap::fromImage(Einlesen(pfad));
}

QPixmap Platzhalter(QSize groesse, qreal pixelverhaeltnis)
{
    QPixmap bild(groesse * pixelverhaeltnis);
    bild.setDevicePixelRatio(pixelverhaeltnis);
    bild.fill(QColor(0xd8, 0xd8, 0xd8));
    QPainter maler(&bild);
    maler.setPen(QColor(0x80, 0x80, 0x80));
    maler.drawRect(QRect(QPoint(0, 0), groesse).adjusted(0, 0, -1, -1));
    maler.drawText(QRect(QPoint(0, 0), groesse), Qt::AlignCenter, QStringLiteral("?"));
    return bild;
}

}  // namespace

QPixmap WuerfelbildLaden(const QString& programmordner, const QString& datei, QSize groesse, qreal pixelverhaeltnis)
{
    auto bild = Lesen(QDir(programmordner).filePath(QStringLiteral("bilder/") + datei), pixelverhaeltnis);
    return bild.isNull() ? Platzhalter(groesse, pixelverhaeltnis) : bild;
}

QPixmap FensterbildLaden(const QString& datei, qreal pixelverhaeltnis)
{
    return Lesen(QStringLiteral(":/fensterbilder/") + datei, pixelverhaeltnis);
}

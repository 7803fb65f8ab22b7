#include "Bilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <functional>
#include <system_error>

namespace {

QString DoppelteFassung(const QString& pfad)
{
    const QFileInfo info(pfad);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("@2x.") + info.suffix());
}

// Das Format steht in der Endung; so muss der Leser die Datei nicht erst erkennen.
QImage BildLesen(const QString& pfad)
{
    QImageReader leser(pfad, QFileInfo(pfad).suffix().toLower().toLatin1());
    leser.setAutoDetectImageFormat(false);
    return leser.read();
}

QPixmap Lesen(const QString& pfad, qreal pixelverhaeltnis, const std::function<QImage(const QString&)>& lesen)
{
    if (pixelverhaeltnis > 1.0) {
        const QImage bild = lesen(DoppelteFassung(pfad));
        if (!bild.isNull()) {
            auto pixmap = QPixmap::fromImage(bild);
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap::fromImage(lesen(pfad));
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

Wuerfelbilder::Wuerfelbilder(QString programmordner) : ordner_(std::move(programmordner)) {}

QPixmap Wuerfelbilder::Laden(const QString& datei, QSize groesse, qreal pixelverhaeltnis)
{
    auto bild = Lesen(QDir(ordner_).filePath(QStringLiteral("bilder/") + datei), pixelverhaeltnis,
                      [this](const QString& pfad) { return Einlesen(pfad); });
    return bild.isNull() ? Platzhalter(groesse, pixelverhaeltnis) : bild;
}

QImage Wuerfelbilder::Einlesen(const QString& pfad)
{
    std::error_code fehler;
    const std::filesystem::directory_entry eintrag(QFile::encodeName(pfad).toStdString(), fehler);
    const auto groesse = fehler ? 0 : eintrag.file_size(fehler);
    const auto geaendert = fehler ? std::filesystem::file_time_type() : eintrag.last_write_time(fehler);
    if (fehler) {
        gelesen_.remove(pfad);
        return {};
    }
    const auto gefunden = gelesen_.constFind(pfad);
    if (gefunden != gelesen_.cend() && gefunden->groesse == groesse && gefunden->geaendert == geaendert) {
        return gefunden->bild;
    }
    QImage bild = BildLesen(pfad);
    gelesen_.insert(pfad, Gelesen{groesse, geaendert, bild});
    return bild;
}

QPixmap FensterbildLaden(const QString& datei, qreal pixelverhaeltnis)
{
    return Lesen(QStringLiteral(":/fensterbilder/") + datei, pixelverhaeltnis, BildLesen);
}

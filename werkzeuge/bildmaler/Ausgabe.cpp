#include "Ausgabe.h"

#include <QFileInfo>

#include <cstdio>

namespace bildmaler {

Ausgabe::Ausgabe(const QString& ausgabeOrdner) : ordner_(ausgabeOrdner) {}

void Ausgabe::Jpeg(const QString& relativerPfad, const QImage& bild)
{
    Schreiben(relativerPfad, bild, "jpeg", 95);
}

void Ausgabe::Png(const QString& relativerPfad, const QImage& bild)
{
    Schreiben(relativerPfad, bild, "png", -1);
}

void Ausgabe::Schreiben(const QString& relativerPfad, const QImage& bild, const char* format, int qualitaet)
{
    const QString pfad = ordner_.filePath(relativerPfad);
    // Das Format steht fest und wird nicht aus der Endung geraten: die Würfelbilder enden auf ".JPG".
    if (!ordner_.mkpath(QFileInfo(pfad).path()) || !bild.save(pfad, format, qualitaet)) {
        std::fprintf(stderr, "bildmaler: %s lässt sich nicht schreiben\n", qPrintable(pfad));
        ++fehler_;
    }
}

} // namespace bildmaler

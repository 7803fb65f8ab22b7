#pragma once

#include <QDir>
#include <QImage>
#include <QString>

namespace bildmaler {

// Schreibt die Bilder unter einen Ausgabeordner und merkt sich, ob etwas schiefging,
// damit der Build am Ende mit einem Fehler abbricht statt mit halben Bildern weiterzulaufen.
class Ausgabe {
public:
    explicit Ausgabe(const QString& ausgabeOrdner);

    void Jpeg(const QString& relativerPfad, const QImage& bild);
    void Png(const QString& relativerPfad, const QImage& bild);
    int Fehler() const { return fehler_; }

private:
    void Schreiben(const QString& relativerPfad, const QImage& bild, const char* format, int qualitaet);

    QDir ordner_;
    int fehler_ = 0;
};

} // namespace bildmaler

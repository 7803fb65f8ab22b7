#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <cstdint>
#include <filesystem>

// Bilder für die Anzeige in der richtigen Auflösung: bei 200 % Skalierung die doppelt
// große Fassung "name@2x.ext", sonst die einfache.

// Die Würfelbilder aus dem Ordner "bilder" neben dem Programm. Eine Datei wird gelesen, wenn ihr
// Bild zum ersten Mal gebraucht wird oder wenn sie sich seither auf der Platte geändert hat
// (Größe oder Änderungszeit); ein Wurf decodiert so nicht jedes Mal fünf Bilder neu. Fehlt die
// Datei oder ist sie unlesbar, kommt ein schlichter Platzhalter in der Größe des Würfels.
class Wuerfelbilder {
public:
    explicit Wuerfelbilder(QString programmordner);

    QPixmap Laden(const QString& datei, QSize groesse, qreal pixelverhaeltnis);

private:
    struct Gelesen {
        std::uintmax_t groesse = 0;
        std::filesystem::file_time_type geaendert;
        QImage bild;
    };

    QImage Einlesen(const QString& pfad);

    QString ordner_;
    QHash<QString, Gelesen> gelesen_;
};

// Ein Bild aus den eingebauten Fensterbildern (":/fensterbilder/…").
QPixmap FensterbildLaden(const QString& datei, qreal pixelverhaeltnis);

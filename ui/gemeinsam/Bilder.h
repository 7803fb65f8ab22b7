#pragma once

#include <QPixmap>
#include <QString>

// Bilder für die Anzeige in der richtigen Auflösung: bei 200 % Skalierung die doppelt
// große Fassung "name@2x.ext", sonst die einfache.

// Ein Würfelbild aus dem Ordner "bilder" neben dem Programm, bei jedem Zeigen neu gelesen.
// Fehlt die Datei oder ist sie unlesbar, kommt ein schlichter Platzhalter in der Größe des Würfels.
QPixmap WuerfelbildLaden(const QString& programmordner, const QString& datei, QSize groesse, qreal pixelverhaeltnis);

// Ein Bild aus den eingebauten Fensterbildern (":/fensterbilder/…").
QPixmap FensterbildLaden(const QString& datei, qreal pixelverhaeltnis);

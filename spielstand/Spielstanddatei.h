#pragma once

#include "Spielstand.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Spielstände als Datei (*.qts): JSON in UTF-8, beschrieben in FORMAT.md. Die Fehlertexte
// sind fertige deutsche Sätze für ein Meldungsfenster, Zeilen wie in Meldung durch "\r\n" getrennt.

inline constexpr qint64 SpielstandHoechstGroesse = 256 * 1024;  // Bytes; ein echter Stand hat wenige KiB
inline constexpr int SpielstandFormatVersion = 1;
inline constexpr const char* SpielstandKennung = "Quorin Tarvoll Spielstand";

struct Speicherergebnis {
    bool gespeichert = false;
    QString fehlerText;  // warum nicht, beginnend mit "Das Spiel wurde nicht gespeichert."
};

struct Ladeergebnis {
    std::optional<Spielstand> stand;  // gefüllt genau dann, wenn die Datei ein stimmiger Spielstand ist
    QString fehlerText;               // sonst, was mit der Datei nicht stimmt
};

// Der Inhalt einer Spielstanddatei, eingerückt und in UTF-8.
QByteArray SpielstandAlsJson(const Spielstand& stand);

// Liest den Inhalt einer Spielstanddatei und prüft ihn ganz: Kennung, Version, jedes Feld
// nach Art und Bereich, dann den Stand selbst (SpielstandPruefen).
Ladeergebnis SpielstandAusJson(const QByteArray& daten);

// Schreibt atomar: entweder steht danach der ganze neue Stand in der Datei, oder sie ist,
// wie sie war. Einen widersprüchlichen Stand schreibt es nicht, denn er ließe sich nicht laden.
Speicherergebnis SpielstandSchreiben(const Spielstand& stand, const QString& pfad);

Ladeergebnis SpielstandLesen(const QString& pfad);

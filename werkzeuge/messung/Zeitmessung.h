#pragma once

#include <QObject>
#include <QPoint>

#include <cstdint>
#include <functional>
#include <set>

class QWidget;

// Gemeinsame Teile der Messprogramme: Uhr, Startzeit des Prozesses und das Erkennen des
// ersten fertig gemalten Bildes eines Fensters.

// Nanosekunden auf der monotonen Uhr; sie gilt für alle Prozesse des Rechners gleich.
std::int64_t JetztNs();

// Wann dieser Prozess begann, auf derselben Uhr. Der Starter gibt die Zeit unmittelbar vor dem
// Start in der Umgebungsvariable mit; fehlt sie, gilt /proc/self/stat (nur auf 10 ms genau).
std::int64_t Startzeit();

inline constexpr const char* StartzeitVariable = "TARVOLL_MESSUNG_START_NS";

// Meldet für jedes Fenster einmal, wann sein erstes Bild ganz gemalt ist: nach dem ersten
// Malereignis darin, sobald die Ereignisschleife wieder frei ist (alle Kinder gemalt).
class Malbeobachter : public QObject {
public:
    explicit Malbeobachter(std::function<void(QWidget* fenster, std::int64_t zeit)> gemalt);

    bool eventFilter(QObject* empfaenger, QEvent* ereignis) override;

    // Alle Malereignisse, die bisher durchkamen.
    std::int64_t malereignisse = 0;

private:
    std::function<void(QWidget*, std::int64_t)> gemalt_;
    std::set<QWidget*> gesehen_;
};

// Ein Klick mit der linken Taste an `ort` (sonst in die Mitte), so wie ihn Qt zustellt.
void Klicken(QWidget* ziel, QPoint ort = {-1, -1});

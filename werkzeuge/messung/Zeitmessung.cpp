#include "Zeitmessung.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

std::int64_t Nanosekunden(clockid_t uhr)
{
    timespec jetzt{};
    clock_gettime(uhr, &jetzt);
    return static_cast<std::int64_t>(jetzt.tv_sec) * 1'000'000'000 + jetzt.tv_nsec;
}

}  // namespace

std::int64_t JetztNs() { return Nanosekunden(CLOCK_MONOTONIC); }

std::int64_t Startzeit()
{
    if (const char* wert = std::getenv(StartzeitVariable)) {
        return std::strtoll(wert, nullptr, 10);
    }
    // Feld 22 von /proc/self/stat: Start in Takten seit dem Hochfahren (Uhr CLOCK_BOOTTIME).
    std::ifstream datei("/proc/self/stat");
    std::string zeile;
    std::getline(datei, zeile);
    std::istringstream felder(zeile.substr(zeile.rfind(')') + 2));
    std::string feld;
    int nummer = 2;
    while (nummer < 22 && felder >> feld) {
        ++nummer;
    }
    const auto startSeitHochfahren = std::stoll(feld) * (1'000'000'000 / sysconf(_SC_CLK_TCK));
    return JetztNs() - (Nanosekunden(CLOCK_BOOTTIME) - startSeitHochfahren);
}

Malbeobachter::Malbeobachter(std::function<void(QWidget*, std::int64_t)> gemalt) : gemalt_(std::move(gemalt)) {}

bool Malbeobachter::eventFilter(QObject* empfaenger, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::Paint && empfaenger->isWidgetType()) {
        ++malereignisse;
        QWidget* fenster = static_cast<QWidget*>(empfaenger)->window();
        if (gesehen_.insert(fenster).second) {
            // Nach diesem Malereignis malt Qt noch die übrigen Kinder und gibt das Bild aus;
            // der Zeitgeber läuft erst danach.
            QTimer::singleShot(0, this, [this, fenster = QPointer<QWidget>(fenster)] {
                const auto zeit = JetztNs();
                if (fenster) {
                    gemalt_(fenster, zeit);
                }
            });
        }
    }
    return QObject::eventFilter(empfaenger, ereignis);
}

void Klicken(QWidget* ziel, QPoint ort)
{
    if (ort == QPoint(-1, -1)) {
        ort = ziel->rect().center();
    }
    const QPointF lokal(ort);
    const QPointF global(ziel->mapToGlobal(ort));
    QMouseEvent druck(QEvent::MouseButtonPress, lokal, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &druck);
    QMouseEvent loslassen(QEvent::MouseButtonRelease, lokal, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &loslassen);
}

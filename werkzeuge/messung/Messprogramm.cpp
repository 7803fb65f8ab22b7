// Das Spiel mit genau dem Start von app/main.cpp, dazu ein Beobachter: er notiert, wann die
// Titelkarte ganz gemalt ist, klickt sie an, notiert das erste Bild des Hauptfensters und
// beendet das Programm. Nur zum Messen; installiert wird es nicht.

// Was main.cpp einbindet, kommt vorher, damit die Umbenennung nur main.cpp selbst trifft.
#include "Bilder.h"
#include "Dateiauswahl.h"
#include "Programm.h"
#include "QtMeldungen.h"
#include "Schriften.h"
#include "Zeitmessung.h"
#include "Zufall.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

#include <cstdio>

#define main SpielStarten
#include "../../app/main.cpp"
#undef main

namespace {

std::int64_t start = 0;

void BeobachterEinhaengen()
{
    static std::int64_t titelkarte = 0;
    static std::int64_t klick = 0;
    // Lebt bis zum Ende des Prozesses, so wie die Anwendung, an der er hängt.
    static Malbeobachter beobachter([](QWidget* fenster, std::int64_t zeit) {
        const auto name = fenster->objectName();
        if (name == QStringLiteral("frmTitelbild") && titelkarte == 0) {
            titelkarte = zeit;
            klick = JetztNs();
            Klicken(fenster);
        } else if (name == QStringLiteral("frmTarvoll") && titelkarte != 0) {
            std::printf("erstes_bild_ns %lld\nklick_ns %lld\nzweites_bild_ns %lld\n",
                        static_cast<long long>(titelkarte - start), static_cast<long long>(klick - start),
                        static_cast<long long>(zeit - start));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
    });
    QCoreApplication::instance()->installEventFilter(&beobachter);
}

}  // namespace

// Läuft im Konstruktor der QApplication in main.cpp, bevor ein Fenster entsteht.
Q_COREAPP_STARTUP_FUNCTION(BeobachterEinhaengen)

int main(int argc, char** argv)
{
    start = Startzeit();
    return SpielStarten(argc, argv);
}

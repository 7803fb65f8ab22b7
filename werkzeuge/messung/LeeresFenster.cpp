// Das leere Fenster: so schnell und so klein, wie ein Qt-Widgets-Programm sein kann. Es zeigt
// ein Fenster von der Größe der Titelkarte und nach einem Klick darauf ein zweites von der
// Größe des Hauptfensters; gemessen wird wie im Messprogramm.

#include "Twips.h"
#include "Zeitmessung.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

namespace {

class Fenster : public QWidget {
public:
    QWidget* nachKlick = nullptr;

protected:
    void mouseReleaseEvent(QMouseEvent*) override
    {
        if (nachKlick) {
            nachKlick->show();
        }
    }
};

}  // namespace

int main(int argc, char** argv)
{
    const auto start = Startzeit();
    QApplication anwendung(argc, argv);

    QWidget zweites;
    zweites.setFixedSize(Pixel(10875), Pixel(6705));
    Fenster erstes;
    erstes.setFixedSize(Pixel(8175), Pixel(3975));
    erstes.nachKlick = &zweites;

    std::int64_t erstesBild = 0;
    std::int64_t klick = 0;
    Malbeobachter beobachter([&](QWidget* fenster, std::int64_t zeit) {
        if (fenster == &erstes) {
            erstesBild = zeit;
            klick = JetztNs();
            Klicken(&erstes);
        } else if (fenster == &zweites) {
            std::printf("erstes_bild_ns %lld\nklick_ns %lld\nzweites_bild_ns %lld\n",
                        static_cast<long long>(erstesBild - start), static_cast<long long>(klick - start),
                        static_cast<long long>(zeit - start));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
    });
    anwendung.installEventFilter(&beobachter);

    erstes.show();
    return QApplication::exec();
}

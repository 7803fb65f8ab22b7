// Der Boden der Messung: ein Qt-Widgets-Programm, das zeigt, was jedes Programm mit einer
// Titelkarte mindestens zeigt. Es öffnet ein Fenster von der Größe der Titelkarte und nach einem
// Klick darauf ein zweites von der Größe des Hauptfensters; gemessen wird wie im Messprogramm.
// Mit "--beschriftet BILD" zeigt das erste Fenster eine Zeile Text und ein JPEG-Bild: das ist
// der Boden, an dem das Spiel gemessen wird. Schon die erste Zeile Text lädt die
// Schriftenverwaltung. Ohne den Schalter bleibt das Fenster leer und ordnet nur ein.

#include "Twips.h"
#include "Zeitmessung.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <cstring>

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
    if (argc == 3 && std::strcmp(argv[1], "--beschriftet") == 0) {
        const QPixmap bild(QString::fromLocal8Bit(argv[2]));
        if (bild.isNull()) {
            std::fprintf(stderr, "%s ist kein lesbares Bild\n", argv[2]);
            return 2;
        }
        auto* text = new QLabel(QStringLiteral("Version 1.2.8"), &erstes);
        text->move(Pixel(3360), Pixel(3240));
        auto* bildfeld = new QLabel(&erstes);
        bildfeld->setPixmap(bild);
        bildfeld->move(Pixel(480), Pixel(240));
    }

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

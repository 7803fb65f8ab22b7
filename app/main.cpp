#include "Dateiauswahl.h"
#include "Programm.h"
#include "QtMeldungen.h"
#include "Schriften.h"
#include "Zufall.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    // Die Argumente werden gelesen, bevor Qt seine eigenen Schalter herausnimmt.
    const auto kommandozeile = Kommandozeile(argc, argv);

    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorintarvoll"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/fensterbilder/programmsymbol.png")));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexte);
    }
    SchriftenEinrichten();

    QtMeldungen meldungen;
    Zufallsgenerator zufall;
    Systemuhr uhr;
    QtDateiauswahl dateiauswahl;
    Programm programm({meldungen, zufall, uhr, dateiauswahl, QApplication::applicationDirPath()}, kommandozeile);
    programm.Starten();
    return QApplication::exec();
}

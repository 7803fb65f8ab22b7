#include "Bilder.h"
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
    // Aus den Bildern selbst gelesen: QIcon mit einem Dateinamen erkennt das Format, indem es
    // jedes Bildformat-Modul lädt, und das zahlte der Start vor dem ersten Bild der Titelkarte.
    QIcon symbol;
    for (const qreal verhaeltnis : {1.0, 2.0}) {
        symbol.addPixmap(FensterbildLaden(QStringLiteral("programmsymbol.png"), verhaeltnis));
    }
    QApplication::setWindowIcon(symbol);
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

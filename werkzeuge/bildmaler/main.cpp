// bildmaler: malt beim Bauen alle Bilder des Spiels in den Build-Ordner.
// Aufruf: bildmaler <ausgabeOrdner>

#include "Ausgabe.h"
#include "Bannermaler.h"
#include "Logomaler.h"
#include "Schrift.h"
#include "Symbolmaler.h"
#include "Wuerfelmaler.h"

#include <QGuiApplication>

#include <cstdio>
#include <functional>

using namespace bildmaler;

namespace {

// Würfel 0 bis 6 frei, 11 bis 16 gehalten; jeweils einfach und doppelt groß.
void WuerfelbilderSchreiben(Ausgabe& ausgabe)
{
    for (int nummer : {0, 1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16}) {
        const Wuerfelart art = nummer > 10 ? Wuerfelart::Gehalten : Wuerfelart::Frei;
        ausgabe.Jpeg(QStringLiteral("bilder/%1.JPG").arg(nummer), WuerfelbildMalen(nummer % 10, art, 1));
        ausgabe.Jpeg(QStringLiteral("bilder/%1@2x.JPG").arg(nummer), WuerfelbildMalen(nummer % 10, art, 2));
    }
}

void FensterbilderSchreiben(Ausgabe& ausgabe)
{
    const struct {
        const char* name;
        std::function<QImage(int)> malen;
    } jpegs[] = {
        {"banner", BannerMalen},
        {"namenslogo", NamenslogoMalen},
        {"herstellerlogo", HerstellerlogoMalen},
        {"dreiwuerfel", DreiWuerfelMalen},
    };
    for (const auto& bild : jpegs) {
        ausgabe.Jpeg(QStringLiteral("fensterbilder/%1.jpg").arg(QLatin1String(bild.name)), bild.malen(1));
        ausgabe.Jpeg(QStringLiteral("fensterbilder/%1@2x.jpg").arg(QLatin1String(bild.name)), bild.malen(2));
    }
    ausgabe.Png(QStringLiteral("fensterbilder/programmsymbol.png"), ProgrammsymbolMalen(1));
    ausgabe.Png(QStringLiteral("fensterbilder/programmsymbol@2x.png"), ProgrammsymbolMalen(2));
}

void SymboleSchreiben(Ausgabe& ausgabe)
{
    for (int kante : {32, 48, 64, 128, 256})
        ausgabe.Png(QStringLiteral("symbole/quorintarvoll-%1.png").arg(kante), QuadratsymbolMalen(kante));
}

} // namespace

int main(int argc, char* argv[])
{
    // Läuft beim Bauen, auch ohne Bildschirm; Schrift malen braucht trotzdem eine Plattform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);

    const QStringList argumente = QGuiApplication::arguments();
    if (argumente.size() != 2) {
        std::fprintf(stderr, "Aufruf: bildmaler <ausgabeOrdner>\n");
        return 2;
    }
    // Mit einer Ersatzschrift sähen die Logos auf jedem Rechner anders aus: lieber abbrechen.
    if (const QStringList fehlend = FehlendeSchriften(); !fehlend.isEmpty()) {
        std::fprintf(stderr, "bildmaler: Schriften fehlen: %s (Pakete fonts-dejavu-core, fonts-liberation2)\n",
                     qPrintable(fehlend.join(QStringLiteral(", "))));
        return 1;
    }

    Ausgabe ausgabe(argumente.at(1));
    WuerfelbilderSchreiben(ausgabe);
    FensterbilderSchreiben(ausgabe);
    SymboleSchreiben(ausgabe);
    return ausgabe.Fehler() == 0 ? 0 : 1;
}

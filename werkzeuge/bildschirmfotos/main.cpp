// Zeichnet jedes Fenster des Spiels in eine PNG-Datei, ohne Bildschirm:
//   bildschirmfotos <zielordner> [<skalierung>]
// Das Hauptfenster wird mitten in einem Spiel gezeigt, mit gehaltenen Würfeln.

#include "Dateiauswahl.h"
#include "Programm.h"
#include "QtMeldungen.h"
#include "Schriften.h"
#include "frmDebug.h"
#include "frmSpieler.h"
#include "frmStatistik.h"
#include "frmTarvoll.h"
#include "frmTitelbild.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSlider>

#include <deque>

namespace {

// Gibt die Augen eines Wurfs der Reihe nach vor und beantwortet jede Frage mit Ja.
class Vorgaben : public Zufallsquelle, public Meldungen, public Uhr {
public:
    std::deque<int> augen;
    void Mischen(double) override {}
    float Ziehen() override
    {
        const int wert = augen.empty() ? 1 : augen.front();
        if (!augen.empty()) {
            augen.pop_front();
        }
        return (static_cast<float>(wert) - 0.5f) / 6.0f;
    }
    Antwort Zeigen(const Meldung& meldung) override { return meldung.knoepfe == Knoepfe::OK ? Antwort::OK : Antwort::Ja; }
    double SekundenSeitMitternacht() override { return 0; }
};

bool Speichern(QWidget& fenster, const QDir& ziel, const QString& name)
{
    fenster.show();
    QApplication::processEvents();
    const auto pfad = ziel.filePath(name + QStringLiteral(".png"));
    const bool gut = fenster.grab().save(pfad);
    qInfo("%s %s", gut ? "geschrieben:" : "FEHLER:", qPrintable(pfad));
    return gut;
}

void Spielen(frmTarvoll& fenster, Vorgaben& vorgaben)
{
    auto& spiel = fenster.spiel();
    fenster.cmdNeu->click();
    const std::array<std::pair<std::array<int, 5>, int>, 4> runden{{
        {{3, 3, 3, 5, 5}, 12}, {{1, 2, 3, 4, 6}, 1}, {{6, 6, 6, 2, 4}, 6}, {{2, 3, 4, 5, 1}, 14}}};
    for (const auto& [augen, zeile] : runden) {
        vorgaben.augen.assign(augen.begin(), augen.end());
        fenster.cmdWuerfeln->click();
        spiel.frmTarvoll.mfgPunktanzeige.AktuelleZelleSetzen(zeile, 1);
        spiel.frmTarvoll_mfgPunktanzeige_Click();
    }
    vorgaben.augen = {4, 4, 2, 6, 4};
    fenster.cmdWuerfeln->click();
    spiel.frmTarvoll_imgWuerfel_Click(1);
    spiel.frmTarvoll_imgWuerfel_Click(2);
    spiel.frmTarvoll_imgWuerfel_Click(3);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2) {
        qputenv("QT_SCALE_FACTOR", argv[2]);
    }
    QApplication anwendung(argc, argv);
    SchriftenEinrichten();
    const QDir ziel(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bildschirmfotos"));
    QDir().mkpath(ziel.path());

    Vorgaben vorgaben;
    QtDateiauswahl dateiauswahl;
    Programm programm({vorgaben, vorgaben, vorgaben, dateiauswahl, QApplication::applicationDirPath()}, {});
    bool gut = true;

    frmTitelbild titel;
    gut &= Speichern(titel, ziel, QStringLiteral("titelbild"));

    programm.HauptfensterZeigen();
    auto& haupt = *programm.hauptfenster();
    Spielen(haupt, vorgaben);
    gut &= Speichern(haupt, ziel, QStringLiteral("hauptfenster"));

    auto& spiel = programm.spiel();
    spiel.strSpielername[1] = "Anna";
    spiel.strSpielername[2] = "Berta";
    frmSpieler spieler(spiel, vorgaben, &haupt);
    spieler.sldSpieler->setValue(2);
    gut &= Speichern(spieler, ziel, QStringLiteral("spieler"));

    frmStatistik statistik(spiel);
    gut &= Speichern(statistik, ziel, QStringLiteral("statistik"));

    frmDebug debug(spiel, QPointer<QWidget>(&haupt));
    debug.cmdInstallation_Pruefen->click();
    gut &= Speichern(debug, ziel, QStringLiteral("debug"));
    return gut ? 0 : 1;
}

// Zeichnet jedes Fenster des Spiels in eine PNG-Datei, ohne Bildschirm:
//   bildschirmfotos <zielordner> [<skalierung>]
// Das Hauptfenster wird mitten in einem Spiel gezeigt, mit gehaltenen Würfeln, dann noch einmal
// mit dem Tipp dazu; die Auswertung zeigt die Züge dieses Spiels.

#include "Dateiauswahl.h"
#include "Programm.h"
#include "QtMeldungen.h"
#include "Schriften.h"
#include "basTarvoll.h"
#include "frmAuswertung.h"
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

void Halten(basTarvoll& spiel, std::initializer_list<std::int16_t> indizes)
{
    for (const auto index : indizes) {
        spiel.frmTarvoll_imgWuerfel_Click(index);
    }
}

// Vier Runden, zwei davon mit gehaltenen Würfeln und zweitem Wurf, dann der erste Wurf der
// fünften Runde mit drei gehaltenen Vieren: so hat die Auswertung Züge jeder Art.
void Spielen(frmTarvoll& fenster, Vorgaben& vorgaben)
{
    auto& spiel = fenster.spiel();
    const auto werfen = [&](std::initializer_list<int> augen) {
        vorgaben.augen.assign(augen.begin(), augen.end());
        fenster.cmdWuerfeln->click();
    };
    const auto eintragen = [&](int zeile) {
        spiel.frmTarvoll.mfgPunktanzeige.AktuelleZelleSetzen(zeile, 1);
        spiel.frmTarvoll_mfgPunktanzeige_Click();
    };
    fenster.cmdNeu->click();
    werfen({3, 3, 1, 5, 2});
    Halten(spiel, {2, 3, 4});
    werfen({3, 5, 6, 6, 6});
    eintragen(12);
    werfen({1, 2, 3, 4, 6});
    eintragen(1);
    werfen({6, 6, 6, 2, 4});
    Halten(spiel, {2, 3, 4});
    werfen({1, 1, 1, 1, 1});
    eintragen(6);
    werfen({2, 3, 4, 5, 1});
    eintragen(14);
    werfen({4, 4, 2, 6, 4});
    Halten(spiel, {1, 2, 3});
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
    Halten(haupt.spiel(), {1, 2, 3});  // wieder frei: der Tipp markiert, was zu halten ist
    haupt.mnuTipp->trigger();
    gut &= Speichern(haupt, ziel, QStringLiteral("tipp"));

    frmAuswertung auswertung(programm.spiel());
    gut &= Speichern(auswertung, ziel, QStringLiteral("auswertung"));

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

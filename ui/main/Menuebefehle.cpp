// Die Befehle der Menüs und des Knopfs "Beenden" im Hauptfenster.

#include "frmTarvoll.h"

#include "Schnittstellen.h"
#include "Spielstanddatei.h"
#include "basTarvoll.h"
#include "frmAuswertung.h"
#include "frmDebug.h"
#include "frmSpieler.h"
#include "frmStatistik.h"
#include "frmTitelbild.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

void frmTarvoll::frmTarvoll_cmdBeenden_Click()
{
    const Meldung frage{"Quorin Tarvoll - Beenden", "Programm beenden?", Knoepfe::JaNein, Symbol::Frage};
    if (umgebung_.meldungen.Zeigen(frage) != Antwort::Nein) {
        ProgrammBeenden();
    }
}

void frmTarvoll::frmTarvoll_mnuBeenden_Click() { frmTarvoll_cmdBeenden_Click(); }

void frmTarvoll::frmTarvoll_mnuInfo_Click()
{
    frmTitelbild info(this);
    info.exec();
}

void frmTarvoll::frmTarvoll_mnuSpieler_Click()
{
    frmSpieler spieler(spiel_, umgebung_.meldungen, this);
    spieler.exec();
}

namespace {

// Ein Fenster ohne Besitzer, das es nur einmal gibt: angelegt beim ersten Befehl,
// danach nur nach vorn geholt.
template <typename Fenster, typename Anlegen>
void EinmalZeigen(QPointer<Fenster>& fenster, Anlegen anlegen)
{
    if (!fenster) {
        fenster = anlegen();
        fenster->setAttribute(Qt::WA_DeleteOnClose);
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

}  // namespace

void frmTarvoll::frmTarvoll_mnuStatistik_Click()
{
    EinmalZeigen(statistik_, [this] { return new frmStatistik(spiel_); });
}

// Der Rat steht in der Infozeile, die Würfel zum Halten tragen ihre Marke; das zeigt Anzeigen().
void frmTarvoll::frmTarvoll_mnuTipp_Click() { spiel_.Tipp(); }

void frmTarvoll::frmTarvoll_mnuAuswertung_Click()
{
    EinmalZeigen(auswertung_, [this] { return new frmAuswertung(spiel_); });
}

void frmTarvoll::frmTarvoll_mnuDebug_Click()
{
    EinmalZeigen(debug_, [this] { return new frmDebug(spiel_, QPointer<QWidget>(this)); });
}

void frmTarvoll::frmTarvoll_mnuSpielregeln_Click() { HilfeOeffnen(QStringLiteral("Spielregeln.htm")); }

void frmTarvoll::frmTarvoll_mnuLiesmich_Click() { HilfeOeffnen(QStringLiteral("Liesmich.htm")); }

// Der Dokumentöffner des Desktops zeigt die Seite; scheitert er oder fehlt sie, bleibt alles still.
void frmTarvoll::HilfeOeffnen(const QString& datei)
{
    const QFileInfo seite(QDir(umgebung_.programmordner).filePath(QStringLiteral("hilfe/") + datei));
    if (seite.isFile()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(seite.absoluteFilePath()));
    }
}

void frmTarvoll::DateidialogEinrichten(const QString& titel)
{
    cdlDialog1.DialogTitle = titel;
    cdlDialog1.Filter = QStringLiteral("Quorin Tarvoll Spielstand (*.qts)");
    cdlDialog1.DefaultExt = QStringLiteral("qts");
}

void frmTarvoll::frmTarvoll_mnuOeffnen_Click()
{
    DateidialogEinrichten(QStringLiteral("Spielstand öffnen"));
    if (!umgebung_.dateiauswahl.ShowOpen(cdlDialog1, this)) {
        return;
    }
    const auto gelesen = SpielstandLesen(cdlDialog1.FileName);
    if (!gelesen.stand) {
        const auto text = QStringLiteral("Der Spielstand wurde nicht geladen.\r\n") + gelesen.fehlerText;
        umgebung_.meldungen.Zeigen({"Quorin Tarvoll - Öffnen", text.toStdString(), Knoepfe::OK, Symbol::Warnung});
        return;
    }
    spiel_.SpielstandUebernehmen(*gelesen.stand);
}

void frmTarvoll::frmTarvoll_mnuSpeichern_Click()
{
    DateidialogEinrichten(QStringLiteral("Spielstand speichern"));
    cdlDialog1.FileName = QStringLiteral("Spielstand1");
    if (!umgebung_.dateiauswahl.ShowSave(cdlDialog1, this)) {
        return;
    }
    const auto ergebnis = SpielstandSchreiben(spiel_.SpielstandGeben(), cdlDialog1.FileName);
    if (!ergebnis.gespeichert) {
        umgebung_.meldungen.Zeigen(
            {"Quorin Tarvoll - Speichern", ergebnis.fehlerText.toStdString(), Knoepfe::OK, Symbol::Warnung});
    }
}

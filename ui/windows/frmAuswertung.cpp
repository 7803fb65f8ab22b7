#include "frmAuswertung.h"

#include "Bildfeld.h"
#include "Schriften.h"
#include "Steuerelemente.h"
#include "Twips.h"
#include "Werkzeugfenster.h"
#include "basTarvoll.h"

#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>

namespace {

const QStringList Spalten{QStringLiteral("Runde"),     QStringLiteral("Wurf"),       QStringLiteral("Würfel"),
                          QStringLiteral("Ihre Wahl"), QStringLiteral("Beste Wahl"), QStringLiteral("Verlust")};
constexpr int SpalteIhreWahl = 3, SpalteBesteWahl = 4, SpalteVerlust = 5;

// Erwartete Punkte mit zwei Stellen nach dem Komma: "3,42".
QString Punktzahl(double wert) { return QLocale(QLocale::German, QLocale::Germany).toString(wert, 'f', 2); }

QStringList Zeilentexte(const Auswertungszeile& zeile)
{
    const auto text = [](const std::string& t) { return t.empty() ? QStringLiteral("–") : QString::fromStdString(t); };
    return {QString::number(zeile.runde),
            QString::number(zeile.wurf),
            QString::fromStdString(zeile.wuerfel),
            QString::fromStdString(zeile.ihreWahl),
            text(zeile.besteWahl),
            zeile.verlust ? Punktzahl(*zeile.verlust) : QStringLiteral("–")};
}

QString Ergebnistext(const Auswertung& auswertung)
{
    if (!auswertung.grund.empty()) {
        return QStringLiteral("Keine Auswertung: ") + QString::fromStdString(auswertung.grund);
    }
    const auto bestesSpiel = QStringLiteral("Erwartete Endsumme bei bestem Spiel vom ersten Wurf an: %1 Punkte")
                                 .arg(Punktzahl(auswertung.bestesSpiel));
    if (auswertung.zeilen.empty()) {
        return bestesSpiel + QStringLiteral("\nIn diesem Spiel ist noch nichts entschieden.");
    }
    return bestesSpiel + QStringLiteral("\nDurch Ihre Entscheidungen im Mittel verschenkt: %1 Punkte")
                             .arg(Punktzahl(auswertung.verschenkt));
}

}  // namespace

frmAuswertung::frmAuswertung(basTarvoll& spiel, QWidget* eltern) : QWidget(eltern), spiel_(spiel)
{
    Image1 = WerkzeugfensterEinrichten(this, "frmAuswertung", "Auswertung", 10800, 6900);
    lblAuswertung = Beschriftung(this, "lblAuswertung", Twips(3773, 720, 3255, 375), QStringLiteral("Auswertung"));
    lblAuswertung->setFont(Standardschrift(13.5, true));

    mfgAuswertung = Anlegen<QTableWidget>(this, "mfgAuswertung", Twips(240, 1200, 10320, 4200));
    mfgAuswertung->setAccessibleName(QStringLiteral("Entscheidungen"));
    mfgAuswertung->setColumnCount(static_cast<int>(Spalten.size()));
    mfgAuswertung->setHorizontalHeaderLabels(Spalten);
    mfgAuswertung->verticalHeader()->hide();
    mfgAuswertung->verticalHeader()->setDefaultSectionSize(Pixel(300));
    mfgAuswertung->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mfgAuswertung->setSelectionMode(QAbstractItemView::NoSelection);
    mfgAuswertung->setTabKeyNavigation(false);
    mfgAuswertung->setWordWrap(false);
    auto* kopf = mfgAuswertung->horizontalHeader();
    kopf->setSectionResizeMode(QHeaderView::Fixed);
    kopf->setSectionResizeMode(SpalteIhreWahl, QHeaderView::Stretch);
    kopf->setSectionResizeMode(SpalteBesteWahl, QHeaderView::Stretch);
    for (const auto& [spalte, breite] : {std::pair{0, 675}, {1, 600}, {2, 1200}, {SpalteVerlust, 900}}) {
        mfgAuswertung->setColumnWidth(spalte, Pixel(breite));
    }

    lblErgebnis = Beschriftung(this, "lblErgebnis", Twips(240, 5520, 10320, 615), {}, Qt::AlignLeft | Qt::AlignVCenter);
    lblErgebnis->setWordWrap(true);

    cmdSchliessen = Anlegen<QPushButton>(this, "cmdSchliessen", Twips(4793, 6240, 1215, 495));
    cmdSchliessen->setText(QStringLiteral("&Schliessen"));
    connect(cmdSchliessen, &QPushButton::clicked, this, &QWidget::close);
    setTabOrder(mfgAuswertung, cmdSchliessen);
    // Der Knopf bekommt den ersten Fokus; so zeigt die Tabelle keinen Fokusrahmen, bevor man sie
    // mit Tab ansteuert.
    cmdSchliessen->setFocus();

    Aktualisieren();
}

// Neu gefüllt wird nur, was sich geändert hat; eine neue Zeile wird ins Bild gerollt.
void frmAuswertung::Aktualisieren()
{
    const auto auswertung = spiel_.Auswerten();
    std::vector<QStringList> zeilen;
    for (const auto& zeile : auswertung.zeilen) {
        zeilen.push_back(Zeilentexte(zeile));
    }
    const auto ergebnis = Ergebnistext(auswertung);
    if (lblErgebnis->text() != ergebnis) {
        lblErgebnis->setText(ergebnis);
    }
    if (zeilen == gezeigt_) {
        return;
    }
    const bool neueZeile = zeilen.size() > gezeigt_.size();
    mfgAuswertung->setRowCount(static_cast<int>(zeilen.size()));
    for (std::size_t z = 0; z < zeilen.size(); ++z) {
        for (int s = 0; s < zeilen[z].size(); ++s) {
            if (z < gezeigt_.size() && gezeigt_[z][s] == zeilen[z][s]) {
                continue;
            }
            auto* zelle = new QTableWidgetItem(zeilen[z][s]);
            const bool wahl = s == SpalteIhreWahl || s == SpalteBesteWahl;
            const auto waagerecht = wahl ? Qt::AlignLeft : s == SpalteVerlust ? Qt::AlignRight : Qt::AlignHCenter;
            zelle->setTextAlignment(Qt::AlignVCenter | waagerecht);
            if (wahl) {
                zelle->setToolTip(zeilen[z][s]);
            }
            mfgAuswertung->setItem(static_cast<int>(z), s, zelle);
        }
    }
    gezeigt_ = std::move(zeilen);
    if (neueZeile) {
        mfgAuswertung->scrollToBottom();
    }
}

void frmAuswertung::showEvent(QShowEvent* ereignis)
{
    WerkzeugfensterZeigen(this, Image1, ereignis);
    QWidget::showEvent(ereignis);
}

#include "Fensterhilfen.h"
#include "frmAuswertung.h"

#include <QAction>
#include <QTableWidget>
#include <QTemporaryDir>

// Die letzte Runde, nur "Tarvoll" ist offen, mit einer Tabelle voller Nullen: der Rat hängt nur
// an den Würfeln dieser Runde.
static void NurTarvollOffen(Fenstertisch& tisch)
{
    tisch.spiel.TabelleSetzen(std::make_shared<Bestspieltabelle>());
    QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
    for (const int zeile : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 16}) {
        tisch.spiel.blnGewertet[zeile] = true;
    }
    tisch.spiel.intRunde = 13;
}

// Je Würfel "M", wenn sein Bild die Marke des Tipps trägt, und "A", wenn seine Ansage sie nennt.
static QString Marken(Fenstertisch& tisch)
{
    QStringList marken;
    for (auto* wuerfel : tisch.fenster.imgWuerfel) {
        const bool gemalt = wuerfel->grab().toImage().pixelColor(2, 2) == wuerfel->palette().color(QPalette::Highlight);
        marken << QString(gemalt ? "M" : "-") + (wuerfel->accessibleName().endsWith(", Tipp: halten") ? "A" : "-");
    }
    return marken.join(' ');
}

static QList<frmAuswertung*> OffeneAuswertungen()
{
    QList<frmAuswertung*> offen;
    for (auto* fenster : QApplication::topLevelWidgets()) {
        if (auto* auswertung = qobject_cast<frmAuswertung*>(fenster); auswertung && auswertung->isVisible()) {
            offen.append(auswertung);
        }
    }
    return offen;
}

class TippTest : public QObject {
    Q_OBJECT

private slots:
    // Ein Rat zum Eintragen macht die Zeile aktuell; ein Rat zum Halten markiert die Würfel, bis
    // zur nächsten Handlung, und die Infozeile behält ihn, ganz lesbar.
    void tippZeigtZeileUndMarken()
    {
        Fenstertisch tisch;
        auto* info = tisch.fenster.lblInfo;
        NurTarvollOffen(tisch);
        tisch.Werfen({6, 6, 6, 6, 6});
        tisch.fenster.mnuTipp->trigger();
        QCOMPARE(info->text(), QStringLiteral("Tipp: in „Tarvoll“ eintragen (30 Punkte)"));
        QCOMPARE(tisch.fenster.mfgPunktanzeige->currentIndex().row(), 15);
        for (const int index : {1, 2, 3, 4}) {
            tisch.WuerfelKlicken(index);
        }
        tisch.Werfen({5, 5, 5, 5, 5});
        tisch.fenster.mnuTipp->trigger();
        QCOMPARE(Marken(tisch), QStringLiteral("MA -- -- -- --"));
        tisch.WuerfelKlicken(0);
        QCOMPARE(Marken(tisch), QStringLiteral("-- -- -- -- --"));
        QCOMPARE(info->text(), QStringLiteral("Tipp: Würfel 2, 3, 4 und 5 freigeben, Würfel 1 halten und würfeln"));
        QVERIFY(info->fontMetrics().horizontalAdvance(info->text()) <= info->contentsRect().width());
        tisch.fenster.mnuTipp->trigger();  // auch ein schon gehaltener Würfel trägt die Marke
        QCOMPARE(Marken(tisch), QStringLiteral("MA -- -- -- --"));
    }

    // Die Auswertung gibt es einmal, und sie folgt dem Spiel.
    void auswertungFolgtDemSpiel()
    {
        Fenstertisch tisch;
        NurTarvollOffen(tisch);
        tisch.fenster.mnuAuswertung->trigger();
        tisch.fenster.mnuAuswertung->trigger();
        QCOMPARE(OffeneAuswertungen().size(), 1);
        auto* fenster = OffeneAuswertungen().constFirst();
        tisch.Werfen({6, 6, 6, 6, 2});
        tisch.Werfen({1, 2, 3, 4, 6});
        tisch.ZelleKlicken(15);
        // Erst wie am besten alle Würfel gewürfelt, dann gestrichen statt noch einmal alle zu
        // würfeln: das verschenkt 5 · (1 + … + 6) / 7776 Punkte.
        auto* zuege = fenster->mfgAuswertung;
        QCOMPARE(zuege->rowCount(), 2);
        QCOMPARE(zuege->item(0, 3)->text(), QStringLiteral("Alle Würfel würfeln"));
        QCOMPARE(zuege->item(1, 3)->text(), QStringLiteral("„Tarvoll“ streichen"));
        QCOMPARE(zuege->item(1, 5)->text(), QStringLiteral("0,01"));
        QVERIFY(fenster->lblErgebnis->text().endsWith(QStringLiteral("verschenkt: 0,01 Punkte")));
        Spieltisch anderes;  // ein geladener Stand ersetzt die gezeigten Züge
        anderes.spiel.frmTarvoll_cmdNeu_Click();
        anderes.Werfen({5, 5, 5, 5, 5});
        anderes.Werfen({5, 5, 5, 5, 5});
        QVERIFY(tisch.spiel.SpielstandUebernehmen(anderes.spiel.SpielstandGeben()));
        QCOMPARE(zuege->item(0, 2)->text(), QStringLiteral("5 5 5 5 5"));
        fenster->close();
    }

    // Neben dem Programm liegt die für dieses Spiel gerechnete Tabelle: die Auswertung nennt den
    // Mittelwert, den der Tabellenrechner beim Bauen für sie ausgegeben hat.
    void gebauteTabelleGilt()
    {
        QFile kennzahlen(QStringLiteral(PROGRAMMORDNER "/werkzeuge/tabellenrechner/kennzahlen.txt"));
        QVERIFY(kennzahlen.open(QIODevice::ReadOnly));
        const auto spiel = QString::fromLatin1(kennzahlen.readLine()).section(QLatin1Char(' '), 1).toDouble();  // "spiel 206.0003"
        Fenstertisch tisch;
        tisch.fenster.mnuAuswertung->trigger();
        auto* fenster = OffeneAuswertungen().constFirst();
        QVERIFY(fenster->lblErgebnis->text().contains(QLocale(QLocale::German).toString(spiel, 'f', 2) + " Punkte"));
        fenster->close();
    }

    // Ohne Tabelle neben dem Programm sagen beide Befehle, warum es keinen Rat gibt.
    void ohneTabelleDerGrund()
    {
        QTemporaryDir leer;
        Fenstertisch tisch({}, leer.path());
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
        tisch.Werfen({1, 2, 3, 4, 5});
        const auto grund = "Die Tabelle „" + leer.path() + "/daten/bestspiel.tab“ fehlt oder lässt sich nicht öffnen.";
        tisch.fenster.mnuTipp->trigger();
        QCOMPARE(tisch.fenster.lblInfo->text(), "Kein Tipp: " + grund);
        tisch.fenster.mnuAuswertung->trigger();
        QCOMPARE(OffeneAuswertungen().constFirst()->lblErgebnis->text(), "Keine Auswertung: " + grund);
        OffeneAuswertungen().constFirst()->close();
    }
};

QTEST_MAIN(TippTest)
#include "TippTest.moc"

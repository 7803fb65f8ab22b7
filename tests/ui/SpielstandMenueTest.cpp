#include "Fensterhilfen.h"

#include <QLineEdit>
#include <QTemporaryDir>

// Speichern und Öffnen über das Menü: was das Fenster nach dem Laden zeigt, und wie
// es abgelehnte Dateien und Schreibfehler meldet.
class SpielstandMenueTest : public QObject {
    Q_OBJECT

    // Alles, was das Hauptfenster zeigt, als Texte: so vergleicht der Test Steuerelement für Steuerelement.
    static QStringList Bildschirm(const Fenstertisch& tisch)
    {
        const auto& f = tisch.fenster;
        QStringList zeilen;
        for (std::size_t i = 0; i < 5; ++i) {
            zeilen << f.txtWuerfel[i]->text() + QStringLiteral(" | ") + QString::fromStdString(tisch.spiel.frmTarvoll.imgWuerfel[i].datei) +
                          (f.imgWuerfel[i]->Rahmen() ? QStringLiteral(" gerahmt") : QString());
        }
        zeilen << f.lblInfo->text() << f.lblRunde->text() << f.lblWurf->text() << f.stbAnzeige[2]->text()
               << (f.cmdWuerfeln->isEnabled() ? QStringLiteral("Würfeln an") : QStringLiteral("Würfeln aus"));
        const auto* modell = f.mfgPunktanzeige->model();
        for (int zeile = 0; zeile < modell->rowCount(); ++zeile) {
            const auto zelle = modell->index(zeile, 1);
            zeilen << zelle.data().toString() + QStringLiteral(" | ") + zelle.data(Qt::ForegroundRole).value<QColor>().name() +
                          (zelle.data(Qt::FontRole).value<QFont>().strikeOut() ? QStringLiteral(" gestrichen") : QString());
        }
        return zeilen;
    }

    // Ein Spiel mitten im Zug: eine gestrichene und eine gewertete Zeile, zwei Würfel gehalten.
    static void Spielen(Fenstertisch& tisch)
    {
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
        tisch.Werfen({2, 3, 3, 5, 6});
        tisch.ZelleKlicken(1);
        tisch.Werfen({4, 4, 4, 2, 2});
        tisch.ZelleKlicken(12);
        tisch.Werfen({6, 6, 1, 2, 3});
        tisch.WuerfelKlicken(3);
        tisch.WuerfelKlicken(4);
    }

private slots:
    void initTestCase() { SchriftenEinrichten(); }

    void speichernUndLadenZeigenDasselbe()
    {
        QTemporaryDir ordner;
        const auto datei = QDir(ordner.path()).filePath(QStringLiteral("mitten.qts"));
        Fenstertisch alt;
        Spielen(alt);
        alt.dateiauswahl.antworten = {datei};
        alt.fenster.mnuSpeichern->trigger();
        QVERIFY(alt.meldungen.gezeigt.empty());
        QVERIFY(QFileInfo(datei).size() > 0);

        Fenstertisch neu;
        neu.dateiauswahl.antworten = {datei};
        neu.fenster.mnuOeffnen->trigger();
        QVERIFY(neu.meldungen.gezeigt.empty());  // nichts geworfen, also keine Rückfrage
        QCOMPARE(Bildschirm(neu), Bildschirm(alt));
        QCOMPARE(neu.dateiauswahl.aufrufe.back().einstellungen.FileName, QString());

        // Weiterspielen wie im alten Fenster.
        alt.Werfen({1, 1, 1, 1, 1});
        neu.Werfen({1, 1, 1, 1, 1});
        alt.ZelleKlicken(16);
        neu.ZelleKlicken(16);
        QCOMPARE(Bildschirm(neu), Bildschirm(alt));
    }

    void ladenFragtWieEinNeuesSpiel()
    {
        QTemporaryDir ordner;
        const auto datei = QDir(ordner.path()).filePath(QStringLiteral("stand.qts"));
        Fenstertisch quelle;
        QTest::mouseClick(quelle.fenster.cmdNeu, Qt::LeftButton);
        quelle.dateiauswahl.antworten = {datei};
        quelle.fenster.mnuSpeichern->trigger();

        Fenstertisch tisch;
        Spielen(tisch);
        const auto vorher = Bildschirm(tisch);
        tisch.meldungen.antworten = {Antwort::Nein, Antwort::Ja};
        tisch.dateiauswahl.antworten = {datei, datei};
        tisch.fenster.mnuOeffnen->trigger();
        QCOMPARE(tisch.meldungen.gezeigt.back().text, std::string("Aktuelles Spiel abbrechen?"));
        QCOMPARE(Bildschirm(tisch), vorher);
        tisch.fenster.mnuOeffnen->trigger();
        QCOMPARE(Bildschirm(tisch), Bildschirm(quelle));
    }

    void abgelehnteDateiLaesstDasSpielStehen_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("grund");
        QTest::newRow("leer") << QByteArray() << QStringLiteral("leer");
        QTest::newRow("fremd") << QByteArray("Hallo") << QStringLiteral("kein Spielstand");
        QTest::newRow("neuere Version")
            << QByteArray("{\"format\": \"Quorin Tarvoll Spielstand\", \"version\": 2}") << QStringLiteral("neueren Version");
        QTest::newRow("abgeschnitten")
            << QByteArray("{\"format\": \"Quorin Tarvoll Spielstand\", \"version\": 1, \"wuer") << QStringLiteral("beschädigt");
    }

    void abgelehnteDateiLaesstDasSpielStehen()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, grund);
        QTemporaryDir ordner;
        const auto pfad = QDir(ordner.path()).filePath(QStringLiteral("kaputt.qts"));
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
        datei.close();

        Fenstertisch tisch;
        Spielen(tisch);
        const auto vorher = Bildschirm(tisch);
        tisch.dateiauswahl.antworten = {pfad};
        tisch.fenster.mnuOeffnen->trigger();
        QCOMPARE(tisch.meldungen.gezeigt.size(), 1u);
        const auto& meldung = tisch.meldungen.gezeigt.back();
        QCOMPARE(meldung.titel, std::string("Quorin Tarvoll - Öffnen"));
        QCOMPARE(meldung.symbol, Symbol::Warnung);
        QVERIFY2(QString::fromStdString(meldung.text).contains(grund), meldung.text.c_str());
        QCOMPARE(Bildschirm(tisch), vorher);
    }

    void schreibfehlerWirdGemeldet()
    {
        QTemporaryDir ordner;
        Fenstertisch tisch;
        Spielen(tisch);
        const auto vorher = Bildschirm(tisch);
        tisch.dateiauswahl.antworten = {ordner.path()};  // ein Ordner lässt sich nicht als Datei schreiben
        tisch.fenster.mnuSpeichern->trigger();
        QCOMPARE(tisch.meldungen.gezeigt.size(), 1u);
        QCOMPARE(tisch.meldungen.gezeigt.back().titel, std::string("Quorin Tarvoll - Speichern"));
        QVERIFY(QString::fromStdString(tisch.meldungen.gezeigt.back().text).startsWith(QStringLiteral("Das Spiel wurde nicht gespeichert.")));
        QCOMPARE(Bildschirm(tisch), vorher);
    }
};

QTEST_MAIN(SpielstandMenueTest)
#include "SpielstandMenueTest.moc"

#include "Fensterhilfen.h"
#include "Programm.h"
#include "frmTitelbild.h"

#include <QLabel>

#include <functional>

namespace {

// Beantwortet jede Meldung mit OK; bei der ersten läuft `waehrend`, wie ein Ereignis, das in
// der Ereignisschleife des offenen Meldungsfensters ankommt.
struct MeldungMitEreignis : Meldungen {
    std::function<void()> waehrend;
    Antwort Zeigen(const Meldung&) override
    {
        if (auto ereignis = std::exchange(waehrend, nullptr)) {
            ereignis();
        }
        return Antwort::OK;
    }
};

}  // namespace

class TitelbildTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SchriftenEinrichten(); }

    void klickOrte_data()
    {
        QTest::addColumn<QPoint>("ort");
        QTest::newRow("Hintergrund") << QPoint(300, 20 + 93 + 5);
        QTest::newRow("Rahmenlinie links") << QPoint(1, 100);
        QTest::newRow("Rahmenlinie unten") << QPoint(200, 263);
        QTest::newRow("Herstellerlogo") << QPoint(100, 50);
        QTest::newRow("Namenslogo") << QPoint(100, 150);
        QTest::newRow("Drei Würfel") << QPoint(260, 160);
        QTest::newRow("Rechtshinweis") << QPoint(450, 150);
        QTest::newRow("Version") << QPoint(260, 224);
        QTest::newRow("Urheberzeile") << QPoint(60, 240);
    }

    void klickOrte()
    {
        QFETCH(QPoint, ort);
        SkriptMeldungen meldungen;
        SkriptZufall zufall;
        FesteUhr uhr;
        SkriptDateiauswahl dateiauswahl;
        Programm programm({meldungen, zufall, uhr, dateiauswahl, QStringLiteral(PROGRAMMORDNER)}, {});
        programm.Starten();
        QPointer<frmTitelbild> titel = programm.titelbild();
        QVERIFY(titel);
        QVERIFY(!programm.hauptfenster());
        QVERIFY(QTest::qWaitForWindowExposed(titel));
        QTest::mouseClick(titel, Qt::LeftButton, {}, ort);
        QTRY_VERIFY(!titel);  // geschlossen und verworfen
        QVERIFY(programm.hauptfenster());
        QVERIFY(programm.hauptfenster()->isVisible());
        QCOMPARE(programm.hauptfenster()->lblInfo->text(), QStringLiteral("Zum Starten auf <Neues Spiel> klicken!"));
    }

    // Die Kommandozeile wird vor Qt gelesen: Qts eigene Schalter bleiben Teil des Textes.
    void kommandozeile_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("text");
        QTest::newRow("keins") << QStringList{"quorintarvoll"} << QString();
        QTest::newRow("debug") << QStringList{"quorintarvoll", "debug"} << QStringLiteral("debug");
        QTest::newRow("zwei") << QStringList{"quorintarvoll", "debug", "x"} << QStringLiteral("debug x");
        QTest::newRow("Qt-Schalter") << QStringList{"quorintarvoll", "-platform", "offscreen", "debug"}
                                     << QStringLiteral("-platform offscreen debug");
    }

    void kommandozeile()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, text);
        std::vector<QByteArray> bytes;
        for (const auto& argument : argumente) {
            bytes.push_back(argument.toUtf8());
        }
        std::vector<const char*> argv;
        for (const auto& b : bytes) {
            argv.push_back(b.constData());
        }
        QCOMPARE(QString::fromStdString(Kommandozeile(static_cast<int>(argv.size()), argv.data())), text);
    }

    void aussehen()
    {
        frmTitelbild titel;
        titel.show();
        QCOMPARE(titel.size(), QSize(545, 265));
        QVERIFY(titel.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(titel.lblVersion->text(), QStringLiteral("Version 1.2.8"));
        const QImage version = titel.lblVersion->grab().toImage();
        bool rotGemalt = false;
        for (int y = 0; y < version.height() && !rotGemalt; ++y) {
            for (int x = 0; x < version.width() && !rotGemalt; ++x) {
                const QColor farbe = version.pixelColor(x, y);
                rotGemalt = farbe.red() > 200 && farbe.green() < 60 && farbe.blue() < 60;
            }
        }
        QVERIFY2(rotGemalt, "Die Versionszeile ist rot.");
        QCOMPARE(titel.imgVelmar_Logo->Bild().deviceIndependentSize().toSize(), QSize(475, 93));
        QCOMPARE(titel.imgQuorin_Tarvoll->Bild().deviceIndependentSize().toSize(), QSize(200, 40));
        QCOMPARE(titel.img3Wuerfel->Bild().deviceIndependentSize().toSize(), QSize(60, 53));
        // Kein Text wird abgeschnitten.
        for (auto* beschriftung : {titel.lblVersion, titel.lblCopyright2}) {
            const QFontMetrics masse(beschriftung->font());
            QVERIFY2(masse.horizontalAdvance(beschriftung->text()) <= beschriftung->width(),
                     qPrintable(beschriftung->text()));
        }
        const QFontMetrics masse(titel.lblCopyright->font());
        const auto bedarf = masse.boundingRect(titel.lblCopyright->rect(), Qt::TextWordWrap | Qt::AlignRight,
                                               titel.lblCopyright->text());
        QVERIFY2(bedarf.height() <= titel.lblCopyright->height(), qPrintable(QString::number(bedarf.height())));
    }

    // Im Debug-Modus lädt das Hauptfenster hinter "Debug Modus!". Die Karte ist dann schon
    // verworfen, und ein zweiter Druck, der währenddessen ankommt, baut kein zweites Hauptfenster.
    void zweiterDruckWaehrendDesLadens()
    {
        MeldungMitEreignis meldungen;
        SkriptZufall zufall;
        FesteUhr uhr;
        SkriptDateiauswahl dateiauswahl;
        Programm programm({meldungen, zufall, uhr, dateiauswahl, QStringLiteral(PROGRAMMORDNER)}, "debug");
        programm.Starten();
        QPointer<frmTitelbild> titel = programm.titelbild();
        bool karteDa = true;
        meldungen.waehrend = [&] {
            karteDa = !titel.isNull();
            programm.HauptfensterZeigen();
        };
        QTest::mouseClick(titel, Qt::LeftButton, {}, QPoint(20, 20));
        QTRY_VERIFY(programm.hauptfenster() && programm.hauptfenster()->isVisible());
        QVERIFY(!karteDa);
        const auto fenster = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(fenster.begin(), fenster.end(), [](QWidget* w) { return qobject_cast<frmTarvoll*>(w); }), 1);
    }

    // Beim Start ist die Karte das einzige Fenster: Escape lässt sie stehen, Schließen über das
    // Fenstersystem beendet das Programm. Braucht die echte Ereignisschleife und steht deshalb zuletzt.
    void startkarteSchliessen()
    {
        SkriptMeldungen meldungen;
        SkriptZufall zufall;
        FesteUhr uhr;
        SkriptDateiauswahl dateiauswahl;
        Programm programm({meldungen, zufall, uhr, dateiauswahl, QStringLiteral(PROGRAMMORDNER)}, {});
        programm.Starten();
        QPointer<frmTitelbild> titel = programm.titelbild();
        bool stehtNachEscape = false;
        QTimer::singleShot(0, titel, [&] {
            QTest::keyClick(titel, Qt::Key_Escape);
            stehtNachEscape = titel && titel->isVisible();
            if (titel) {
                titel->close();
            }
        });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });  // falls nichts endet
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(stehtNachEscape);
        QVERIFY(!programm.hauptfenster());
    }
};

QTEST_MAIN(TitelbildTest)
#include "TitelbildTest.moc"

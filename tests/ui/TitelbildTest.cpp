#include "Fensterhilfen.h"
#include "Programm.h"
#include "frmTitelbild.h"

#include <QLabel>

#include <functional>

namespace {

// Beantwortet Meldungen wie SkriptMeldungen; bei der ersten läuft `waehrend`, wie ein Ereignis
// aus der Ereignisschleife des offenen Meldungsfensters.
struct MeldungMitEreignis : SkriptMeldungen {
    std::function<void()> waehrend;
    Antwort Zeigen(const Meldung& meldung) override
    {
        if (auto ereignis = std::exchange(waehrend, nullptr)) {
            ereignis();
        }
        return SkriptMeldungen::Zeigen(meldung);
    }
};

}  // namespace

class TitelbildTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SchriftenEinrichten(); }

    // Ein Klick irgendwo verwirft die Karte und zeigt das Hauptfenster. Im Debug-Modus lädt es
    // hinter "Debug Modus!": die Karte ist da schon verworfen, und ein zweiter Druck, der
    // währenddessen ankommt, baut kein zweites Hauptfenster.
    void klickOrte_data()
    {
        QTest::addColumn<QPoint>("ort");
        QTest::addColumn<QString>("kommandozeile");
        QTest::newRow("Hintergrund") << QPoint(300, 20 + 93 + 5) << QString();
        QTest::newRow("Rahmenlinie links") << QPoint(1, 100) << QString();
        QTest::newRow("Rahmenlinie unten") << QPoint(200, 263) << QString();
        QTest::newRow("Herstellerlogo") << QPoint(100, 50) << QString();
        QTest::newRow("Namenslogo") << QPoint(100, 150) << QString();
        QTest::newRow("Drei Würfel") << QPoint(260, 160) << QString();
        QTest::newRow("Rechtshinweis") << QPoint(450, 150) << QString();
        QTest::newRow("Version") << QPoint(260, 224) << QString();
        QTest::newRow("Urheberzeile") << QPoint(60, 240) << QString();
        QTest::newRow("Debug-Modus, zweiter Druck") << QPoint(300, 118) << QStringLiteral("debug");
    }

    void klickOrte()
    {
        QFETCH(QPoint, ort);
        QFETCH(QString, kommandozeile);
        MeldungMitEreignis meldungen;
        SkriptZufall zufall;
        FesteUhr uhr;
        SkriptDateiauswahl dateiauswahl;
        Programm programm({meldungen, zufall, uhr, dateiauswahl, QStringLiteral(PROGRAMMORDNER)}, kommandozeile.toStdString());
        programm.Starten();
        QPointer<frmTitelbild> titel = programm.titelbild();
        QVERIFY(titel);
        QVERIFY(!programm.hauptfenster());
        bool karteBeimLaden = false;
        meldungen.waehrend = [&] {
            karteBeimLaden = !titel.isNull();
            programm.HauptfensterZeigen();
        };
        QVERIFY(QTest::qWaitForWindowExposed(titel));
        QTest::mouseClick(titel, Qt::LeftButton, {}, ort);
        QTRY_VERIFY(!titel);  // geschlossen und verworfen
        QVERIFY(programm.hauptfenster());
        QVERIFY(programm.hauptfenster()->isVisible());
        QCOMPARE(programm.hauptfenster()->lblInfo->text(), QStringLiteral("Zum Starten auf <Neues Spiel> klicken!"));
        QVERIFY(!karteBeimLaden);
        const auto fenster = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(fenster.begin(), fenster.end(), [](QWidget* w) { return qobject_cast<frmTarvoll*>(w); }), 1);
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

    // Beim Start ist die Karte das einzige Fenster: Escape lässt sie stehen, Schließen über das
    // Fenstersystem beendet das Programm. Braucht die echte Ereignisschleife und steht deshalb zuletzt.
    void startkarteSchliessen()
    {
        frmTitelbild karte;
        karte.show();
        QTest::keyClick(&karte, Qt::Key_Escape);
        QVERIFY(karte.isVisible());
        QTimer::singleShot(0, &karte, &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });  // falls nichts endet
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(TitelbildTest)
#include "TitelbildTest.moc"

#include "Fensterhilfen.h"

#include "Programm.h"
#include "frmDebug.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

namespace {

// Das Hauptfenster im Debug-Modus nach "Neues Spiel", das Debug-Fenster daneben.
struct Debugtisch : Fenstertisch {
    frmDebug debug{spiel, QPointer<QWidget>(&fenster)};

    Debugtisch() : Fenstertisch("debug")
    {
        debug.show();
        QTest::mouseClick(fenster.cmdNeu, Qt::LeftButton);
    }

    QString Texte() const  // die fünf Würfeltexte hintereinander
    {
        const auto& t = fenster.txtWuerfel;
        return t[0]->text() + t[1]->text() + t[2]->text() + t[3]->text() + t[4]->text();
    }
};

}  // namespace

class DebugTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SchriftenEinrichten(); }

    // Jede Vorgabe schreibt ihre Ziffern, auch wenn ein Würfel gehalten ist; Bilder und
    // Rahmen bleiben, und der nächste Wurf überschreibt die Vorgabe mit dem Haltewert.
    void vorgaben_data()
    {
        QTest::addColumn<QString>("knopf");
        for (const char* ziffern :
             {"12345", "23456", "11111", "22222", "33333", "44444", "55555", "66666", "33322", "44441"}) {
            QTest::newRow(ziffern) << QString::fromLatin1(ziffern);
        }
    }

    void vorgaben()
    {
        QFETCH(QString, knopf);
        Debugtisch d;
        d.Werfen({6, 1, 5, 2, 4});
        d.WuerfelKlicken(0);  // hält die 1
        const auto bilder = d.spiel.frmTarvoll.imgWuerfel;
        auto* k = d.debug.findChild<QPushButton*>(QStringLiteral("cmd") + knopf);
        QVERIFY(k && k->text() == knopf);
        QTest::mouseClick(k, Qt::LeftButton);
        QCOMPARE(d.Texte(), knopf);
        QCOMPARE(d.spiel.frmTarvoll.imgWuerfel, bilder);
        QCOMPARE(d.fenster.lblWurf->text(), QStringLiteral("1"));
        d.Werfen({3, 3, 3, 3});
        QCOMPARE(d.Texte(), QStringLiteral("13333"));
    }

    void fullhouseVorgabeNachWurf()
    {
        Debugtisch d;
        d.Werfen({1, 2, 4, 5, 6});
        QTest::mouseClick(d.debug.cmd33322, Qt::LeftButton);
        QCOMPARE(d.spiel.frmTarvoll.imgWuerfel[4].datei, std::string("6.JPG"));  // das Bild zeigt den Wurf
        d.ZelleKlicken(12);
        QCOMPARE(d.Zelltext(12), QStringLiteral("25"));
    }

    // "Installation prüfen" ersetzt den Inhalt; nach dem Schließen beginnt ein neues Fenster leer.
    void pruefenSchliessenNeuOeffnen()
    {
        Fenstertisch tisch{"debug"};
        QPointer<frmDebug> debug = new frmDebug(tisch.spiel, QPointer<QWidget>(&tisch.fenster));
        debug->setAttribute(Qt::WA_DeleteOnClose);
        debug->show();
        QCOMPARE(QRect(debug->pos(), debug->size()), QRect(398, 500, 378, 177));  // feste Stelle, nicht mittig
        QCOMPARE(debug->minimumSize(), debug->maximumSize());
        QCOMPARE(debug->windowType(), Qt::Tool);  // ohne Eintrag in der Taskleiste
        QTest::mouseClick(debug->cmdInstallation_Pruefen, Qt::LeftButton);
        QTest::mouseClick(debug->cmdInstallation_Pruefen, Qt::LeftButton);
        QCOMPARE(debug->txtAusgabe->toPlainText(),
                 QStringLiteral("quorin TARVOLL interner Check\n© 2026 Entwickler von Quorin Tarvoll\n"
                                "Quorin_Tarvoll,Vollversion,1,2,8,deutsch"));
        QTest::mouseClick(debug->cmdSchliessen, Qt::LeftButton);
        QTRY_VERIFY(debug.isNull());
        QVERIFY(frmDebug(tisch.spiel, QPointer<QWidget>(&tisch.fenster)).txtAusgabe->toPlainText().isEmpty());
    }

    // Zeichen für Zeichen getippt, dann alle fünf gehalten und als Chance gewertet. Der Würfeltext
    // nimmt nur an, was das Spiel als Zahl von -1000 bis 1000 liest, jeden Anfang davon und nicht
    // mehr als acht Zeichen; so bleibt selbst die Endsumme (vier Zeilen zu fünf Würfeln) weit in 16 Bit.
    void tippen_data()
    {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("steht");  // was der Würfeltext danach zeigt
        QTest::addColumn<int>("wert");
        QTest::newRow("nichts") << "" << "" << 0;
        QTest::newRow("größter Wert") << "999.99" << "999.99" << 1000;
        QTest::newRow("kleinster Wert, drei Nachkommastellen") << "-999.999" << "-999.99" << -1000;
        QTest::newRow("vier Ziffern") << "1000" << "100" << 100;
        QTest::newRow("Plus, Bruch ohne Ganzes") << "+.5" << "+.5" << 0;
        QTest::newRow("Leerzeichen außen, Hälfte zur geraden") << "  2.50  " << "  2.50  " << 2;
        QTest::newRow("neun Zeichen") << " -999.99 " << " -999.99" << -1000;
        QTest::newRow("zwei Punkte") << "1.2.3" << "1.23" << 1;
        QTest::newRow("zwei Vorzeichen, Vorzeichen hinten") << "--1-" << "-1" << -1;
        QTest::newRow("Leerzeichen innen") << "1 2" << "1 " << 1;
        QTest::newRow("Komma, Exponent, Buchstaben") << "1,5e3x" << "153" << 153;
        QTest::newRow("fremde Zeichen") << QStringLiteral("\u00a0\u0663ä€\U0001F3B26") << "6" << 6;
    }

    void tippen()
    {
        QFETCH(QString, getippt);
        QFETCH(QString, steht);
        QFETCH(int, wert);
        Debugtisch d;
        d.Werfen({1, 2, 3, 4, 5});
        for (int i = 0; i < 5; ++i) {
            auto* feld = d.fenster.txtWuerfel[static_cast<std::size_t>(i)];
            QVERIFY(feld->isVisible());  // nur im Debug-Modus
            feld->selectAll();
            QTest::keyClick(feld, Qt::Key_Backspace);
            for (const char32_t zeichen : getippt.toUcs4()) {
                QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString::fromUcs4(&zeichen, 1), {});
            }
            QCOMPARE(feld->text(), steht);
            d.WuerfelKlicken(i);
            QCOMPARE(int{d.spiel.intHaltewert[i + 1]}, wert);
        }
        d.ZelleKlicken(16);
        QCOMPARE(d.Zelltext(16), QString::number(5 * wert));
        QCOMPARE(d.Zelltext(17), QString::number(5 * wert));
    }

    // Ein Hilfsmittel setzt Würfeltexte über die Schnittstelle für Bedienhilfen, am Prüfer vorbei;
    // gewertet wird, was die Felder dann zeigen, und das Spiel hält auch 99999 in 16 Bit.
    void textAusHilfsmitteln()
    {
        Debugtisch d;
        d.Werfen({2, 2, 2, 2, 2});
        for (auto* feld : d.fenster.txtWuerfel) {
            QAccessible::queryAccessibleInterface(feld)->editableTextInterface()->replaceText(0, 1, QStringLiteral("99999"));
        }
        d.ZelleKlicken(16);
        QCOMPARE(d.Zelltext(16), QStringLiteral("32767"));
    }

    // Ohne Hauptfenster tun die Vorgaben nichts und holen kein verstecktes zurück; das Programm
    // läuft mit dem Debug-Fenster allein weiter und endet erst mit ihm. Braucht die echte
    // Ereignisschleife und steht deshalb zuletzt.
    void ohneHauptfenster()
    {
        SkriptMeldungen meldungen;
        SkriptZufall zufall;
        FesteUhr uhr;
        SkriptDateiauswahl dateiauswahl;
        Programm programm(Umgebung{meldungen, zufall, uhr, dateiauswahl, QStringLiteral(PROGRAMMORDNER)}, "debug");
        programm.HauptfensterZeigen();
        QPointer<frmTarvoll> haupt = programm.hauptfenster();
        const auto texte = programm.spiel().frmTarvoll.txtWuerfel;
        QPointer<frmDebug> debug = new frmDebug(programm.spiel(), QPointer<QWidget>(haupt));
        debug->setAttribute(Qt::WA_DeleteOnClose);
        debug->show();
        const auto vorgaben = debug->findChildren<QPushButton*>(QRegularExpression(QStringLiteral("^cmd\\d{5}$")));
        QCOMPARE(vorgaben.size(), 10);
        bool geprueft = false;
        QTimer::singleShot(0, haupt, [&haupt] { haupt->close(); });
        QTimer::singleShot(100, debug, [&] {
            for (auto* knopf : vorgaben) {
                QTest::mouseClick(knopf, Qt::LeftButton);
            }
            const auto fenster = QApplication::topLevelWidgets();
            const bool versteckt =
                std::any_of(fenster.begin(), fenster.end(), [](QWidget* w) { return qobject_cast<frmTarvoll*>(w); });
            geprueft = !versteckt && debug->isVisible() && programm.spiel().frmTarvoll.txtWuerfel == texte;
            debug->close();
        });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });  // falls nichts endet
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(geprueft);
        QTRY_VERIFY(debug.isNull());
    }
};

QTEST_MAIN(DebugTest)
#include "DebugTest.moc"

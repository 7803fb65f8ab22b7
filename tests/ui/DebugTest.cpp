#include "Fensterhilfen.h"

#include "Twips.h"
#include "Wuerfeltextpruefer.h"
#include "Zahl.h"
#include "frmDebug.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include <limits>
#include <memory>

namespace {

const QString Installationstext = QStringLiteral(
    "quorin TARVOLL interner Check\n"
    "© 2026 Entwickler von Quorin Tarvoll\n"
    "Quorin_Tarvoll,Vollversion,1,2,8,deutsch");

// Das Hauptfenster im Debug-Modus mit dem Debug-Fenster daneben, und die Würfeltexte
// nehmen nur an, was der Prüfer erlaubt, wie im Programm.
struct Debugtisch {
    Fenstertisch tisch{"debug"};
    frmDebug debug{tisch.spiel, QPointer<QWidget>(&tisch.fenster)};

    Debugtisch()
    {
        for (auto* text : tisch.fenster.txtWuerfel) {
            text->setValidator(new Wuerfeltextpruefer(text));
            text->setMaxLength(Wuerfeltextpruefer::Hoechstlaenge);
        }
        debug.show();
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
    }

    QLineEdit* Text(int index) const { return tisch.fenster.txtWuerfel[static_cast<std::size_t>(index)]; }

    // Ersetzt den Inhalt eines Würfeltextes Taste für Taste, wie ein Spieler es tut.
    void Tippen(int index, const QString& eingabe)
    {
        auto* feld = Text(index);
        feld->setFocus();
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Backspace);
        for (const char32_t zeichen : eingabe.toUcs4()) {
            if (zeichen < 0x80) {
                QTest::keyClick(feld, static_cast<char>(zeichen));
            } else {
                QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString::fromUcs4(&zeichen, 1),
                                    Qt::NoModifier);
            }
        }
    }
};

// Ein Hauptfenster, das wie im Programm mit new entsteht und sich beim Schließen löscht.
struct FreiesHauptfenster {
    SkriptMeldungen meldungen;
    SkriptZufall zufall;
    FesteUhr uhr;
    SkriptDateiauswahl dateiauswahl;
    basTarvoll spiel{meldungen, zufall, uhr, "debug"};
    QPointer<frmTarvoll> fenster;

    FreiesHauptfenster()
        : fenster(new frmTarvoll(spiel, Umgebung{meldungen, zufall, uhr, dateiauswahl, QStringLiteral(PROGRAMMORDNER)}))
    {
        fenster->setAttribute(Qt::WA_DeleteOnClose);
        fenster->show();
    }
    ~FreiesHauptfenster() { delete fenster; }
};

bool HauptfensterDa()
{
    const auto fenster = QApplication::topLevelWidgets();
    return std::any_of(fenster.begin(), fenster.end(), [](QWidget* w) { return qobject_cast<frmTarvoll*>(w); });
}

}  // namespace

class DebugTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SchriftenEinrichten(); }

    // --- Würfelvorgaben ---

    void vorgaben_data()
    {
        QTest::addColumn<QString>("knopf");
        for (const char* ziffern : {"12345", "23456", "11111", "22222", "33333", "44444", "55555", "66666", "33322",
                                    "44441"}) {
            QTest::newRow(ziffern) << QString::fromLatin1(ziffern);
        }
    }

    void vorgaben()
    {
        QFETCH(QString, knopf);
        Debugtisch d;
        d.tisch.Werfen({6, 1, 5, 2, 4});
        const auto bilder = d.tisch.spiel.frmTarvoll.imgWuerfel;

        auto* k = d.debug.findChild<QPushButton*>(QStringLiteral("cmd") + knopf);
        QVERIFY(k);
        QCOMPARE(k->text(), knopf);
        QTest::mouseClick(k, Qt::LeftButton);

        for (int i = 0; i < 5; ++i) {
            QVERIFY(d.Text(i)->isVisible());
            QCOMPARE(d.Text(i)->text(), knopf.mid(i, 1));
        }
        QCOMPARE(d.tisch.spiel.frmTarvoll.imgWuerfel, bilder);  // die Bilder zeigen weiter den Wurf
        QCOMPARE(d.tisch.fenster.lblWurf->text(), QStringLiteral("1"));
    }

    void fullhouseVorgabeNachWurf()
    {
        Debugtisch d;
        d.tisch.Werfen({1, 2, 4, 5, 6});
        QTest::mouseClick(d.debug.cmd33322, Qt::LeftButton);
        QCOMPARE(d.tisch.spiel.frmTarvoll.imgWuerfel[4].datei, std::string("6.JPG"));
        d.tisch.ZelleKlicken(12);
        QCOMPARE(d.tisch.Zelltext(12), QStringLiteral("25"));
        QCOMPARE(d.tisch.Zelltext(17), QStringLiteral("25"));
        QCOMPARE(d.Text(0)->text(), QString());
    }

    void vorgabeOhneHauptfensterTutNichts()
    {
        FreiesHauptfenster haupt;
        auto debug = std::make_unique<frmDebug>(haupt.spiel, QPointer<QWidget>(haupt.fenster));
        debug->show();
        QTest::mouseClick(haupt.fenster->cmdNeu, Qt::LeftButton);
        haupt.zufall.augen = {1, 2, 3, 4, 6};
        QTest::mouseClick(haupt.fenster->cmdWuerfeln, Qt::LeftButton);
        const auto texte = haupt.spiel.frmTarvoll.txtWuerfel;

        QVERIFY(haupt.fenster->close());
        QTRY_VERIFY(haupt.fenster.isNull());
        QVERIFY(!HauptfensterDa());

        for (auto* knopf : {debug->cmd12345, debug->cmd23456, debug->cmd11111, debug->cmd22222, debug->cmd33333,
                            debug->cmd44444, debug->cmd55555, debug->cmd66666, debug->cmd33322, debug->cmd44441}) {
            QTest::mouseClick(knopf, Qt::LeftButton);
        }
        QCoreApplication::processEvents();
        QVERIFY(!HauptfensterDa());
        QCOMPARE(haupt.spiel.frmTarvoll.txtWuerfel, texte);
        // Das Fenster selbst arbeitet weiter.
        QVERIFY(debug->isVisible());
        QTest::mouseClick(debug->cmdInstallation_Pruefen, Qt::LeftButton);
        QCOMPARE(debug->txtAusgabe->toPlainText(), Installationstext);
    }

    // --- Installation prüfen, Schliessen ---

    void installationZweimalGibtDreiZeilen()
    {
        Debugtisch d;
        auto* ausgabe = d.debug.txtAusgabe;
        QVERIFY(ausgabe->toPlainText().isEmpty());
        QTest::keyClicks(ausgabe, QStringLiteral("alter Text"));
        QCOMPARE(ausgabe->toPlainText(), QStringLiteral("alter Text"));  // man kann hineinschreiben

        QTest::mouseClick(d.debug.cmdInstallation_Pruefen, Qt::LeftButton);
        QTest::mouseClick(d.debug.cmdInstallation_Pruefen, Qt::LeftButton);
        QCOMPARE(ausgabe->toPlainText(), Installationstext);
        QCOMPARE(ausgabe->blockCount(), 3);
    }

    void schliessenUndNeuOeffnen_data()
    {
        QTest::addColumn<bool>("perKnopf");
        QTest::newRow("Schliessen") << true;
        QTest::newRow("Schließfeld") << false;
    }

    void schliessenUndNeuOeffnen()
    {
        QFETCH(bool, perKnopf);
        Fenstertisch tisch{"debug"};
        QPointer<frmDebug> debug = new frmDebug(tisch.spiel, QPointer<QWidget>(&tisch.fenster));
        debug->setAttribute(Qt::WA_DeleteOnClose);
        debug->show();
        QTest::mouseClick(debug->cmdInstallation_Pruefen, Qt::LeftButton);
        QVERIFY(!debug->txtAusgabe->toPlainText().isEmpty());

        if (perKnopf) {
            QTest::mouseClick(debug->cmdSchliessen, Qt::LeftButton);
        } else {
            debug->close();  // dasselbe Schließereignis wie über die Titelleiste
        }
        QTRY_VERIFY(debug.isNull());
        QVERIFY(tisch.fenster.isVisible());

        frmDebug neu(tisch.spiel, QPointer<QWidget>(&tisch.fenster));
        neu.show();
        QVERIFY(neu.txtAusgabe->toPlainText().isEmpty());
    }

    // --- Lage, Größe, Beschriftungen, Tabreihenfolge ---

    void steuerelemente_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("lage");
        QTest::newRow("cmd12345") << "cmd12345" << "12345" << Twips(360, 0, 615, 495);
        QTest::newRow("cmd23456") << "cmd23456" << "23456" << Twips(1080, 0, 615, 495);
        QTest::newRow("cmd11111") << "cmd11111" << "11111" << Twips(1800, 0, 615, 495);
        QTest::newRow("cmd22222") << "cmd22222" << "22222" << Twips(2520, 0, 615, 495);
        QTest::newRow("cmd33333") << "cmd33333" << "33333" << Twips(3240, 0, 615, 495);
        QTest::newRow("cmd44444") << "cmd44444" << "44444" << Twips(3960, 0, 615, 495);
        QTest::newRow("cmd55555") << "cmd55555" << "55555" << Twips(4680, 0, 615, 495);
        QTest::newRow("cmd66666") << "cmd66666" << "66666" << Twips(360, 600, 615, 495);
        QTest::newRow("cmd33322") << "cmd33322" << "33322" << Twips(1080, 600, 615, 495);
        QTest::newRow("cmd44441") << "cmd44441" << "44441" << Twips(1800, 600, 615, 495);
        QTest::newRow("cmdInstallation_Pruefen")
            << "cmdInstallation_Pruefen" << QStringLiteral("Installation prüfen") << Twips(2520, 600, 1335, 495);
        QTest::newRow("cmdSchliessen") << "cmdSchliessen" << "Schliessen" << Twips(3960, 600, 1335, 495);
        QTest::newRow("txtAusgabe") << "txtAusgabe" << QString() << Twips(360, 1200, 4935, 1215);
    }

    void steuerelemente()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, lage);
        Fenstertisch tisch{"debug"};
        frmDebug debug(tisch.spiel, QPointer<QWidget>(&tisch.fenster));
        auto* element = debug.findChild<QWidget*>(name);
        QVERIFY(element);
        QCOMPARE(element->parentWidget(), &debug);
        QCOMPARE(element->geometry(), lage);
        if (auto* knopf = qobject_cast<QPushButton*>(element)) {
            QCOMPARE(knopf->text(), text);
            QVERIFY(debug.fontMetrics().horizontalAdvance(text) < lage.width());
        }
    }

    void fensterLageUndTitel()
    {
        Fenstertisch tisch{"debug"};
        frmDebug debug(tisch.spiel, QPointer<QWidget>(&tisch.fenster));
        debug.show();
        QVERIFY(QTest::qWaitForWindowExposed(&debug));
        QCOMPARE(debug.windowTitle(), QStringLiteral("Debug"));
        QVERIFY(debug.isWindow());
        QCOMPARE(debug.parentWidget(), nullptr);
        QCOMPARE(debug.size(), QSize(378, 177));
        QCOMPARE(debug.minimumSize(), debug.maximumSize());
        QCOMPARE(debug.pos(), QPoint(398, 500));  // feste Stelle, nicht mittig
        QCOMPARE(debug.windowType(), Qt::Tool);   // ohne Eintrag in der Taskleiste
        QVERIFY(!(debug.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(debug.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(debug.windowFlags() & Qt::WindowCloseButtonHint);
        // Das Hauptfenster bleibt bedienbar.
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
        QVERIFY(tisch.fenster.cmdWuerfeln->isEnabled());

        auto* ausgabe = debug.txtAusgabe;
        QVERIFY(!ausgabe->isReadOnly());
        QCOMPARE(ausgabe->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(ausgabe->horizontalScrollBar()->isVisible());
        QVERIFY(ausgabe->verticalScrollBar()->isVisible());
    }

    void tabreihenfolge()
    {
        Fenstertisch tisch{"debug"};
        frmDebug debug(tisch.spiel, QPointer<QWidget>(&tisch.fenster));
        debug.show();
        QApplication::setActiveWindow(&debug);
        QVERIFY(QTest::qWaitForWindowActive(&debug));
        const std::array<QWidget*, 14> reihe{debug.cmd12345, debug.cmd23456, debug.cmd11111, debug.cmd22222,
                                             debug.cmd33333, debug.cmd44444, debug.cmd55555, debug.cmd66666,
                                             debug.cmd33322, debug.cmd44441, debug.cmdInstallation_Pruefen,
                                             debug.cmdSchliessen, debug.txtAusgabe, debug.cmd12345};
        debug.cmd12345->setFocus();
        QCOMPARE(QApplication::focusWidget(), debug.cmd12345);
        for (std::size_t i = 1; i < reihe.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), reihe[i]);
        }
        QVERIFY(debug.txtAusgabe->toPlainText().isEmpty());  // Tab schreibt nichts hinein
    }

    // --- Prüfer der Würfeltexte ---

    void pruefer_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("erlaubt");
        const auto erlaubt = [](const char* name, const QString& text) { QTest::newRow(name) << text << true; };
        const auto verboten = [](const char* name, const QString& text) { QTest::newRow(name) << text << false; };
        erlaubt("leer", QString());
        erlaubt("Leerzeichen", QStringLiteral(" "));
        erlaubt("nur Minus", QStringLiteral("-"));
        erlaubt("nur Plus", QStringLiteral("+"));
        erlaubt("nur Punkt", QStringLiteral("."));
        erlaubt("Ziffer", QStringLiteral("7"));
        erlaubt("Null", QStringLiteral("0"));
        erlaubt("drei Ziffern", QStringLiteral("999"));
        erlaubt("groesster Wert", QStringLiteral("999.99"));
        erlaubt("kleinster Wert", QStringLiteral("-999.99"));
        erlaubt("Bruch ohne Ganzes", QStringLiteral("-.5"));
        erlaubt("Punkt am Ende", QStringLiteral("5."));
        erlaubt("Leerzeichen aussen", QStringLiteral(" 12.5 "));
        erlaubt("acht Zeichen", QStringLiteral("  -99.99"));
        erlaubt("acht Leerzeichen", QString(8, QLatin1Char(' ')));
        verboten("neun Leerzeichen", QString(9, QLatin1Char(' ')));
        verboten("vier Ziffern", QStringLiteral("1000"));
        verboten("drei Nachkommastellen", QStringLiteral("1.234"));
        verboten("zwei Punkte", QStringLiteral("1.2.3"));
        verboten("zwei Vorzeichen", QStringLiteral("--1"));
        verboten("Vorzeichen hinten", QStringLiteral("1-"));
        verboten("Leerzeichen innen", QStringLiteral("1 2"));
        verboten("Komma", QStringLiteral("1,5"));
        verboten("Buchstaben", QStringLiteral("abc"));
        verboten("Exponent", QStringLiteral("1e3"));
        verboten("Hex", QStringLiteral("0x1"));
        verboten("Tab", QStringLiteral("\t1"));
        verboten("festes Leerzeichen", QStringLiteral("\u00a01"));
        verboten("arabische Ziffer", QStringLiteral("\u0663"));
        verboten("Vollbreite Ziffer", QStringLiteral("\uff13"));
        verboten("Umlaut", QStringLiteral("ä"));
        verboten("neun Zeichen", QStringLiteral(" -999.99 "));
    }

    void pruefer()
    {
        QFETCH(QString, text);
        QFETCH(bool, erlaubt);
        Wuerfeltextpruefer p;
        int pos = 0;
        QCOMPARE(p.validate(text, pos), erlaubt ? QValidator::Acceptable : QValidator::Invalid);
    }

    // Über alle kurzen Texte aus kritischen Zeichen: was erlaubt ist, liest das Spiel als Zahl
    // von -1000 bis 1000, und jeder Anfang davon ist erlaubt, damit man ihn eintippen kann.
    void prueferAlleKurzenTexte()
    {
        const QString zeichen = QStringLiteral(" -+.95x");
        Wuerfeltextpruefer p;
        const auto erlaubt = [&p](QString text) {
            int pos = 0;
            return p.validate(text, pos) == QValidator::Acceptable;
        };
        int erlaubte = 0;
        std::vector<QString> texte{QString()};
        for (int laenge = 1; laenge <= 6; ++laenge) {
            std::vector<QString> laengere;
            for (const auto& text : texte) {
                for (const QChar c : zeichen) {
                    laengere.push_back(text + c);
                }
            }
            for (const auto& text : laengere) {
                if (!erlaubt(text)) {
                    continue;
                }
                ++erlaubte;
                const int wert = ZahlLesen(text.toStdString());
                QVERIFY2(wert >= -1000 && wert <= 1000, qPrintable(text));
                QVERIFY2(erlaubt(text.chopped(1)), qPrintable(text));
            }
            texte = std::move(laengere);
        }
        QVERIFY(erlaubte > 1000);
    }

    // --- Getippte Würfeltexte, dann Halten und Werten ---

    void tippen_data()
    {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("steht");  // was der Würfeltext danach zeigt
        QTest::newRow("nichts") << "" << "";
        QTest::newRow("Leerzeichen") << " " << " ";
        QTest::newRow("Minus") << "-" << "-";
        QTest::newRow("9999") << "9999" << "999";
        QTest::newRow("1.5") << "1.5" << "1.5";
        QTest::newRow("2.5 zur geraden") << "2.5" << "2.5";
        QTest::newRow("abc") << "abc" << "";
        QTest::newRow("7") << "7" << "7";
        QTest::newRow("0") << "0" << "0";
        QTest::newRow("lange Ziffernfolge") << "12345678901234567890" << "123";
        QTest::newRow("kleinster Wert und mehr") << "-999.999" << "-999.99";
        QTest::newRow("Leerzeichen aussen") << "  3.50  " << "  3.50  ";
        QTest::newRow("Komma") << "1,5" << "15";
        QTest::newRow("Minus Leerzeichen Ziffer") << "- 5" << "- ";
        QTest::newRow("Plus") << "+6" << "+6";
        QTest::newRow("Buchstaben dazwischen") << "x7y" << "7";
        QTest::newRow("Unicode") << QStringLiteral("ä\u0663€\u00a0\U0001F3B2") << "";
        QTest::newRow("Unicode und Ziffer") << QStringLiteral("\U0001F3B24") << "4";
    }

    void tippen()
    {
        QFETCH(QString, getippt);
        QFETCH(QString, steht);
        Debugtisch d;
        auto& spiel = d.tisch.spiel;
        d.tisch.Werfen({1, 2, 3, 4, 5});
        for (int i = 0; i < 5; ++i) {
            d.Tippen(i, getippt);
            QCOMPARE(d.Text(i)->text(), steht);
            QCOMPARE(spiel.frmTarvoll.txtWuerfel[static_cast<std::size_t>(i)], steht.toStdString());
        }
        const auto wert = ZahlLesen(steht.toStdString());
        for (int i = 0; i < 5; ++i) {
            d.tisch.WuerfelKlicken(i);
            const int pos = i + 1;
            QVERIFY(spiel.blnHalten[pos]);
            QCOMPARE(spiel.intHaltewert[pos], wert);
            QCOMPARE(spiel.frmTarvoll.imgWuerfel[static_cast<std::size_t>(i)].datei,
                     "1" + ZahlText(steht.toStdString()) + ".JPG");
            QVERIFY(d.tisch.fenster.imgWuerfel[static_cast<std::size_t>(i)]->Rahmen());
        }
        d.tisch.ZelleKlicken(16);
        const long summe = 5L * wert;
        QVERIFY(summe >= std::numeric_limits<std::int16_t>::min() && summe <= std::numeric_limits<std::int16_t>::max());
        QCOMPARE(d.tisch.Zelltext(16), QString::number(summe));
        QCOMPARE(d.tisch.Zelltext(17), QString::number(summe));
        QCOMPARE(spiel.intRunde, std::int16_t{2});
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(d.Text(i)->text(), QString());
            QVERIFY(!spiel.blnHalten[i + 1]);
        }
    }

    // Die größten und kleinsten Texte in allen Zeilen, die Würfel zusammenzählen: jede
    // Summe bis zur Endsumme bleibt genau, nichts stößt an die 16-Bit-Grenze.
    void extremwerteBleibenGenau_data()
    {
        QTest::addColumn<QString>("getippt");
        QTest::newRow("groesster") << "999.99";
        QTest::newRow("kleinster") << "-999.99";
    }

    void extremwerteBleibenGenau()
    {
        QFETCH(QString, getippt);
        Debugtisch d;
        const long wert = ZahlLesen(getippt.toStdString());
        QCOMPARE(std::abs(wert), 1000L);
        struct Runde {
            int zeile;
            int sechsen;  // so viele Würfel zeigen 6, die übrigen den Extremwert
        };
        long erwartet = 0;
        for (const auto runde : {Runde{10, 3}, Runde{11, 4}, Runde{15, 5}, Runde{16, 0}, Runde{6, 1}}) {
            d.tisch.Werfen({1, 1, 1, 1, 1});
            for (int i = 0; i < 5; ++i) {
                d.Tippen(i, i < runde.sechsen ? QStringLiteral("6") : getippt);
            }
            d.tisch.ZelleKlicken(runde.zeile);
            const long punkte = runde.zeile == 6 ? 6 : 6L * runde.sechsen + (5 - runde.sechsen) * wert;
            QCOMPARE(d.tisch.Zelltext(runde.zeile), QString::number(punkte));
            erwartet += punkte;
        }
        QCOMPARE(d.tisch.Zelltext(17), QString::number(erwartet));
        QVERIFY(std::abs(erwartet) < 20000);
    }

    // Bleibt das Debug-Fenster nach dem Hauptfenster offen, läuft das Programm weiter; erst mit
    // ihm endet es. Braucht die echte Ereignisschleife und steht deshalb zuletzt.
    void programmEndetMitDemLetztenFenster()
    {
        FreiesHauptfenster haupt;
        QPointer<frmDebug> debug = new frmDebug(haupt.spiel, QPointer<QWidget>(haupt.fenster));
        debug->setAttribute(Qt::WA_DeleteOnClose);
        debug->show();
        bool liefNachHauptfenster = false;
        QTimer::singleShot(0, haupt.fenster, [&haupt] { haupt.fenster->close(); });
        QTimer::singleShot(100, debug, [&] {
            liefNachHauptfenster = haupt.fenster.isNull();
            debug->close();
        });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });  // falls nichts endet
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(liefNachHauptfenster);
        QTRY_VERIFY(debug.isNull());
    }
};

QTEST_MAIN(DebugTest)
#include "DebugTest.moc"

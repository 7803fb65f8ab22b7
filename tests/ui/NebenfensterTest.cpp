// Die Fenster neben dem Hauptfenster: was seine Menüs öffnen, und die Titelkarte beim Start.

#include "Fensterhilfen.h"
#include "Programm.h"
#include "frmDebug.h"
#include "frmSpieler.h"
#include "frmStatistik.h"
#include "frmTitelbild.h"

#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>

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

// Die sichtbaren Fenster einer Art.
template <typename Fenster>
QList<QWidget*> Offen()
{
    auto offen = QApplication::topLevelWidgets();
    offen.removeIf([](QWidget* fenster) { return !qobject_cast<Fenster*>(fenster) || !fenster->isVisible(); });
    return offen;
}

}  // namespace

class NebenfensterTest : public QObject {
    Q_OBJECT

    QList<QUrl> geoeffnet_;
    // Ein leeres Zuhause für diesen Lauf: dort sähe man jede Einstellungsdatei, die Qt schreibt.
    QTemporaryDir zuhause_;

public slots:
    // Statt eines Browsers nimmt der Test die Seiten entgegen, die das Fenster öffnen lässt.
    void oeffnen(const QUrl& adresse) { geoeffnet_.append(adresse); }

private slots:
    void initTestCase()
    {
        SchriftenEinrichten();
        qputenv("HOME", QFile::encodeName(zuhause_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(zuhause_.filePath(QStringLiteral(".config"))));
    }

    // Knopf und Menü fragen vor dem Beenden; nur Ja beendet.
    void beenden()
    {
        Fenstertisch tisch;
        tisch.meldungen.antworten = {Antwort::Nein, Antwort::Ja};
        QTest::mouseClick(tisch.fenster.cmdBeenden, Qt::LeftButton);
        QCOMPARE(tisch.beendet, 0);
        tisch.fenster.mnuBeenden->trigger();
        QCOMPARE(tisch.beendet, 1);
        const Meldung frage{"Quorin Tarvoll - Beenden", "Programm beenden?", Knoepfe::JaNein, Symbol::Frage};
        QVERIFY((tisch.meldungen.gezeigt == std::vector<Meldung>{frage, frage}));
    }

    // "Info" zeigt die Titelkarte modal über dem Hauptfenster, bis man sie anklickt.
    void info()
    {
        Fenstertisch tisch;
        QPointer<frmTitelbild> karte;
        QTimer::singleShot(0, [&] {
            karte = qobject_cast<frmTitelbild*>(QApplication::activeModalWidget());
            QVERIFY(karte && karte->parentWidget() == &tisch.fenster);
            QTest::mouseClick(karte, Qt::LeftButton, {}, QPoint(20, 20));
            QVERIFY(!karte->isVisible());
        });
        tisch.fenster.mnuInfo->trigger();
        QVERIFY(!karte);  // geschlossen und verworfen
    }

    // Spielregeln und Liesmich öffnen ihre Seite aus dem Ordner "hilfe"; fehlt sie, geschieht nichts.
    void hilfe()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "oeffnen");
        QTemporaryDir leer;
        for (const auto& ordner : {QStringLiteral(PROGRAMMORDNER), leer.path()}) {
            Fenstertisch tisch({}, ordner);
            tisch.fenster.mnuSpielregeln->trigger();
            tisch.fenster.mnuLiesmich->trigger();
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        const QDir hilfe(QStringLiteral(PROGRAMMORDNER "/hilfe"));
        QCOMPARE(geoeffnet_, (QList<QUrl>{QUrl::fromLocalFile(hilfe.filePath(QStringLiteral("Spielregeln.htm"))),
                                          QUrl::fromLocalFile(hilfe.filePath(QStringLiteral("Liesmich.htm")))}));
    }

    // Jeder Weg aus dem Spielerdialog, den das Menü modal zeigt. Sein Regler beginnt bei 1, auch wenn
    // drei Spieler eingestellt sind, und Pfeil nach unten nimmt einen Spieler dazu; ein Namensfeld
    // außer Gebrauch ist gesperrt und zeigt seinen Namen weiter. Enter und Escape tun nichts; nach
    // dem ersten Wurf fragt OK, und nach Nein bleibt der Dialog offen.
    void spielerSchliessen_data()
    {
        QTest::addColumn<QString>("knopf");  // leer: das Schließfeld
        QTest::addColumn<bool>("gewuerfelt");
        QTest::addColumn<bool>("gespeichert");  // auch die Antwort auf die Frage
        QTest::newRow("OK ohne Wurf") << "cmdOK" << false << true;
        QTest::newRow("OK, Ja") << "cmdOK" << true << true;
        QTest::newRow("OK, Nein") << "cmdOK" << true << false;
        QTest::newRow("Abbrechen") << "cmdAbbrechen" << true << false;
        QTest::newRow("Schließfeld") << "" << true << false;
    }

    void spielerSchliessen()
    {
        QFETCH(QString, knopf);
        QFETCH(bool, gewuerfelt);
        QFETCH(bool, gespeichert);
        Fenstertisch tisch;
        tisch.spiel.strSpielername[3] = "Clara";
        tisch.spiel.bytAnzahlSpieler = 3;
        if (gewuerfelt) {
            QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
            tisch.Werfen({1, 2, 3, 4, 5});
        }
        tisch.meldungen.antworten = {gespeichert ? Antwort::Ja : Antwort::Nein};
        bool offenNachKnopf = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<frmSpieler*>(QApplication::activeModalWidget());
            QVERIFY(dialog && dialog->sldSpieler->value() == 1 && !dialog->txtSpieler2->isEnabled());
            QTest::keyClick(dialog->sldSpieler, Qt::Key_Down);
            QVERIFY(dialog->txtSpieler2->isEnabled() && !dialog->txtSpieler3->isEnabled());
            QCOMPARE(dialog->txtSpieler3->text(), QStringLiteral("Clara"));
            dialog->txtSpieler1->setText(QStringLiteral("A|B"));
            dialog->txtSpieler2->setText(QStringLiteral("Bernd "));
            QTest::keyClick(dialog->txtSpieler1, Qt::Key_Return);
            QTest::keyClick(dialog->cmdOK, Qt::Key_Enter, Qt::KeypadModifier);
            QTest::keyClick(dialog->cmdAbbrechen, Qt::Key_Escape);
            QVERIFY(dialog->isVisible() && tisch.meldungen.gezeigt.empty());
            if (knopf.isEmpty()) {
                dialog->close();
            } else {
                QTest::mouseClick(dialog->findChild<QPushButton*>(knopf), Qt::LeftButton);
            }
            offenNachKnopf = dialog->isVisible();
            dialog->reject();
        });
        tisch.fenster.mnuSpieler->trigger();
        QCOMPARE(int(tisch.meldungen.gezeigt.size()), knopf == QLatin1String("cmdOK") && gewuerfelt ? 1 : 0);
        QCOMPARE(offenNachKnopf, knopf == QLatin1String("cmdOK") && !gespeichert);
        QCOMPARE(tisch.Zelltext(0, 1), gespeichert ? QStringLiteral("A|B") : QStringLiteral("Spieler 1"));
        QCOMPARE(tisch.spiel.strSpielername[2], std::string(gespeichert ? "Bernd " : "Spieler 2"));
        QCOMPARE(tisch.spiel.bytAnzahlSpieler, std::uint8_t(gespeichert ? 2 : 3));
    }

    // Statistik und Debug-Fenster gibt es einmal: der zweite Befehl holt sie nur nach vorn. Die
    // Statistik behält die Namen von ihrem Öffnen und passt ohne Rollbalken in ihr Fenster.
    void statistikUndDebugEinmal()
    {
        Fenstertisch tisch("debug");
        auto& f = tisch.fenster;
        QVERIFY(f.mnuDebug->isVisible());
        for (const char* name : {"Clara", "Neu"}) {
            tisch.spiel.strSpielername[3] = name;
            f.mnuStatistik->trigger();
            f.mnuDebug->trigger();
        }
        QCOMPARE(Offen<frmDebug>().size(), 1);
        QCOMPARE(Offen<frmStatistik>().size(), 1);
        auto* statistik = static_cast<frmStatistik*>(Offen<frmStatistik>().constFirst())->mfgStatistik;
        QCOMPARE(statistik->model()->index(0, 3).data().toString(), QStringLiteral("Clara"));
        QVERIFY(!statistik->horizontalScrollBar()->isVisible() && !statistik->verticalScrollBar()->isVisible());
        Offen<frmStatistik>().constFirst()->close();
        Offen<frmDebug>().constFirst()->close();
    }

    // Über das Menü gespeichert (der Dialog schlägt "Spielstand1" vor) und in einem neuen Fenster
    // geöffnet, zeigt das Spiel dasselbe. Ein Schreibfehler und eine abgelehnte Datei werden
    // gemeldet und lassen das Spiel stehen.
    void speichernUndOeffnen()
    {
        QTemporaryDir ordner;
        const auto datei = ordner.filePath(QStringLiteral("mitten.qts"));
        const auto fremd = ordner.filePath(QStringLiteral("fremd.qts"));
        QFile fremde(fremd);
        QVERIFY(fremde.open(QIODevice::WriteOnly) && fremde.write("Hallo") == 5);
        fremde.close();
        Fenstertisch alt;
        alt.Anspielen();
        const auto gezeigt = alt.Gezeigt();
        alt.fenster.mnuSpeichern->trigger();  // abgebrochen
        QCOMPARE(alt.fenster.cdlDialog1.FileName, QStringLiteral("Spielstand1"));
        alt.dateiauswahl.antworten = {datei, ordner.path()};  // ein Ordner lässt sich nicht als Datei schreiben
        alt.fenster.mnuSpeichern->trigger();
        QVERIFY(alt.meldungen.gezeigt.empty());
        alt.fenster.mnuSpeichern->trigger();
        QCOMPARE(alt.meldungen.gezeigt.size(), 1u);
        QCOMPARE(alt.meldungen.gezeigt.back().titel, std::string("Quorin Tarvoll - Speichern"));
        QCOMPARE(alt.Gezeigt(), gezeigt);

        Fenstertisch neu;
        neu.dateiauswahl.antworten = {datei, fremd};
        neu.fenster.mnuOeffnen->trigger();
        QCOMPARE(neu.Gezeigt(), gezeigt);
        neu.fenster.mnuOeffnen->trigger();
        QCOMPARE(neu.meldungen.gezeigt.size(), 1u);
        QCOMPARE(neu.meldungen.gezeigt.back().titel, std::string("Quorin Tarvoll - Öffnen"));
        QCOMPARE(neu.Gezeigt(), gezeigt);
    }

    // Der echte Dateidialog, abgebrochen: Qt merkte sich sonst Ordner und Verlauf in einer Datei.
    void dateidialogSchreibtNichts()
    {
        QtDateiauswahl auswahl;
        Dateidialog einstellungen;
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        QVERIFY(!auswahl.ShowOpen(einstellungen, nullptr));
        QCOMPARE(QDir(zuhause_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

    // Jeder Vorgabeknopf schreibt seine Ziffern in die Würfeltexte; "Installation prüfen" ersetzt die
    // Ausgabe. Ein Hilfsmittel setzt einen ganzen Würfeltext am Prüfer vorbei; auch den wertet das Spiel.
    void debugfenster()
    {
        Fenstertisch tisch("debug");
        frmDebug debug(tisch.spiel, QPointer<QWidget>(&tisch.fenster));
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
        tisch.Werfen({1, 2, 3, 4, 5});
        const auto vorgaben = debug.findChildren<QPushButton*>(QRegularExpression(QStringLiteral("^cmd\\d{5}$")));
        QCOMPARE(vorgaben.size(), 10);
        for (auto* knopf : vorgaben) {
            QTest::mouseClick(knopf, Qt::LeftButton);
            QString texte;
            for (auto* text : tisch.fenster.txtWuerfel) {
                texte += text->text();
            }
            QCOMPARE(texte, knopf->text());
        }
        QTest::mouseClick(debug.cmdInstallation_Pruefen, Qt::LeftButton);
        QTest::mouseClick(debug.cmdInstallation_Pruefen, Qt::LeftButton);
        QCOMPARE(debug.txtAusgabe->toPlainText(), QStringLiteral("quorin TARVOLL interner Check\n© 2026 Entwickler von "
                                                                 "Quorin Tarvoll\nQuorin_Tarvoll,Vollversion,1,2,8,deutsch"));
        Zugang(tisch.fenster.txtWuerfel[0])->editableTextInterface()->replaceText(0, 1, QStringLiteral("99999"));
        QCOMPARE(tisch.spiel.frmTarvoll.txtWuerfel[0], std::string("99999"));
    }

    // Zeichen für Zeichen getippt, nimmt ein Würfeltext nur an, was das Spiel als Zahl von -1000 bis
    // 1000 liest, jeden Anfang davon und nicht mehr als acht Zeichen; das Spiel wertet, was dasteht.
    void tippen_data()
    {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("steht");
        QTest::newRow("größter Wert") << "999.99" << "999.99";
        QTest::newRow("drei Nachkommastellen") << "-999.999" << "-999.99";
        QTest::newRow("vier Ziffern") << "1000" << "100";
        QTest::newRow("Plus, Bruch ohne Ganzes") << "+.5" << "+.5";
        QTest::newRow("Leerzeichen außen") << "  2.50  " << "  2.50  ";
        QTest::newRow("neun Zeichen") << " -999.99 " << " -999.99";
        QTest::newRow("zwei Punkte") << "1.2.3" << "1.23";
        QTest::newRow("zwei Vorzeichen, Vorzeichen hinten") << "--1-" << "-1";
        QTest::newRow("Leerzeichen innen") << "1 2" << "1 ";
        QTest::newRow("Komma, Exponent, Buchstaben") << "1,5e3x" << "153";
        QTest::newRow("fremde Zeichen") << QStringLiteral("\u00a0\u0663ä€\U0001F3B26") << "6";
    }

    void tippen()
    {
        QFETCH(QString, getippt);
        QFETCH(QString, steht);
        Fenstertisch tisch("debug");
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
        tisch.Werfen({1, 2, 3, 4, 5});
        auto* feld = tisch.fenster.txtWuerfel[4];
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Backspace);
        for (const char32_t zeichen : getippt.toUcs4()) {
            QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString::fromUcs4(&zeichen, 1), {});
        }
        QCOMPARE(feld->text(), steht);
        QCOMPARE(QString::fromStdString(tisch.spiel.frmTarvoll.txtWuerfel[4]), steht);
    }

    // Die Titelkarte geht weiter mit einem Klick irgendwo, auch auf Bild oder Text, mit Eingabe,
    // Leertaste oder dem Drücken durch ein Hilfsmittel: sie ist dann verworfen, das eine Hauptfenster
    // da. Im Debug-Modus lädt es hinter "Debug Modus!", die Karte schon verworfen, und ein zweiter
    // Druck, der währenddessen ankommt, baut kein zweites.
    void titelkarte_data()
    {
        QTest::addColumn<int>("taste");  // 0: Klick bei `ort`, -1: Drücken durch ein Hilfsmittel
        QTest::addColumn<QPoint>("ort");
        QTest::addColumn<QString>("kommandozeile");
        QTest::newRow("Hintergrund") << 0 << QPoint(300, 118) << QString();
        QTest::newRow("Herstellerlogo") << 0 << QPoint(100, 50) << QString();
        QTest::newRow("Rechtshinweis") << 0 << QPoint(450, 150) << QString();
        QTest::newRow("Eingabe") << int(Qt::Key_Return) << QPoint() << QString();
        QTest::newRow("Leertaste") << int(Qt::Key_Space) << QPoint() << QString();
        QTest::newRow("Hilfsmittel") << -1 << QPoint() << QString();
        QTest::newRow("Debug-Modus, zweiter Druck") << 0 << QPoint(300, 118) << QStringLiteral("debug");
    }

    void titelkarte()
    {
        QFETCH(int, taste);
        QFETCH(QPoint, ort);
        QFETCH(QString, kommandozeile);
        MeldungMitEreignis meldungen;
        SkriptZufall zufall;
        FesteUhr uhr;
        SkriptDateiauswahl dateiauswahl;
        Programm programm({meldungen, zufall, uhr, dateiauswahl, QStringLiteral(PROGRAMMORDNER)}, kommandozeile.toStdString());
        programm.Starten();
        QPointer<frmTitelbild> karte = programm.titelbild();
        bool karteBeimLaden = false;
        meldungen.waehrend = [&] {
            karteBeimLaden = !karte.isNull();
            programm.HauptfensterZeigen();
        };
        QVERIFY(QTest::qWaitForWindowExposed(karte));
        if (taste > 0) {
            QTest::keyClick(karte, Qt::Key(taste));
        } else if (taste < 0) {
            Zugang(karte)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        } else {  // an das Element dort, wie das Fenstersystem ihn zustellte
            QWidget* ziel = karte->childAt(ort) ? karte->childAt(ort) : karte.data();
            QTest::mouseClick(ziel, Qt::LeftButton, {}, ziel->mapFrom(karte.data(), ort));
        }
        QVERIFY(karte);  // in ihrem eigenen Klick wird sie nur geschlossen, verworfen erst danach
        QTRY_VERIFY(!karte);
        QVERIFY(programm.hauptfenster() && programm.hauptfenster()->isVisible());
        QVERIFY(!karteBeimLaden);
        QCOMPARE(Offen<frmTarvoll>().size(), 1);
    }

    // Die Versionszeile ist rot, und keine Beschriftung der Karte schneidet ihren Text ab.
    void titelkarteAussehen()
    {
        frmTitelbild karte;
        karte.show();
        const QImage version = karte.lblVersion->grab().toImage();
        bool rot = false;
        for (int i = 0; i < version.width() * version.height() && !rot; ++i) {
            const QColor farbe = version.pixelColor(i % version.width(), i / version.width());
            rot = farbe.red() > 200 && farbe.green() < 60 && farbe.blue() < 60;
        }
        QVERIFY(rot);
        for (auto* beschriftung : {karte.lblVersion, karte.lblCopyright, karte.lblCopyright2}) {
            const auto bedarf = beschriftung->fontMetrics().boundingRect(
                beschriftung->rect(), Qt::TextWordWrap | beschriftung->alignment(), beschriftung->text());
            QVERIFY2(beschriftung->rect().contains(bedarf), qPrintable(beschriftung->text()));
        }
    }

    // Die Argumente hinter dem Programmnamen, so wie sie vor Qt ankommen, mit Qts eigenen Schaltern.
    void kommandozeile()
    {
        const auto text = [](std::vector<const char*> argv) { return Kommandozeile(int(argv.size()), argv.data()); };
        QCOMPARE(text({"quorintarvoll"}), std::string());
        QCOMPARE(text({"quorintarvoll", "debug", "x"}), std::string("debug x"));
        QCOMPARE(text({"quorintarvoll", "-platform", "offscreen", "debug"}), std::string("-platform offscreen debug"));
    }

    // Beim Start ist die Karte das einzige Fenster: Escape lässt sie stehen, Schließen über das
    // Fenstersystem beendet das Programm. Ohne Hauptfenster tun die Vorgaben des Debug-Fensters
    // nichts und holen kein verstecktes zurück; das Programm läuft mit ihm allein weiter und endet
    // mit ihm. Braucht die echte Ereignisschleife und steht deshalb zuletzt.
    void programmEndetMitDemLetztenFenster()
    {
        {
            frmTitelbild karte;
            karte.show();
            QTest::keyClick(&karte, Qt::Key_Escape);
            QVERIFY(karte.isVisible());
            QTimer::singleShot(0, &karte, &QWidget::close);
            QTimer::singleShot(5000, &karte, [] { QCoreApplication::exit(99); });  // falls nichts endet
            QCOMPARE(QCoreApplication::exec(), 0);
        }
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
        bool geprueft = false;
        QTimer::singleShot(0, haupt, [&haupt] { haupt->close(); });
        QTimer::singleShot(100, debug, [&] {
            QTest::mouseClick(debug->cmd44441, Qt::LeftButton);
            geprueft = Offen<frmTarvoll>().isEmpty() && debug->isVisible() && programm.spiel().frmTarvoll.txtWuerfel == texte;
            debug->close();
        });
        QTimer::singleShot(5000, &programm, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(geprueft);
        QTRY_VERIFY(debug.isNull());
    }
};

QTEST_MAIN(NebenfensterTest)
#include "NebenfensterTest.moc"

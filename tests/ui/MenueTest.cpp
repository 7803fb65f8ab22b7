#include "Fensterhilfen.h"
#include "frmDebug.h"
#include "frmSpieler.h"
#include "frmStatistik.h"
#include "frmTitelbild.h"

#include <QAction>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>

class MenueTest : public QObject {
    Q_OBJECT

    // Die sichtbaren Hauptfenster einer Art.
    template <typename Fenster>
    static QList<Fenster*> Offen()
    {
        QList<Fenster*> offen;
        for (auto* fenster : QApplication::topLevelWidgets()) {
            if (auto* gesucht = qobject_cast<Fenster*>(fenster); gesucht && gesucht->isVisible()) {
                offen.append(gesucht);
            }
        }
        return offen;
    }

    static QStringList Eintraege(QMenu* menue)
    {
        QStringList texte;
        for (auto* aktion : menue->actions()) {
            texte << (aktion->isSeparator() ? QStringLiteral("-") : aktion->text());
        }
        return texte;
    }

    // Ein leeres Zuhause für diesen Lauf: dort sähe man jede Einstellungsdatei, die Qt schreibt.
    QTemporaryDir zuhause_;

private slots:
    void initTestCase()
    {
        SchriftenEinrichten();
        qputenv("HOME", QFile::encodeName(zuhause_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(zuhause_.filePath(QStringLiteral(".config"))));
    }

    void menuebaum()
    {
        Fenstertisch tisch;
        auto& f = tisch.fenster;
        QStringList leiste;
        for (auto* aktion : f.menuBar()->actions()) {
            leiste << aktion->text();
        }
        QCOMPARE(leiste, (QStringList{"&Datei", "Spie&l", "?"}));
        QCOMPARE(Eintraege(f.mnuDatei), (QStringList{"Ö&ffnen", "&Speichern", "-", "&Info", "&Debug", "&Beenden"}));
        QCOMPARE(Eintraege(f.mnuSpiel), (QStringList{"Spi&eler", "&Statistik", "-", "&Tipp", "&Auswertung"}));
        QCOMPARE(Eintraege(f.mnuHilfe), (QStringList{"Spielregeln", "Liesmich"}));
        QVERIFY(!f.mnuDebug->isVisible());
        for (auto* menue : {f.mnuDatei, f.mnuSpiel, f.mnuHilfe}) {
            for (auto* aktion : menue->actions()) {
                QVERIFY2(aktion->shortcut().isEmpty(), qPrintable(aktion->text()));
                QVERIFY2(aktion->isEnabled() || !aktion->isVisible(), qPrintable(aktion->objectName()));
            }
        }
    }

    void beenden_data()
    {
        QTest::addColumn<bool>("ueberMenue");
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<int>("beendet");
        QTest::newRow("Knopf, Ja") << false << Antwort::Ja << 1;
        QTest::newRow("Knopf, Nein") << false << Antwort::Nein << 0;
        QTest::newRow("Menü, Ja") << true << Antwort::Ja << 1;
        QTest::newRow("Menü, Nein") << true << Antwort::Nein << 0;
    }

    void beenden()
    {
        QFETCH(bool, ueberMenue);
        QFETCH(Antwort, antwort);
        QFETCH(int, beendet);
        Fenstertisch tisch;
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
        tisch.Werfen({1, 2, 3, 4, 5});
        tisch.WuerfelKlicken(0);
        const auto vorher = tisch.spiel.frmTarvoll;
        tisch.meldungen.antworten = {antwort};
        if (ueberMenue) {
            tisch.fenster.mnuBeenden->trigger();
        } else {
            QTest::mouseClick(tisch.fenster.cmdBeenden, Qt::LeftButton);
        }
        QCOMPARE(tisch.meldungen.gezeigt.back(),
                 (Meldung{"Quorin Tarvoll - Beenden", "Programm beenden?", Knoepfe::JaNein, Symbol::Frage}));
        QCOMPARE(tisch.beendet, beendet);
        QVERIFY(tisch.spiel.frmTarvoll == vorher);
    }

    void infoZeigtTitelkarteModal()
    {
        Fenstertisch tisch;
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
        tisch.Werfen({6, 6, 6, 6, 6});
        const auto vorher = tisch.spiel.frmTarvoll;
        QPointer<frmTitelbild> gesehen;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            gesehen = qobject_cast<frmTitelbild*>(QApplication::activeModalWidget());
            QVERIFY(gesehen);
            modal = gesehen->isModal();
            QCOMPARE(gesehen->parentWidget(), &tisch.fenster);
            QTest::mouseClick(gesehen, Qt::LeftButton, {}, QPoint(20, 20));
        });
        tisch.fenster.mnuInfo->trigger();
        QVERIFY(modal);
        QVERIFY(!gesehen);  // geschlossen und verworfen
        QVERIFY(tisch.spiel.frmTarvoll == vorher);
        QCOMPARE(tisch.spiel.intWurf, 1);
    }

    void hilfeseiten()
    {
        Dokumentoeffner oeffner;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &oeffner, "oeffnen");
        QTemporaryDir ordner;
        QDir(ordner.path()).mkdir(QStringLiteral("hilfe"));
        for (const auto* name : {"Spielregeln.htm", "Liesmich.htm"}) {
            QFile seite(QDir(ordner.path()).filePath(QStringLiteral("hilfe/") + QLatin1String(name)));
            QVERIFY(seite.open(QIODevice::WriteOnly));
        }
        {
            Fenstertisch tisch({}, ordner.path());
            tisch.fenster.mnuSpielregeln->trigger();
            tisch.fenster.mnuLiesmich->trigger();
            QCOMPARE(oeffner.geoeffnet, (QList<QUrl>{
                QUrl::fromLocalFile(QDir(ordner.path()).filePath(QStringLiteral("hilfe/Spielregeln.htm"))),
                QUrl::fromLocalFile(QDir(ordner.path()).filePath(QStringLiteral("hilfe/Liesmich.htm")))}));
        }
        oeffner.geoeffnet.clear();
        QTemporaryDir leer;
        Fenstertisch ohneHilfe({}, leer.path());
        ohneHilfe.fenster.mnuSpielregeln->trigger();
        ohneHilfe.fenster.mnuLiesmich->trigger();
        QVERIFY(oeffner.geoeffnet.isEmpty());
        QVERIFY(ohneHilfe.meldungen.gezeigt.empty());
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    void spielerZeigtDenDialogModal()
    {
        Fenstertisch tisch;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<frmSpieler*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            modal = dialog->isModal();
            dialog->txtSpieler1->setText(QStringLiteral("Anna|Berta"));
            QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        });
        tisch.fenster.mnuSpieler->trigger();
        QVERIFY(modal);
        QCOMPARE(tisch.spiel.strSpielername[1], std::string("Anna|Berta"));
        QCOMPARE(tisch.Zelltext(0, 1), QStringLiteral("Anna|Berta"));
        QCOMPARE(tisch.fenster.mfgPunktanzeige->model()->columnCount(), 2);
        QCOMPARE(tisch.Zelltext(17, 0), QStringLiteral("Summe"));
    }

    // Statistik- und Debug-Fenster: einmal angelegt, beim zweiten Befehl nur nach vorn geholt.
    void modeloseFensterGibtEsEinmal()
    {
        Fenstertisch tisch("debug");
        auto& f = tisch.fenster;
        QVERIFY(f.mnuDebug->isVisible());
        f.mnuStatistik->trigger();
        f.mnuDebug->trigger();
        QCOMPARE(Offen<frmStatistik>().size(), 1);
        QCOMPARE(Offen<frmDebug>().size(), 1);
        QVERIFY(!Offen<frmStatistik>().constFirst()->isModal());

        // Ein geänderter Name erscheint erst in einer neu geöffneten Statistik.
        tisch.spiel.strSpielername[2] = "Neu";
        f.mnuStatistik->trigger();
        f.mnuDebug->trigger();
        QCOMPARE(Offen<frmStatistik>().size(), 1);
        QCOMPARE(Offen<frmDebug>().size(), 1);
        auto* offen = Offen<frmStatistik>().constFirst();
        QCOMPARE(offen->mfgStatistik->model()->index(0, 2).data().toString(), QStringLiteral("Spieler 2 "));
        QPointer<frmStatistik> alt = offen;
        offen->close();
        QTRY_VERIFY(!alt);
        f.mnuStatistik->trigger();
        QCOMPARE(Offen<frmStatistik>().size(), 1);
        QCOMPARE(Offen<frmStatistik>().constFirst()->mfgStatistik->model()->index(0, 2).data().toString(),
                 QStringLiteral("Neu "));
        Offen<frmStatistik>().constFirst()->close();
        Offen<frmDebug>().constFirst()->close();
    }

    void dateidialogeMerkenDenNamen()
    {
        Fenstertisch tisch;
        auto& f = tisch.fenster;
        auto& dialoge = tisch.dateiauswahl;
        dialoge.antworten = {std::nullopt, std::nullopt, std::nullopt};
        f.mnuOeffnen->trigger();
        f.mnuSpeichern->trigger();
        f.mnuOeffnen->trigger();
        QCOMPARE(dialoge.aufrufe.size(), 3u);
        const auto& oeffnen = dialoge.aufrufe[0];
        QVERIFY(!oeffnen.speichern);
        QCOMPARE(oeffnen.einstellungen.DialogTitle, QStringLiteral("Spielstand öffnen"));
        QCOMPARE(oeffnen.einstellungen.Filter, QStringLiteral("Quorin Tarvoll Spielstand (*.qts)"));
        QCOMPARE(oeffnen.einstellungen.DefaultExt, QStringLiteral("qts"));
        QCOMPARE(oeffnen.einstellungen.FileName, QString());
        QVERIFY(dialoge.aufrufe[1].speichern);
        QCOMPARE(dialoge.aufrufe[1].einstellungen.DialogTitle, QStringLiteral("Spielstand speichern"));
        QCOMPARE(dialoge.aufrufe[1].einstellungen.FileName, QStringLiteral("Spielstand1"));
        QCOMPARE(dialoge.aufrufe[2].einstellungen.FileName, QStringLiteral("Spielstand1"));
        QVERIFY(tisch.meldungen.gezeigt.empty());
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
};

QTEST_MAIN(MenueTest)
#include "MenueTest.moc"

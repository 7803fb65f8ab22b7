#include "Fensterhilfen.h"
#include "frmStatistik.h"
#include "frmTitelbild.h"

#include <QAccessible>
#include <QLineEdit>
#include <QToolTip>

#include <vector>

namespace {

// Ein Zug: ein Wurf mit diesen Augen (vor dem Sortieren), danach diese Würfel anklicken.
struct Zug { std::vector<int> augen, klicken; };
struct Runde { std::vector<Zug> zuege; int zeile; };

// Eine ganze Partie: jede Kategorie einmal, mit Halten, Freigeben und bis zu drei Würfen.
const std::vector<Runde> Partie{
    {{{{6, 1, 4, 1, 3}, {0, 1}}, {{5, 2, 6, 1, 5}, {}}}, 1},
    {{{{2, 2, 2, 5, 6}, {0, 1, 2}}, {{2, 3, 4, 5, 6}, {3, 3}}, {{6, 6, 6, 6, 2}, {}}}, 16},
    {{{{3, 3, 1, 2, 3}, {}}}, 12},
    {{{{3, 4, 3, 4, 3}, {2, 3, 4}}, {{1, 1, 1, 1, 1}, {}}}, 3},
    {{{{6, 5, 4, 3, 2}, {}}}, 14},
    {{{{5, 5, 5, 1, 2}, {2, 3, 4}}, {{5, 5, 6, 6, 6}, {}}}, 5},
    {{{{4, 4, 4, 4, 2}, {}}}, 11},
    {{{{1, 2, 3, 4, 6}, {}}}, 2},
    {{{{6, 6, 6, 6, 6}, {}}}, 15},
    {{{{4, 4, 1, 2, 3}, {3, 4}}, {{4, 4, 4, 5, 6}, {}}}, 4},
    {{{{1, 2, 2, 3, 5}, {}}, {{2, 3, 4, 6, 6}, {}}}, 13},
    {{{{6, 6, 1, 2, 3}, {}}}, 6},
    {{{{1, 1, 1, 5, 6}, {}}}, 10},
};

QAccessibleInterface* Zugang(QObject* objekt) { return QAccessible::queryAccessibleInterface(objekt); }

QString Name(QObject* objekt) { return Zugang(objekt)->text(QAccessible::Name); }

QString Zellname(QWidget* raster, int zeile)
{
    return Zugang(raster)->tableInterface()->cellAt(zeile, 1)->text(QAccessible::Name);
}

}  // namespace

class TastaturTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SchriftenEinrichten(); }

    // Dieselbe Partie mit Alt+N, Alt+W, Ziffern, Pfeilen und Eingabe/Leertaste zeigt nach jeder
    // Runde dasselbe wie mit der Maus. Die Tasten gehen wie vom Fenstersystem an den Fokus.
    void ganzesSpielOhneMaus()
    {
        Fenstertisch maus{"debug"};
        QTest::mouseClick(maus.fenster.cmdNeu, Qt::LeftButton);
        Fenstertisch tisch{"debug"};
        auto& f = tisch.fenster;
        const auto& raster = tisch.spiel.frmTarvoll.mfgPunktanzeige;
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        const auto taste = [&f](Qt::Key t, Qt::KeyboardModifiers u = {}) { QTest::keyClick(f.windowHandle(), t, u); };
        const auto zettelFokussieren = [&] {
            for (int i = 0; i < 8 && QApplication::focusWidget() != f.mfgPunktanzeige; ++i) {
                taste(Qt::Key_Backtab, Qt::ShiftModifier);
            }
            return QApplication::focusWidget() == f.mfgPunktanzeige;
        };
        // Strg+Pos1 führt zur ersten Spielzeile, denn die Köpfe nimmt die Tastatur nicht.
        const auto zeileAnsteuern = [&](int zeile) {
            taste(Qt::Key_Home, Qt::ControlModifier);
            for (int i = 0; i < 20 && raster.Zeile() < zeile; ++i) {
                taste(Qt::Key_Down);
            }
            return raster.Zeile() == zeile && raster.Spalte() == Anzeige::Spielspalte;
        };
        const std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 3> eintragen{
            {{Qt::Key_Return, {}}, {Qt::Key_Space, {}}, {Qt::Key_Enter, Qt::KeypadModifier}}};

        taste(Qt::Key_N, Qt::AltModifier);  // Zugriffstasten lösen verzögert aus
        QTRY_VERIFY(f.cmdWuerfeln->isEnabled());
        for (std::size_t r = 0; r < Partie.size(); ++r) {
            const auto [eingabe, umschalter] = eintragen[r % eintragen.size()];
            for (const auto& zug : Partie[r].zuege) {
                maus.zufall.augen.assign(zug.augen.begin(), zug.augen.end());
                tisch.zufall.augen = maus.zufall.augen;
                QTest::mouseClick(maus.fenster.cmdWuerfeln, Qt::LeftButton);
                const int wurf = tisch.spiel.intWurf;
                taste(Qt::Key_W, Qt::AltModifier);
                QTRY_COMPARE(int(tisch.spiel.intWurf), wurf + 1);
                QVERIFY(zettelFokussieren());
                for (const int wuerfel : zug.klicken) {
                    taste(static_cast<Qt::Key>(Qt::Key_1 + wuerfel));
                    maus.WuerfelKlicken(wuerfel);
                }
            }
            // Im Würfeltext sind Ziffern Text; dass sie nichts halten, zeigt der Vergleich mit der Maus.
            if (r == 2) {
                f.txtWuerfel[2]->setFocus();
                taste(Qt::Key_End);
                taste(Qt::Key_4);
                QCOMPARE(f.txtWuerfel[2]->text(), QStringLiteral("34"));
                taste(Qt::Key_Backspace);
                QVERIFY(zettelFokussieren());
            }
            maus.ZelleKlicken(Partie[r].zeile);
            QVERIFY(zeileAnsteuern(Partie[r].zeile));
            QCOMPARE(int(tisch.spiel.intWurf), int(Partie[r].zuege.size()));  // die Pfeile werten nichts
            taste(eingabe, umschalter);
            QVERIFY2(tisch.spiel.frmTarvoll == maus.spiel.frmTarvoll,
                     qPrintable(QStringLiteral("Runde %1").arg(r + 1)));
            taste(Qt::Key_Tab);  // verlässt den Spielzettel, statt von Zelle zu Zelle zu gehen
            QVERIFY(QApplication::focusWidget() != f.mfgPunktanzeige);
        }
        QCOMPARE(tisch.spiel.intRunde, 14);
    }

    // Über einer offenen Kategorie sagen der Tooltip und die Beschreibung für Sprachausgaben, was der
    // Wurf dort gäbe, ohne etwas zu ändern; über der Summe gibt es keinen. Ein neuer Wurf nimmt ihn weg.
    void tooltip()
    {
        Fenstertisch tisch;
        QApplication::setActiveWindow(&tisch.fenster);  // sonst schließt der Tooltip von selbst
        QVERIFY(QTest::qWaitForWindowActive(&tisch.fenster));
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
        tisch.Werfen({3, 5, 3, 5, 3});
        const auto anzeige = tisch.spiel.frmTarvoll;
        auto* ansicht = tisch.fenster.mfgPunktanzeige;
        const auto index = ansicht->model()->index(12, 1);
        const auto ort = ansicht->visualRect(index).center();
        QHelpEvent hilfe(QEvent::ToolTip, ort, ansicht->viewport()->mapToGlobal(ort));
        QApplication::sendEvent(ansicht->viewport(), &hilfe);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("Würde 25 Punkte geben"));
        QCOMPARE(index.data(Qt::AccessibleDescriptionRole).toString(), QToolTip::text());
        QVERIFY(!ansicht->model()->index(basTarvoll::ZeileSumme, 1).data(Qt::ToolTipRole).isValid());
        QVERIFY(tisch.spiel.frmTarvoll == anzeige);
        tisch.spiel.frmTarvoll_cmdWuerfeln_Click();  // ohne Klick und Taste, die jeden Tooltip schließen
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    // Namen für Sprachausgaben vor dem Spiel und nach ein paar Zügen.
    void namen()
    {
        Fenstertisch tisch;
        auto& f = tisch.fenster;
        std::vector<std::pair<QString, QString>> namen{{Name(f.imgWuerfel[2]), "Würfel 3: leer"},
                                                       {Name(f.lblRunde), "Runde: keine"},
                                                       {Name(f.lblWurf), "Wurf: keiner"}};
        QTest::mouseClick(f.cmdNeu, Qt::LeftButton);
        tisch.Werfen({3, 5, 3, 5, 3});
        tisch.ZelleKlicken(1);
        tisch.Werfen({3, 5, 3, 5, 3});
        tisch.ZelleKlicken(10);
        tisch.Werfen({4, 4, 4, 4, 4});
        tisch.WuerfelKlicken(2);
        frmStatistik statistik(tisch.spiel);
        namen.insert(namen.end(),
                     {{Name(f.imgWuerfel[2]), "Würfel 3: 4, gehalten"}, {Name(f.cmdNeu), "Neues Spiel"},
                      {Zellname(f.mfgPunktanzeige, 1), "Einer: gestrichen"},
                      {Zellname(f.mfgPunktanzeige, 10), "Dreierpasch: 19"},
                      {Name(f.lblInfo), "Hinweis: Zum Halten Würfel anklicken!"},
                      {Name(f.lblRunde), "Runde: 3"}, {Name(f.lblWurf), "Wurf: 1"},
                      {Zellname(statistik.mfgStatistik, 2), "2. Spiel, Spieler 1: leer"}});
        for (const auto& [ist, soll] : namen) {
            QCOMPARE(ist, soll);
        }
        // Hilfsmittel drücken einen Würfel wie ein Klick.
        Zugang(f.imgWuerfel[2])->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(Name(f.imgWuerfel[2]), QStringLiteral("Würfel 3: 4"));
    }

    // Die Titelkarte geht ohne Maus weiter: mit Eingabe, Leertaste oder dem Drücken durch ein Hilfsmittel.
    void titelkarteOhneMaus_data()
    {
        QTest::addColumn<int>("taste");  // 0: Drücken durch ein Hilfsmittel
        QTest::newRow("Eingabe") << int(Qt::Key_Return);
        QTest::newRow("Leertaste") << int(Qt::Key_Space);
        QTest::newRow("Hilfsmittel") << 0;
    }

    void titelkarteOhneMaus()
    {
        QFETCH(int, taste);
        frmTitelbild karte;
        QSignalSpy klicks(&karte, &frmTitelbild::angeklickt);
        karte.show();
        QVERIFY(QTest::qWaitForWindowExposed(&karte));
        if (taste == 0) {
            Zugang(&karte)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        } else {
            QTest::keyClick(&karte, static_cast<Qt::Key>(taste));
        }
        QTRY_COMPARE(klicks.count(), 1);
        QVERIFY(!karte.isVisible());
    }
};

QTEST_MAIN(TastaturTest)
#include "TastaturTest.moc"

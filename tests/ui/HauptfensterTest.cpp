#include "Fensterhilfen.h"
#include "frmStatistik.h"

#include <QBuffer>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolTip>

#include <chrono>
#include <filesystem>

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

QString Name(QObject* objekt) { return Zugang(objekt)->text(QAccessible::Name); }

bool Nahe(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 8 && std::abs(a.green() - b.green()) < 8 && std::abs(a.blue() - b.blue()) < 8;
}

QImage Vergleichbar(const QPixmap& bild) { return bild.toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace

class HauptfensterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SchriftenEinrichten(); }

    // Vor dem ersten Spiel, ohne Debug-Modus: Würfeln aus, Würfeltexte und Debug-Menü verborgen,
    // die Würfel aus dem Ordner "bilder", die Kopfspalte farbig und breit genug, das Fenster fest.
    void startzustand()
    {
        Fenstertisch tisch;
        auto& f = tisch.fenster;
        QVERIFY(!f.cmdWuerfeln->isEnabled());
        QVERIFY(!f.txtWuerfel[0]->isVisible());
        QVERIFY(!f.mnuDebug->isVisible());
        QCOMPARE(Vergleichbar(f.imgWuerfel[0]->Bild()),
                 QImage(QStringLiteral(PROGRAMMORDNER "/bilder/0.JPG")).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(tisch.Zelle(0, 0, Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
        QCOMPARE(tisch.Zelle(7, 0, Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        const QFontMetrics masse(f.mfgPunktanzeige->font());
        QVERIFY(f.mfgPunktanzeige->columnWidth(0) > masse.horizontalAdvance(QStringLiteral("Kleine Straße")));
        QCOMPARE(f.centralWidget()->size() + QSize(0, f.statusBar()->height()), QSize(725, 472));
        QCOMPARE(f.minimumSize(), f.maximumSize());
    }

    // Dieselbe Partie mit der Maus und ohne sie: Alt+N, Alt+W, die Ziffern 1 bis 5, Pfeile und
    // Eingabe, Leertaste oder Eingabe vom Ziffernblock. Nach jeder Runde zeigen beide Fenster
    // dasselbe. Die Tasten gehen wie vom Fenstersystem an den Fokus.
    void ganzesSpiel()
    {
        Fenstertisch maus{"debug"};
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

        QTest::mouseClick(maus.fenster.cmdNeu, Qt::LeftButton);
        taste(Qt::Key_N, Qt::AltModifier);  // Zugriffstasten lösen verzögert aus
        QTRY_VERIFY(f.cmdWuerfeln->isEnabled());
        QCOMPARE(maus.fenster.lblRunde->text(), QStringLiteral("1"));
        QCOMPARE(maus.fenster.stbAnzeige[2]->text(), QStringLiteral("Spieler 1"));
        for (std::size_t r = 0; r < Partie.size(); ++r) {
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
                    QCOMPARE(maus.fenster.imgWuerfel[std::size_t(wuerfel)]->Rahmen(), maus.spiel.intHaltewert[wuerfel + 1] != 0);
                }
                QCOMPARE(tisch.Gezeigt(), maus.Gezeigt());
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
            const auto [eingabe, umschalter] = eintragen[r % eintragen.size()];
            taste(eingabe, umschalter);
            QVERIFY2(tisch.Gezeigt() == maus.Gezeigt(), qPrintable(QStringLiteral("Runde %1").arg(r + 1)));
            taste(Qt::Key_Tab);  // verlässt den Spielzettel, statt von Zelle zu Zelle zu gehen
            QVERIFY(QApplication::focusWidget() != f.mfgPunktanzeige);
        }
        QCOMPARE(maus.fenster.lblRunde->text(), QStringLiteral("13"));
        QCOMPARE(maus.fenster.lblInfo->text(), QStringLiteral("Spieler 1 hat %1 Punkte!").arg(maus.Zelltext(17)));
        QVERIFY(maus.Zelle(13, 1, Qt::FontRole).value<QFont>().strikeOut());
        QCOMPARE(maus.Zelle(13, 1, Qt::ForegroundRole).value<QColor>(), QColor(Qt::cyan));
        QCOMPARE(maus.Zelle(15, 1, Qt::ForegroundRole).value<QColor>(), QColor(Qt::green));
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
        const auto vorher = tisch.Gezeigt();
        auto* ansicht = tisch.fenster.mfgPunktanzeige;
        const auto ort = ansicht->visualRect(ansicht->model()->index(12, 1)).center();
        QHelpEvent hilfe(QEvent::ToolTip, ort, ansicht->viewport()->mapToGlobal(ort));
        QApplication::sendEvent(ansicht->viewport(), &hilfe);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("Würde 25 Punkte geben"));
        QCOMPARE(tisch.Zelle(12, 1, Qt::AccessibleDescriptionRole).toString(), QToolTip::text());
        QVERIFY(!tisch.Zelle(basTarvoll::ZeileSumme, 1, Qt::ToolTipRole).isValid());
        QCOMPARE(tisch.Gezeigt(), vorher);
        tisch.spiel.frmTarvoll_cmdWuerfeln_Click();  // ohne Klick und Taste, die jeden Tooltip schließen
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    // Namen für Sprachausgaben vor dem Spiel und nach ein paar Zügen; Hilfsmittel drücken einen
    // Würfel wie ein Klick.
    void namen()
    {
        Fenstertisch tisch;
        auto& f = tisch.fenster;
        const auto zelle = [](QWidget* raster, int zeile) {
            return Zugang(raster)->tableInterface()->cellAt(zeile, 1)->text(QAccessible::Name);
        };
        QStringList namen{Name(f.imgWuerfel[2]), Name(f.lblRunde)};
        tisch.Anspielen();
        frmStatistik statistik(tisch.spiel);
        namen << Name(f.imgWuerfel[2]) << zelle(f.mfgPunktanzeige, 1) << zelle(f.mfgPunktanzeige, 10) << Name(f.lblInfo)
              << Name(f.lblRunde) << Name(f.lblWurf) << zelle(statistik.mfgStatistik, 2);
        QCOMPARE(namen, (QStringList{"Würfel 3: leer", "Runde: keine", "Würfel 3: 4, gehalten", "Einer: gestrichen",
                                     "Dreierpasch: 19", "Hinweis: Zum Halten Würfel anklicken!", "Runde: 3", "Wurf: 1",
                                     "2. Spiel, Spieler 1: leer"}));
        Zugang(f.imgWuerfel[2])->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(Name(f.imgWuerfel[2]), QStringLiteral("Würfel 3: 4"));
    }

    // Namen und Hinweis aus einem Spielstand stehen wörtlich da, nichts davon wird als HTML gelesen;
    // ein langer Name endet im festen Feld der Statusleiste und steht ganz im Tooltip.
    void namenWoertlich_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("gekuerzt");
        QTest::newRow("fett") << QStringLiteral("<b>Anna</b>") << false;
        QTest::newRow("Bild") << QStringLiteral("<img src=\"/dev/zero\">") << true;
        QTest::newRow("Entität") << QStringLiteral("&amp;") << false;
        QTest::newRow("Umbruch") << QStringLiteral("A<br>B") << false;
        QTest::newRow("1000 Zeichen") << QString(1000, QLatin1Char('W')) << true;
    }

    void namenWoertlich()
    {
        QFETCH(QString, name);
        QFETCH(bool, gekuerzt);
        Fenstertisch tisch;
        auto& f = tisch.fenster;
        const auto groesse = f.size();
        auto stand = tisch.spiel.SpielstandGeben();
        stand.strSpielername.Fuellen(name.toStdString());
        stand.lblInfo = (name + QStringLiteral(" hat 38 Punkte!")).toStdString();
        QVERIFY(tisch.spiel.SpielstandUebernehmen(stand));
        // Vor jeder weiteren Ereignisschleife: ein als HTML gelesenes <img> läse sonst /dev/zero.
        QCOMPARE(f.lblInfo->textFormat(), Qt::PlainText);
        QCOMPARE(f.stbAnzeige[2]->textFormat(), Qt::PlainText);
        QCOMPARE(Name(f.stbAnzeige[2]), name);
        QTextDocument hinweis;
        hinweis.setHtml(f.stbAnzeige[2]->toolTip());
        QCOMPARE(Qt::mightBeRichText(f.stbAnzeige[2]->toolTip()), gekuerzt);  // so zeigt Qt ihn als HTML
        QCOMPARE(hinweis.toPlainText(), gekuerzt ? name : QString());
        QApplication::processEvents();
        QCOMPARE(f.size(), groesse);
        QCOMPARE(f.stbAnzeige[2]->width(), f.stbAnzeige[0]->width());
    }

    // Die Würfel kommen doppelt groß aus der "@2x"-Fassung. Ein Bild wird neu gelesen, wenn seine
    // Datei eine andere Länge oder nur eine neue Änderungszeit hat; fehlt sie, kommt ein Platzhalter
    // in Würfelgröße.
    void wuerfelbilder()
    {
        const auto doppelt = Wuerfelbilder(QStringLiteral(PROGRAMMORDNER)).Laden(QStringLiteral("3.JPG"), QSize(41, 33), 2.0);
        QCOMPARE(doppelt.devicePixelRatio(), 2.0);
        QCOMPARE(Vergleichbar(doppelt),
                 QImage(QStringLiteral(PROGRAMMORDNER "/bilder/3@2x.JPG")).convertToFormat(QImage::Format_RGB32));

        QTemporaryDir ordner;
        QVERIFY(QDir(ordner.path()).mkdir(QStringLiteral("bilder")));
        const auto pfad = ordner.filePath(QStringLiteral("bilder/3.JPG"));
        const auto zeit = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
        Wuerfelbilder bilder(ordner.path());
        const auto mitte = [&] { return bilder.Laden(QStringLiteral("3.JPG"), QSize(41, 33), 1.0).toImage().pixelColor(20, 16); };
        // Nach dem Ende des Bildes darf die Datei beliebig weitergehen; so bestimmt der Test ihre Länge.
        const auto schreiben = [&](QColor farbe, qsizetype laenge, std::chrono::seconds spaeter) {
            QImage bild(41, 33, QImage::Format_RGB32);
            bild.fill(farbe);
            QByteArray inhalt;
            QBuffer puffer(&inhalt);
            QVERIFY(puffer.open(QIODevice::WriteOnly) && bild.save(&puffer, "JPG", 100) && inhalt.size() < laenge);
            inhalt.append(laenge - inhalt.size(), '\0');
            QFile datei(pfad);
            QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == laenge);
            datei.close();
            std::filesystem::last_write_time(QFile::encodeName(pfad).toStdString(), zeit + spaeter);
        };
        schreiben(Qt::red, 4000, {});
        QVERIFY(Nahe(mitte(), Qt::red));
        schreiben(Qt::blue, 5000, {});
        QVERIFY(Nahe(mitte(), Qt::blue));
        schreiben(Qt::green, 5000, std::chrono::seconds(2));
        QVERIFY(Nahe(mitte(), Qt::green));
        QVERIFY(QFile::remove(pfad));
        QVERIFY(!Nahe(mitte(), Qt::green));
        QCOMPARE(bilder.Laden(QStringLiteral("3.JPG"), QSize(41, 33), 1.0).size(), QSize(41, 33));
    }
};

QTEST_MAIN(HauptfensterTest)
#include "HauptfensterTest.moc"

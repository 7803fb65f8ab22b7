#include "Fensterhilfen.h"

#include <QAccessible>
#include <QBuffer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>

#include <chrono>
#include <cstdlib>
#include <filesystem>

class HauptfensterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SchriftenEinrichten(); }

    void startzustand()
    {
        Fenstertisch tisch;
        auto& f = tisch.fenster;
        QCOMPARE(f.windowTitle(), QStringLiteral("Quorin Tarvoll"));
        QVERIFY(!f.cmdWuerfeln->isEnabled());
        QCOMPARE(f.lblInfo->text(), QStringLiteral("Zum Starten auf <Neues Spiel> klicken!"));
        QCOMPARE(f.lblRunde->text(), QString());
        QCOMPARE(f.lblWurf->text(), QString());
        QCOMPARE(f.stbAnzeige[2]->text(), QStringLiteral("Spielsystem Stop"));
        QCOMPARE(tisch.Zelltext(0, 0), QStringLiteral("Spielername"));
        QCOMPARE(tisch.Zelltext(0, 1), QStringLiteral("Spieler 1"));
        QCOMPARE(tisch.Zelltext(13, 0), QStringLiteral("Kleine Straße"));
        const auto farbe = [&](int zeile, int spalte) {
            return f.mfgPunktanzeige->model()->index(zeile, spalte).data(Qt::ForegroundRole).value<QColor>();
        };
        QCOMPARE(farbe(7, 0), QColor(Qt::red));
        QCOMPARE(farbe(8, 0), QColor(Qt::magenta));
        QCOMPARE(farbe(17, 0), QColor(Qt::red));
        QCOMPARE(farbe(0, 0), QColor(Qt::blue));
        QCOMPARE(farbe(0, 1), QColor(Qt::blue));
        for (auto* wuerfel : f.imgWuerfel) {
            QVERIFY(!wuerfel->Bild().isNull());
            QVERIFY(!wuerfel->Rahmen());
        }
        for (auto* text : f.txtWuerfel) {
            QVERIFY(!text->isVisible());
        }
        QVERIFY(!f.mnuDebug->isVisible());
        QCOMPARE(f.stbAnzeige[0]->text(), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    }

    void lageUndGroesse()
    {
        Fenstertisch tisch;
        auto& f = tisch.fenster;
        QCOMPARE(f.centralWidget()->size() + QSize(0, f.statusBar()->height()), QSize(725, 472));
        QCOMPARE(f.mfgPunktanzeige->geometry(), QRect(8, 72, 129, 289));
        QCOMPARE(f.imgWuerfel[4]->geometry(), QRect(488, 40, 41, 33));
        QCOMPARE(f.imgWuerfel[4]->parentWidget(), f.fraAnimation);
        QCOMPARE(f.txtWuerfel[0]->parentWidget(), f.centralWidget());
        QCOMPARE(f.txtWuerfel[0]->geometry(), QRect(184, 96, 25, 19));
        QCOMPARE(f.cmdWuerfeln->geometry(), QRect(184, 264, 497, 33));
        QCOMPARE(f.lblInfo->parentWidget(), f.fraInfo);
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(f.windowFlags() & Qt::WindowMinimizeButtonHint));
        // Die Spalte der Zeilenköpfe zeigt ihren längsten Text ganz.
        const QFontMetrics masse(f.mfgPunktanzeige->font());
        QVERIFY(f.mfgPunktanzeige->columnWidth(0) > masse.horizontalAdvance(QStringLiteral("Kleine Straße")));
        QCOMPARE(f.mfgPunktanzeige->columnWidth(1), 56);
    }

    // Namen und Infozeile aus einem Spielstand stehen wörtlich da, nichts davon wird als HTML
    // gelesen; ein langer Name endet im Textfeld der Statusleiste und steht ganz im Tooltip.
    void namenWoertlich_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("gekuerzt");
        QTest::newRow("fett") << QStringLiteral("<b>Anna</b>") << false;
        QTest::newRow("Bild") << QStringLiteral("<img src=\"/dev/zero\">") << true;
        QTest::newRow("Entität") << QStringLiteral("&amp;") << false;
        QTest::newRow("Zeilenumbruch") << QStringLiteral("A<br>B") << false;
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
        QCOMPARE(f.lblInfo->text(), QString::fromStdString(stand.lblInfo));
        QCOMPARE(QAccessible::queryAccessibleInterface(f.stbAnzeige[2])->text(QAccessible::Name), name);
        const auto tooltip = f.stbAnzeige[2]->toolTip();
        QCOMPARE(Qt::mightBeRichText(tooltip), gekuerzt);  // so zeigt Qt ihn als HTML
        QTextDocument hinweis;
        hinweis.setHtml(tooltip);
        QCOMPARE(hinweis.toPlainText(), gekuerzt ? name : QString());
        QApplication::processEvents();
        QCOMPARE(f.size(), groesse);
        QCOMPARE(f.stbAnzeige[2]->width(), 96);
    }

    void ganzesSpielMitDerMaus()
    {
        Fenstertisch tisch;
        auto& f = tisch.fenster;
        QTest::mouseClick(f.cmdNeu, Qt::LeftButton);
        QVERIFY(f.cmdWuerfeln->isEnabled());
        QCOMPARE(f.lblRunde->text(), QStringLiteral("1"));
        QCOMPARE(f.stbAnzeige[2]->text(), QStringLiteral("Spieler 1"));

        const std::array<int, 13> zeilen{1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16};
        for (std::size_t runde = 0; runde < zeilen.size(); ++runde) {
            tisch.Werfen({2, 3, 3, 5, 6});
            QCOMPARE(f.lblWurf->text(), QStringLiteral("1"));
            QCOMPARE(f.lblInfo->text(), QStringLiteral("Zum Halten Würfel anklicken!"));
            tisch.ZelleKlicken(zeilen[runde]);
            QCOMPARE(f.lblWurf->text(), QString());
        }
        // Passend: Zweier 2, Dreier 6, Fünfer 5, Sechser 6, Chance 19; alles andere gestrichen.
        QCOMPARE(tisch.Zelltext(3), QStringLiteral("6"));
        QCOMPARE(tisch.Zelltext(1), QString(16, QLatin1Char(' ')));
        const auto einer = f.mfgPunktanzeige->model()->index(1, 1);
        QVERIFY(einer.data(Qt::FontRole).value<QFont>().strikeOut());
        QCOMPARE(einer.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::cyan));
        QCOMPARE(f.mfgPunktanzeige->model()->index(3, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::green));
        QCOMPARE(tisch.Zelltext(7), QStringLiteral("19"));
        QCOMPARE(tisch.Zelltext(17), QStringLiteral("38"));
        QCOMPARE(f.lblRunde->text(), QStringLiteral("13"));
        QCOMPARE(f.lblInfo->text(), QStringLiteral("Spieler 1 hat 38 Punkte!"));

        tisch.Werfen({1, 1, 1, 1, 1});
        QCOMPARE(f.lblInfo->text(), QStringLiteral("Sie haben schon 13 Runden getätigt!"));
    }

    void ablehnungenUndHalterahmen()
    {
        Fenstertisch tisch;
        auto& f = tisch.fenster;
        QTest::mouseClick(f.cmdNeu, Qt::LeftButton);
        tisch.Werfen({4, 4, 1, 2, 3});
        tisch.WuerfelKlicken(4);
        QVERIFY(f.imgWuerfel[4]->Rahmen());
        QCOMPARE(tisch.spiel.frmTarvoll.imgWuerfel[4].datei, std::string("14.JPG"));
        tisch.Werfen({1, 1, 1, 1, 1});
        tisch.Werfen({1, 1, 1, 1, 1});
        tisch.Werfen({1, 1, 1, 1, 1});
        QCOMPARE(f.lblInfo->text(), QStringLiteral("Sie haben schon 3 Würfe getätigt!"));
        QCOMPARE(f.lblWurf->text(), QStringLiteral("3"));
        tisch.WuerfelKlicken(4);
        QVERIFY(!f.imgWuerfel[4]->Rahmen());
        tisch.WuerfelKlicken(0);
        tisch.ZelleKlicken(16);
        QCOMPARE(tisch.Zelltext(16), QStringLiteral("8"));
        tisch.Werfen({6, 6, 6, 6, 6});
        tisch.ZelleKlicken(16, 0);
        QCOMPARE(f.lblInfo->text(), QStringLiteral("Bereits gewertet!"));
        for (auto* wuerfel : f.imgWuerfel) {
            QVERIFY(!wuerfel->Rahmen());
        }
    }

    void fehlendeBilderWerdenPlatzhalter()
    {
        QTemporaryDir leer;
        Fenstertisch tisch({}, leer.path());
        auto& f = tisch.fenster;
        QTest::mouseClick(f.cmdNeu, Qt::LeftButton);
        tisch.Werfen({1, 2, 3, 4, 5});
        tisch.WuerfelKlicken(2);
        for (auto* wuerfel : f.imgWuerfel) {
            QCOMPARE(wuerfel->Bild().deviceIndependentSize().toSize(), QSize(41, 33));
        }
        tisch.ZelleKlicken(14);
        QCOMPARE(tisch.Zelltext(14), QStringLiteral("40"));
    }

    // Ein Würfelbild kommt aus dem Speicher, solange seine Datei dieselbe bleibt; eine geänderte
    // Datei (andere Länge, oder nur eine neue Änderungszeit) wird neu gelesen, eine gelöschte
    // wird zum Platzhalter.
    void wuerfelbilderFolgenIhrenDateien()
    {
        QTemporaryDir ordner;
        QVERIFY(QDir(ordner.path()).mkdir(QStringLiteral("bilder")));
        const auto pfad = ordner.filePath(QStringLiteral("bilder/3.JPG"));
        const std::filesystem::path datei(QFile::encodeName(pfad).toStdString());
        // Nach dem Ende des Bildes darf die Datei beliebig weitergehen; so bestimmt der Test ihre Länge.
        const auto schreiben = [&](QColor farbe, qsizetype laenge, std::filesystem::file_time_type zeit) {
            QImage bild(41, 33, QImage::Format_RGB32);
            bild.fill(farbe);
            QByteArray inhalt;
            QBuffer puffer(&inhalt);
            QVERIFY(puffer.open(QIODevice::WriteOnly) && bild.save(&puffer, "JPG", 100));
            QVERIFY(inhalt.size() < laenge);
            inhalt.append(laenge - inhalt.size(), '\0');
            QFile ziel(pfad);
            QVERIFY(ziel.open(QIODevice::WriteOnly) && ziel.write(inhalt) == laenge);
            ziel.close();
            std::filesystem::last_write_time(datei, zeit);
        };
        Fenstertisch tisch({}, ordner.path());
        const auto mitteDesErstenWuerfels = [&] {
            const QImage bild = tisch.fenster.imgWuerfel[0]->Bild().toImage();
            return bild.pixelColor(bild.rect().center());
        };
        const auto zeigtDreierIn = [&](QColor farbe) {
            tisch.Werfen({3, 3, 3, 3, 3});
            const QColor mitte = mitteDesErstenWuerfels();
            return std::abs(mitte.red() - farbe.red()) < 8 && std::abs(mitte.green() - farbe.green()) < 8 &&
                   std::abs(mitte.blue() - farbe.blue()) < 8;
        };
        const auto zeit = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);

        schreiben(Qt::red, 4000, zeit);
        QVERIFY(zeigtDreierIn(Qt::red));
        tisch.Werfen({1, 1, 1, 1, 1});
        QVERIFY(zeigtDreierIn(Qt::red));
        schreiben(Qt::blue, 5000, zeit);
        tisch.ZelleKlicken(1);
        QVERIFY(zeigtDreierIn(Qt::blue));
        schreiben(Qt::green, 5000, zeit + std::chrono::seconds(2));
        tisch.Werfen({1, 1, 1, 1, 1});
        QVERIFY(zeigtDreierIn(Qt::green));

        QVERIFY(QFile::remove(pfad));
        tisch.ZelleKlicken(2);
        QVERIFY(!zeigtDreierIn(Qt::green));
        QCOMPARE(tisch.fenster.imgWuerfel[0]->Bild().size(), QSize(41, 33));
    }
};

QTEST_MAIN(HauptfensterTest)
#include "HauptfensterTest.moc"

#include "Fensterhilfen.h"
#include "frmSpieler.h"
#include "frmStatistik.h"

#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>

namespace {

QString Zelltext(const frmStatistik& fenster, int zeile, int spalte)
{
    return fenster.mfgStatistik->model()->index(zeile, spalte).data().toString();
}

Qt::Alignment Zellausrichtung(const frmStatistik& fenster, int zeile, int spalte)
{
    const auto wert = fenster.mfgStatistik->model()->index(zeile, spalte).data(Qt::TextAlignmentRole);
    return Qt::Alignment(wert.toInt()) & Qt::AlignHorizontal_Mask;
}

void NamenSetzen(basTarvoll& spiel, const QStringList& namen)
{
    for (int i = 1; i <= 3; ++i) {
        spiel.strSpielername[i] = namen[i - 1].toStdString();
    }
}

}  // namespace

class StatistikTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SchriftenEinrichten(); }

    void tabelle_data()
    {
        QTest::addColumn<QStringList>("namen");
        QTest::newRow("Vorgabe") << QStringList{"Spieler 1", "Spieler 2", "Spieler 3"};
        QTest::newRow("leer") << QStringList{"", "", ""};
        QTest::newRow("Formatzeichen") << QStringList{"A|B", "x;y", "<Max"};
        QTest::newRow("rechtsbündig verlangt") << QStringList{">Max", "|;", ">"};
        QTest::newRow("Umlaute und Emoji") << QStringList{"Jörg", "Ärger 🎲", "Große Straße"};
        QTest::newRow("Ziffern") << QStringList{"12", "007", "3"};
        QTest::newRow("200 Zeichen") << QStringList{QString(200, 'A'), QString(200, '|'), QString(200, ';')};
    }

    void tabelle()
    {
        QFETCH(QStringList, namen);
        Fenstertisch tisch;
        NamenSetzen(tisch.spiel, namen);
        frmStatistik fenster(tisch.spiel);
        fenster.show();

        const auto* modell = fenster.mfgStatistik->model();
        QCOMPARE(modell->rowCount(), 8);
        QCOMPARE(modell->columnCount(), 5);
        QCOMPARE(Zelltext(fenster, 0, 0), QStringLiteral("Spiel"));
        QCOMPARE(Zelltext(fenster, 0, 1), namen[0] + QLatin1Char(' '));
        QCOMPARE(Zelltext(fenster, 0, 2), namen[1] + QLatin1Char(' '));
        QCOMPARE(Zelltext(fenster, 0, 3), namen[2]);
        QCOMPARE(Zelltext(fenster, 0, 4), QString());
        for (int zeile = 1; zeile <= 6; ++zeile) {
            QCOMPARE(Zelltext(fenster, zeile, 0), QStringLiteral("%1. Spiel").arg(zeile));
        }
        QCOMPARE(Zelltext(fenster, 7, 0), QStringLiteral(" 7. Spiel"));
        for (int zeile = 1; zeile <= 7; ++zeile) {
            for (int spalte = 1; spalte <= 4; ++spalte) {
                QCOMPARE(Zelltext(fenster, zeile, spalte), QString());
            }
        }
        // Spalten 1 und 2 links, Spalte 3 rechts, auch für Zahlen und in jeder Zeile.
        for (const int zeile : {0, 7}) {
            QCOMPARE(Zellausrichtung(fenster, zeile, 1), Qt::AlignLeft);
            QCOMPARE(Zellausrichtung(fenster, zeile, 2), Qt::AlignLeft);
            QCOMPARE(Zellausrichtung(fenster, zeile, 3), Qt::AlignRight);
        }
        for (int spalte = 0; spalte <= 3; ++spalte) {
            QCOMPARE(fenster.mfgStatistik->columnWidth(spalte), 64);
        }
        // Die ganze Tabelle passt ohne Rollbalken, wie lang die Namen auch sind.
        QVERIFY(!fenster.mfgStatistik->horizontalScrollBar()->isVisible());
        QVERIFY(!fenster.mfgStatistik->verticalScrollBar()->isVisible());
    }

    void alteNamenBleiben()
    {
        Fenstertisch tisch;
        frmStatistik alt(tisch.spiel);
        alt.show();

        frmSpieler dialog(tisch.spiel, tisch.meldungen, &tisch.fenster);
        dialog.show();
        dialog.txtSpieler1->setText(QStringLiteral("Anna"));
        dialog.txtSpieler3->setText(QStringLiteral("Clara"));
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        QCOMPARE(tisch.spiel.strSpielername[1], std::string("Anna"));
        alt.mfgStatistik->Aktualisieren();

        QCOMPARE(Zelltext(alt, 0, 1), QStringLiteral("Spieler 1 "));
        QCOMPARE(Zelltext(alt, 0, 3), QStringLiteral("Spieler 3"));

        frmStatistik neu(tisch.spiel);
        QCOMPARE(Zelltext(neu, 0, 1), QStringLiteral("Anna "));
        QCOMPARE(Zelltext(neu, 0, 2), QStringLiteral("Spieler 2 "));
        QCOMPARE(Zelltext(neu, 0, 3), QStringLiteral("Clara"));
    }

    void aussehen()
    {
        Fenstertisch tisch;
        frmStatistik fenster(tisch.spiel);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));

        QCOMPARE(fenster.windowTitle(), QStringLiteral("Quorin Tarvoll - Statistik"));
        QVERIFY(fenster.isWindow());
        QCOMPARE(fenster.parentWidget(), nullptr);
        const auto flaggen = fenster.windowFlags();
        QCOMPARE(fenster.windowType(), Qt::Tool);
        QVERIFY(flaggen & Qt::WindowCloseButtonHint);
        QVERIFY(!(flaggen & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flaggen & Qt::WindowMaximizeButtonHint));
        QCOMPARE(fenster.size(), QSize(307, 318));
        QCOMPARE(fenster.minimumSize(), fenster.maximumSize());
        const auto mitte = fenster.screen()->availableGeometry().center();
        QVERIFY((fenster.geometry().center() - mitte).manhattanLength() <= 1);

        QCOMPARE(fenster.Image1->geometry(), QRect(53, 8, 200, 40));
        QCOMPARE(fenster.Image1->Bild().deviceIndependentSize().toSize(), QSize(200, 40));
        QCOMPARE(fenster.lblStatistik->geometry(), QRect(84, 48, 137, 25));
        QCOMPARE(fenster.mfgStatistik->geometry(), QRect(21, 104, 265, 137));
        QCOMPARE(fenster.cmdSchliessen->geometry(), QRect(113, 264, 81, 33));

        QCOMPARE(fenster.lblStatistik->text(), QStringLiteral("Statistik"));
        QCOMPARE(fenster.lblStatistik->alignment(), Qt::AlignCenter);
        QVERIFY(fenster.lblStatistik->font().bold());
        QCOMPARE(fenster.lblStatistik->font().pointSizeF(), 13.5);
        QCOMPARE(fenster.cmdSchliessen->text(), QStringLiteral("&Schliessen"));
        QWidget* naechstes = fenster.mfgStatistik->nextInFocusChain();
        while (!(naechstes->focusPolicy() & Qt::TabFocus)) {
            naechstes = naechstes->nextInFocusChain();
        }
        QCOMPARE(naechstes, fenster.cmdSchliessen);

        // Weiß hinter Bild, Überschrift und Knöpfen, auch unter der Überschrift.
        const QImage bild = fenster.grab().toImage();
        for (const QPoint ort : {QPoint(5, 5), QPoint(300, 310), QPoint(90, 50), QPoint(10, 280)}) {
            QCOMPARE(bild.pixelColor(ort * bild.devicePixelRatio()), QColor(Qt::white));
        }
    }

    void schliessen_data()
    {
        QTest::addColumn<QString>("weg");
        QTest::newRow("Knopf") << QStringLiteral("Knopf");
        QTest::newRow("Schließfeld") << QStringLiteral("Schließfeld");
        QTest::newRow("Alt+S") << QStringLiteral("Alt+S");
    }

    // Wie das Hauptfenster es zeigt: neu angelegt, beim Schließen verworfen.
    void schliessen()
    {
        QFETCH(QString, weg);
        Fenstertisch tisch;
        QPointer<frmStatistik> fenster = new frmStatistik(tisch.spiel);
        fenster->setAttribute(Qt::WA_DeleteOnClose);
        fenster->show();
        QApplication::setActiveWindow(fenster);
        QVERIFY(QTest::qWaitForWindowActive(fenster));

        if (weg == QStringLiteral("Knopf")) {
            QTest::mouseClick(fenster->cmdSchliessen, Qt::LeftButton);
        } else if (weg == QStringLiteral("Schließfeld")) {
            QVERIFY(fenster->close());
        } else {
            QTest::keyClick(fenster, Qt::Key_S, Qt::AltModifier);
        }
        QTRY_VERIFY(!fenster);
        QVERIFY(tisch.fenster.isVisible());
        QVERIFY(tisch.meldungen.gezeigt.empty());
    }
};

QTEST_MAIN(StatistikTest)
#include "StatistikTest.moc"

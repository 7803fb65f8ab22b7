#include "Fensterhilfen.h"
#include "frmStatistik.h"

#include <QScrollBar>

namespace {

QVariant Inhalt(const frmStatistik& fenster, int zeile, int spalte, int rolle = Qt::DisplayRole)
{
    return fenster.mfgStatistik->model()->index(zeile, spalte).data(rolle);
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
        QTest::newRow("rechtsbündig verlangt, Ziffern") << QStringList{">Max", "007", "|;"};
        QTest::newRow("Umlaute, Emoji, lang") << QStringList{"Jörg", "Ärger 🎲", QString(200, 'A')};
    }

    // Die Namen stehen als Text über den Spalten, links, links, rechts; die Tabelle bleibt leer,
    // passt ohne Rollbalken und behält die Namen, mit denen das Fenster angelegt wurde.
    void tabelle()
    {
        QFETCH(QStringList, namen);
        Fenstertisch tisch;
        for (int i = 1; i <= 3; ++i) {
            tisch.spiel.strSpielername[i] = namen[i - 1].toStdString();
        }
        frmStatistik fenster(tisch.spiel);
        fenster.show();
        QCOMPARE(fenster.size(), QSize(307, 318));
        QCOMPARE(fenster.minimumSize(), fenster.maximumSize());
        QCOMPARE(fenster.windowType(), Qt::Tool);
        tisch.spiel.strSpielername[1] = "Neu";
        fenster.mfgStatistik->Aktualisieren();

        QCOMPARE(fenster.mfgStatistik->model()->rowCount(), 8);
        QCOMPARE(fenster.mfgStatistik->model()->columnCount(), 5);
        const QStringList zeilen{"Spiel",    "1. Spiel", "2. Spiel", "3. Spiel",
                                 "4. Spiel", "5. Spiel", "6. Spiel", " 7. Spiel"};
        const QStringList kopf{namen[0] + ' ', namen[1] + ' ', namen[2], QString()};
        for (int zeile = 0; zeile < 8; ++zeile) {
            QCOMPARE(Inhalt(fenster, zeile, 0).toString(), zeilen[zeile]);
            for (int spalte = 1; spalte <= 4; ++spalte) {
                QCOMPARE(Inhalt(fenster, zeile, spalte).toString(), zeile == 0 ? kopf[spalte - 1] : QString());
                const auto ausrichtung = Qt::Alignment(Inhalt(fenster, zeile, spalte, Qt::TextAlignmentRole).toInt());
                QCOMPARE(ausrichtung & Qt::AlignHorizontal_Mask, spalte == 3 ? Qt::AlignRight : Qt::AlignLeft);
            }
        }
        QVERIFY(!fenster.mfgStatistik->horizontalScrollBar()->isVisible());
        QVERIFY(!fenster.mfgStatistik->verticalScrollBar()->isVisible());
        QTest::mouseClick(fenster.cmdSchliessen, Qt::LeftButton);
        QVERIFY(!fenster.isVisible());
    }
};

QTEST_MAIN(StatistikTest)
#include "StatistikTest.moc"

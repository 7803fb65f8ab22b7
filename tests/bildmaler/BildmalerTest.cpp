// Prüft die Bilder, die der Bildmaler beim Bauen in den Build-Ordner schreibt.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

const QString Ordner = QStringLiteral(BILDER_ORDNER);

const int Wuerfelnummern[] = {0, 1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16};

struct Fensterbild {
    QLatin1String name;
    QLatin1String endung;
    int breite;
    int hoehe;
};
const Fensterbild Fensterbilder[] = {
    {QLatin1String("banner"), QLatin1String("jpg"), 1000, 50},
    {QLatin1String("namenslogo"), QLatin1String("jpg"), 200, 40},
    {QLatin1String("herstellerlogo"), QLatin1String("jpg"), 475, 93},
    {QLatin1String("dreiwuerfel"), QLatin1String("jpg"), 60, 53},
    {QLatin1String("programmsymbol"), QLatin1String("png"), 32, 20},
};
const int Symbolkanten[] = {32, 48, 64, 128, 256};

QString Wuerfeldatei(int nummer, int massstab)
{
    return QStringLiteral("bilder/%1%2.JPG").arg(nummer).arg(massstab == 2 ? QStringLiteral("@2x") : QString());
}

// Alle Dateien, die der Bildmaler schreiben muss, relativ zum Build-Ordner.
QStringList AlleDateien()
{
    QStringList dateien;
    for (int nummer : Wuerfelnummern)
        dateien << Wuerfeldatei(nummer, 1) << Wuerfeldatei(nummer, 2);
    for (const Fensterbild& bild : Fensterbilder) {
        dateien << QStringLiteral("fensterbilder/%1.%2").arg(bild.name, bild.endung)
                << QStringLiteral("fensterbilder/%1@2x.%2").arg(bild.name, bild.endung);
    }
    for (int kante : Symbolkanten)
        dateien << QStringLiteral("symbole/quorintarvoll-%1.png").arg(kante);
    return dateien;
}

QImage Laden(const QString& datei)
{
    QImageReader leser(QDir(Ordner).filePath(datei));
    QImage bild = leser.read();
    if (bild.isNull())
        qWarning("%s: %s", qPrintable(datei), qPrintable(leser.errorString()));
    return bild;
}

double Helligkeit(QRgb farbe)
{
    return 0.299 * qRed(farbe) + 0.587 * qGreen(farbe) + 0.114 * qBlue(farbe);
}

double Abstand(QRgb a, QRgb b)
{
    return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b));
}

// Das Innere des Würfels: ein Quadrat um die Bildmitte, zwei Drittel der Bildhöhe breit.
// Es enthält alle Augen und sonst nur Würfelkörper, keine Kontur und keinen Hintergrund.
QRect Innenflaeche(const QImage& bild)
{
    const int halb = bild.height() / 3;
    return QRect(bild.width() / 2 - halb, bild.height() / 2 - halb, 2 * halb + 1, 2 * halb + 1);
}

double MedianHelligkeit(const QImage& bild, const QRect& flaeche)
{
    std::vector<double> werte;
    for (int y = flaeche.top(); y <= flaeche.bottom(); ++y)
        for (int x = flaeche.left(); x <= flaeche.right(); ++x)
            werte.push_back(Helligkeit(bild.pixel(x, y)));
    std::nth_element(werte.begin(), werte.begin() + static_cast<long>(werte.size() / 2), werte.end());
    return werte[werte.size() / 2];
}

// Ein Auge hebt sich um mehr als diesen Wert von der mittleren Helligkeit des Körpers ab,
// hell auf dunklem wie dunkel auf hellem Würfel; Glanz und Verlauf des Körpers bleiben darunter.
constexpr double Augenkontrast = 100;

bool IstAuge(const QImage& bild, int x, int y, double koerper)
{
    return std::abs(Helligkeit(bild.pixel(x, y)) - koerper) > Augenkontrast;
}

// Schwerpunkte der zusammenhängenden Augenflecken in der Innenfläche.
QList<QPointF> Augen(const QImage& bild)
{
    const QRect flaeche = Innenflaeche(bild);
    const double koerper = MedianHelligkeit(bild, flaeche);
    const int mindestgroesse = 3 * (bild.height() / 33) * (bild.height() / 33);
    std::vector<bool> besucht(static_cast<std::size_t>(bild.width() * bild.height()));
    const auto markieren = [&](QPoint p) {
        const auto i = static_cast<std::size_t>(p.y() * bild.width() + p.x());
        const bool neu = !besucht[i];
        besucht[i] = true;
        return neu;
    };
    QList<QPointF> mitten;
    for (int y = flaeche.top(); y <= flaeche.bottom(); ++y) {
        for (int x = flaeche.left(); x <= flaeche.right(); ++x) {
            if (!IstAuge(bild, x, y, koerper) || !markieren(QPoint(x, y)))
                continue;
            QList<QPoint> offen{QPoint(x, y)};
            QPointF summe;
            int groesse = 0;
            while (!offen.isEmpty()) {
                const QPoint p = offen.takeLast();
                summe += p;
                ++groesse;
                for (const QPoint& schritt : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + schritt;
                    if (flaeche.contains(n) && IstAuge(bild, n.x(), n.y(), koerper) && markieren(n))
                        offen << n;
                }
            }
            if (groesse >= mindestgroesse)
                mitten << summe / groesse;
        }
    }
    return mitten;
}

// Anzahl verschiedener Werte, wenn Werte näher als toleranz zusammengehören.
int Reihen(QList<qreal> werte, qreal toleranz)
{
    std::sort(werte.begin(), werte.end());
    int reihen = werte.isEmpty() ? 0 : 1;
    for (qsizetype i = 1; i < werte.size(); ++i)
        reihen += werte[i] - werte[i - 1] > toleranz ? 1 : 0;
    return reihen;
}

// Mittlere Farbe des Würfelkörpers ohne die Augen.
QRgb Koerperfarbe(const QImage& bild)
{
    const QRect flaeche = Innenflaeche(bild);
    const double koerper = MedianHelligkeit(bild, flaeche);
    double r = 0, g = 0, b = 0;
    int anzahl = 0;
    for (int y = flaeche.top(); y <= flaeche.bottom(); ++y) {
        for (int x = flaeche.left(); x <= flaeche.right(); ++x) {
            if (IstAuge(bild, x, y, koerper))
                continue;
            const QRgb farbe = bild.pixel(x, y);
            r += qRed(farbe);
            g += qGreen(farbe);
            b += qBlue(farbe);
            ++anzahl;
        }
    }
    return qRgb(static_cast<int>(r / anzahl), static_cast<int>(g / anzahl), static_cast<int>(b / anzahl));
}

} // namespace

class BildmalerTest : public QObject {
    Q_OBJECT

private slots:
    void dateiHatFormatUndGroesse_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("groesse");
        for (int nummer : Wuerfelnummern) {
            QTest::newRow(qPrintable(Wuerfeldatei(nummer, 1))) << Wuerfeldatei(nummer, 1) << QByteArray("jpeg")
                                                               << QSize(41, 33);
            QTest::newRow(qPrintable(Wuerfeldatei(nummer, 2))) << Wuerfeldatei(nummer, 2) << QByteArray("jpeg")
                                                               << QSize(82, 66);
        }
        for (const Fensterbild& bild : Fensterbilder) {
            const QByteArray format = bild.endung == QLatin1String("jpg") ? "jpeg" : "png";
            const QString einfach = QStringLiteral("fensterbilder/%1.%2").arg(bild.name, bild.endung);
            const QString doppelt = QStringLiteral("fensterbilder/%1@2x.%2").arg(bild.name, bild.endung);
            QTest::newRow(qPrintable(einfach)) << einfach << format << QSize(bild.breite, bild.hoehe);
            QTest::newRow(qPrintable(doppelt)) << doppelt << format << QSize(2 * bild.breite, 2 * bild.hoehe);
        }
        for (int kante : Symbolkanten) {
            const QString datei = QStringLiteral("symbole/quorintarvoll-%1.png").arg(kante);
            QTest::newRow(qPrintable(datei)) << datei << QByteArray("png") << QSize(kante, kante);
        }
    }

    void dateiHatFormatUndGroesse()
    {
        QFETCH(QString, datei);
        QFETCH(QByteArray, format);
        QFETCH(QSize, groesse);
        QImageReader leser(QDir(Ordner).filePath(datei));
        QCOMPARE(leser.format(), format);
        const QImage bild = leser.read();
        QVERIFY2(!bild.isNull(), qPrintable(leser.errorString()));
        QCOMPARE(bild.size(), groesse);
    }

    void wuerfelZeigtSeineAugen_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("augen");
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("zeilen");
        // Klassische Anordnung: Zwei und Drei über Eck, die Sechs in zwei Spalten zu drei.
        const int spalten[] = {0, 1, 2, 3, 2, 3, 2};
        const int zeilen[] = {0, 1, 2, 3, 2, 3, 3};
        for (int nummer : Wuerfelnummern) {
            const int augen = nummer % 10;
            for (int massstab : {1, 2}) {
                const QString datei = Wuerfeldatei(nummer, massstab);
                QTest::newRow(qPrintable(datei)) << datei << augen << spalten[augen] << zeilen[augen];
            }
        }
    }

    void wuerfelZeigtSeineAugen()
    {
        QFETCH(QString, datei);
        QFETCH(int, augen);
        QFETCH(int, spalten);
        QFETCH(int, zeilen);
        const QImage bild = Laden(datei);
        QVERIFY(!bild.isNull());

        // Der Rand ist ein helles, neutrales Grau wie der Hintergrund der Fenster; ein wenig
        // Farbe sickert beim JPEG-Packen (halbe Farbauflösung) vom Würfel bis in die Ecken.
        for (const QPoint ecke : {QPoint(0, 0), QPoint(bild.width() - 1, 0)}) {
            const QRgb farbe = bild.pixel(ecke);
            const int buntheit = std::max({qRed(farbe), qGreen(farbe), qBlue(farbe)})
                                 - std::min({qRed(farbe), qGreen(farbe), qBlue(farbe)});
            QVERIFY2(buntheit <= 12 && Helligkeit(farbe) > 225 && Helligkeit(farbe) < 250, qPrintable(datei));
        }

        const QList<QPointF> mitten = Augen(bild);
        QCOMPARE(mitten.size(), augen);
        const qreal toleranz = bild.height() / 16.5;
        QList<qreal> xs, ys;
        for (const QPointF& p : mitten) {
            xs << p.x();
            ys << p.y();
        }
        QCOMPARE(Reihen(xs, toleranz), spalten);
        QCOMPARE(Reihen(ys, toleranz), zeilen);
        // Jede Würfelseite ist punktsymmetrisch zur Mitte des Bildes.
        const QPointF bildmitte((bild.width() - 1) / 2.0, (bild.height() - 1) / 2.0);
        for (const QPointF& p : mitten) {
            const QPointF gegenueber = 2 * bildmitte - p;
            const bool gefunden = std::any_of(mitten.begin(), mitten.end(), [&](const QPointF& q) {
                return QLineF(q, gegenueber).length() < toleranz;
            });
            QVERIFY2(gefunden, qPrintable(QStringLiteral("Auge bei %1,%2 ohne Gegenstück").arg(p.x()).arg(p.y())));
        }
    }

    void gehaltenSiehtAndersAus_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("leer");
        QTest::addColumn<bool>("gehalten");
        for (int nummer : Wuerfelnummern) {
            for (int massstab : {1, 2}) {
                if (nummer == 0)
                    continue;
                const QString datei = Wuerfeldatei(nummer, massstab);
                QTest::newRow(qPrintable(datei)) << datei << Wuerfeldatei(0, massstab) << (nummer > 10);
            }
        }
    }

    // Verglichen mit dem leeren Würfel: freie Würfel haben denselben Körper, gehaltene einen
    // ganz anderen, damit man sie auf einen Blick unterscheidet.
    void gehaltenSiehtAndersAus()
    {
        QFETCH(QString, datei);
        QFETCH(QString, leer);
        QFETCH(bool, gehalten);
        const QImage bild = Laden(datei);
        const QImage leerBild = Laden(leer);
        QVERIFY(!bild.isNull() && !leerBild.isNull());
        const double abstand = Abstand(Koerperfarbe(bild), Koerperfarbe(leerBild));
        if (gehalten)
            QVERIFY2(abstand > 150, qPrintable(QString::number(abstand)));
        else
            QVERIFY2(abstand < 20, qPrintable(QString::number(abstand)));
    }

    void programmsymbolHatPalette_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::newRow("1x") << QStringLiteral("fensterbilder/programmsymbol.png");
        QTest::newRow("2x") << QStringLiteral("fensterbilder/programmsymbol@2x.png");
    }

    void programmsymbolHatPalette()
    {
        QFETCH(QString, datei);
        QImageReader leser(QDir(Ordner).filePath(datei));
        QCOMPARE(leser.imageFormat(), QImage::Format_Indexed8);
        const QImage bild = leser.read();
        QCOMPARE(bild.format(), QImage::Format_Indexed8);
        QVERIFY(bild.colorCount() <= 256);
        // Durchsichtig an der Ecke, deckend auf dem vorderen Würfel.
        QCOMPARE(qAlpha(bild.pixel(0, bild.height() - 1)), 0);
        QCOMPARE(qAlpha(bild.pixel(bild.width() * 3 / 4, bild.height() / 2)), 255);
    }

    void quadratsymbolIstDurchsichtig_data()
    {
        QTest::addColumn<int>("kante");
        for (int kante : Symbolkanten)
            QTest::newRow(qPrintable(QString::number(kante))) << kante;
    }

    void quadratsymbolIstDurchsichtig()
    {
        QFETCH(int, kante);
        const QImage bild = Laden(QStringLiteral("symbole/quorintarvoll-%1.png").arg(kante));
        QVERIFY(bild.hasAlphaChannel());
        for (const QPoint ecke : {QPoint(0, kante - 1), QPoint(kante - 1, 0)})
            QCOMPARE(qAlpha(bild.pixel(ecke)), 0);
        QCOMPARE(qAlpha(bild.pixel(kante / 2, kante / 2)), 255);
    }

    // Ein zweiter Lauf in einen leeren Ordner muss Byte für Byte dieselben Dateien liefern.
    void zweiterLaufGibtDieselbenBytes()
    {
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        QProcess maler;
        maler.start(QStringLiteral(BILDMALER_PROGRAMM), {ordner.path()});
        QVERIFY(maler.waitForFinished(120000));
        QCOMPARE(maler.exitStatus(), QProcess::NormalExit);
        QCOMPARE(maler.exitCode(), 0);

        const QStringList erwartet = AlleDateien();
        for (const QString& datei : erwartet) {
            QFile vorher(QDir(Ordner).filePath(datei));
            QFile nachher(QDir(ordner.path()).filePath(datei));
            QVERIFY2(vorher.open(QIODevice::ReadOnly) && nachher.open(QIODevice::ReadOnly), qPrintable(datei));
            QVERIFY2(vorher.readAll() == nachher.readAll(), qPrintable(datei));
        }
        // Und nichts darüber hinaus: sonst fehlt eine Datei in den Listen von CMake und Test.
        int geschrieben = 0;
        for (const char* unterordner : {"bilder", "fensterbilder", "symbole"})
            geschrieben += static_cast<int>(QDir(ordner.filePath(QLatin1String(unterordner))).entryList(QDir::Files).size());
        QCOMPARE(geschrieben, erwartet.size());
    }
};

QTEST_GUILESS_MAIN(BildmalerTest)
#include "BildmalerTest.moc"

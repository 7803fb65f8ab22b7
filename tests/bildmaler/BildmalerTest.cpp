// Prüft die Bilder, die der Bildmaler beim Bauen in den Build-Ordner schreibt.

#include <QDir>
#include <QImageReader>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

QString Pfad(const QString& datei) { return QDir(QStringLiteral(BILDER_ORDNER)).filePath(datei); }

QImage Wuerfel(int nummer, int massstab)
{
    return QImage(Pfad(QStringLiteral("bilder/%1%2.JPG").arg(nummer).arg(massstab == 2 ? "@2x" : "")));
}

// Ein Pixel des Würfelkörpers: über der Bildmitte, wo kein Auge liegt.
int Koerper(const QImage& bild) { return qGray(bild.pixel(bild.width() / 2, bild.height() / 2 - bild.height() / 8)); }

// Die Pixel im Quadrat um die Bildmitte (zwei Drittel der Höhe), die sich deutlich von der mittleren
// Helligkeit dort abheben: die Fläche der Augen, hell auf dunklem wie dunkel auf hellem Würfel.
int Augenflaeche(const QImage& bild)
{
    const int halb = bild.height() / 3;
    std::vector<int> helligkeit;
    for (int y = bild.height() / 2 - halb; y <= bild.height() / 2 + halb; ++y) {
        for (int x = bild.width() / 2 - halb; x <= bild.width() / 2 + halb; ++x) {
            helligkeit.push_back(qGray(bild.pixel(x, y)));
        }
    }
    auto sortiert = helligkeit;
    std::ranges::sort(sortiert);
    const int median = sortiert[sortiert.size() / 2];
    const int schwelle = std::max(60, std::max(median - sortiert.front(), sortiert.back() - median) / 2);
    return static_cast<int>(std::ranges::count_if(helligkeit, [&](int h) { return std::abs(h - median) > schwelle; }));
}

}  // namespace

class BildmalerTest : public QObject {
    Q_OBJECT

private slots:
    void dateien_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QSize>("groesse");
        const auto zeile = [](const QString& datei, QSize groesse) { QTest::newRow(qPrintable(datei)) << datei << groesse; };
        for (const int nummer : {0, 1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16}) {  // ab 11 gehalten
            zeile(QStringLiteral("bilder/%1.JPG").arg(nummer), QSize(41, 33));
            zeile(QStringLiteral("bilder/%1@2x.JPG").arg(nummer), QSize(82, 66));
        }
        for (const auto& [name, groesse] : {std::pair{"banner.jpg", QSize(1000, 50)}, {"namenslogo.jpg", QSize(200, 40)},
                                            {"herstellerlogo.jpg", QSize(475, 93)}, {"dreiwuerfel.jpg", QSize(60, 53)},
                                            {"programmsymbol.png", QSize(32, 20)}}) {
            const QString datei = QStringLiteral("fensterbilder/") + QLatin1String(name);
            zeile(datei, groesse);
            zeile(QString(datei).replace('.', "@2x."), groesse * 2);
        }
        for (const int kante : {32, 48, 64, 128, 256}) {
            zeile(QStringLiteral("symbole/quorintarvoll-%1.png").arg(kante), QSize(kante, kante));
        }
    }

    // Jede Datei lässt sich in ihrem Format lesen und hat ihre Größe; das Programmsymbol hat eine
    // Palette und ist an der Ecke durchsichtig, die Symbole für den Desktop zeigen ihr Motiv.
    void dateien()
    {
        QFETCH(QString, datei);
        QFETCH(QSize, groesse);
        QImageReader leser(Pfad(datei));
        QCOMPARE(leser.format(), datei.endsWith(QLatin1String(".png")) ? QByteArray("png") : QByteArray("jpeg"));
        const QImage bild = leser.read();
        QVERIFY2(!bild.isNull(), qPrintable(leser.errorString()));
        QCOMPARE(bild.size(), groesse);
        if (datei.contains(QLatin1String("programmsymbol"))) {
            QCOMPARE(bild.format(), QImage::Format_Indexed8);
            QCOMPARE(qAlpha(bild.pixel(0, bild.height() - 1)), 0);
        }
        if (datei.startsWith(QLatin1String("symbole/"))) {  // Würfel auf durchsichtigem Grund
            QVERIFY(bild.pixel(0, 0) != bild.pixel(bild.width() / 2, bild.height() / 2));
        }
    }

    // Würfel n zeigt n gleich große Augen, der leere keines; gehaltene Würfel haben einen ganz
    // anderen Körper als freie, damit man sie auf einen Blick unterscheidet.
    void wuerfel()
    {
        for (const int massstab : {1, 2}) {
            const QImage leer = Wuerfel(0, massstab);
            QCOMPARE(Augenflaeche(leer), 0);
            const double auge = Augenflaeche(Wuerfel(1, massstab));
            for (const int nummer : {1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16}) {
                const QImage bild = Wuerfel(nummer, massstab);
                QCOMPARE(static_cast<int>(std::lround(Augenflaeche(bild) / auge)), nummer % 10);
                QCOMPARE(std::abs(Koerper(bild) - Koerper(leer)) > 80, nummer > 10);
            }
        }
    }
};

QTEST_GUILESS_MAIN(BildmalerTest)
#include "BildmalerTest.moc"

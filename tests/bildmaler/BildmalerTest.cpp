// Prüft die Bilder, die der Bildmaler beim Bauen in den Build-Ordner schreibt.

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

const QString Ordner = QStringLiteral(BILDER_ORDNER);

QString Wuerfeldatei(int nummer, int massstab)
{
    return QStringLiteral("bilder/%1%2.JPG").arg(nummer).arg(massstab == 2 ? QStringLiteral("@2x") : QString());
}

// Alle Dateien, die der Bildmaler schreiben muss, relativ zum Build-Ordner, mit ihrer Größe.
QList<std::pair<QString, QSize>> AlleDateien()
{
    QList<std::pair<QString, QSize>> dateien;
    for (const int nummer : {0, 1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16}) {  // ab 11 gehalten
        dateien.append({{Wuerfeldatei(nummer, 1), QSize(41, 33)}, {Wuerfeldatei(nummer, 2), QSize(82, 66)}});
    }
    for (const auto& [name, groesse] : {std::pair{"banner.jpg", QSize(1000, 50)}, {"namenslogo.jpg", QSize(200, 40)},
                                        {"herstellerlogo.jpg", QSize(475, 93)}, {"dreiwuerfel.jpg", QSize(60, 53)},
                                        {"programmsymbol.png", QSize(32, 20)}}) {
        const QString datei = QStringLiteral("fensterbilder/") + QLatin1String(name);
        dateien.append({{datei, groesse}, {QString(datei).replace('.', "@2x."), groesse * 2}});
    }
    for (const int kante : {32, 48, 64, 128, 256}) {
        dateien.append({QStringLiteral("symbole/quorintarvoll-%1.png").arg(kante), QSize(kante, kante)});
    }
    return dateien;
}

double Helligkeit(QRgb farbe) { return 0.299 * qRed(farbe) + 0.587 * qGreen(farbe) + 0.114 * qBlue(farbe); }

double Abstand(QRgb a, QRgb b) { return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)); }

// Im Inneren des Würfels, einem Quadrat um die Bildmitte von zwei Dritteln der Bildhöhe, liegen
// alle Augen und sonst nur Würfelkörper. Ein Auge ist ein Fleck, der sich um mehr als 100 von
// der mittleren Helligkeit abhebt, hell auf dunklem wie dunkel auf hellem Würfel.
struct Wuerfel {
    int augen = 0;
    QRgb koerper;  // das Pixel mittlerer Helligkeit

    explicit Wuerfel(const QString& datei)
    {
        QImage bild(QDir(Ordner).filePath(datei));
        const int halb = bild.height() / 3;
        const QRect innen(bild.width() / 2 - halb, bild.height() / 2 - halb, 2 * halb + 1, 2 * halb + 1);
        std::vector<std::pair<double, QRgb>> pixel;
        for (int y = innen.top(); y <= innen.bottom(); ++y) {
            for (int x = innen.left(); x <= innen.right(); ++x) {
                pixel.emplace_back(Helligkeit(bild.pixel(x, y)), bild.pixel(x, y));
            }
        }
        const auto median = pixel.begin() + static_cast<long>(pixel.size() / 2);
        std::nth_element(pixel.begin(), median, pixel.end());
        koerper = median->second;
        // Übermalt einen Fleck mit der Körperfarbe und zählt dabei seine Pixel.
        const std::function<int(QPoint)> fuellen = [&](QPoint p) {
            if (!innen.contains(p) || std::abs(Helligkeit(bild.pixel(p)) - median->first) <= 100) {
                return 0;
            }
            bild.setPixel(p, koerper);
            return 1 + fuellen(p + QPoint(1, 0)) + fuellen(p - QPoint(1, 0)) + fuellen(p + QPoint(0, 1)) +
                   fuellen(p - QPoint(0, 1));
        };
        for (int y = innen.top(); y <= innen.bottom(); ++y) {
            for (int x = innen.left(); x <= innen.right(); ++x) {
                augen += fuellen(QPoint(x, y)) >= 3 * (bild.height() / 33) * (bild.height() / 33) ? 1 : 0;
            }
        }
    }
};

}  // namespace

class BildmalerTest : public QObject {
    Q_OBJECT

private slots:
    void dateien_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QSize>("groesse");
        for (const auto& [datei, groesse] : AlleDateien()) {
            QTest::newRow(qPrintable(datei)) << datei << groesse;
        }
    }

    // Format und Größe; das Programmsymbol hat eine Palette und ist an der Ecke durchsichtig.
    void dateien()
    {
        QFETCH(QString, datei);
        QFETCH(QSize, groesse);
        QImageReader leser(QDir(Ordner).filePath(datei));
        QCOMPARE(leser.format(), datei.endsWith(QLatin1String(".png")) ? QByteArray("png") : QByteArray("jpeg"));
        const QImage bild = leser.read();
        QVERIFY2(!bild.isNull(), qPrintable(leser.errorString()));
        QCOMPARE(bild.size(), groesse);
        if (datei.contains(QLatin1String("programmsymbol"))) {
            QCOMPARE(bild.format(), QImage::Format_Indexed8);
            QCOMPARE(qAlpha(bild.pixel(0, bild.height() - 1)), 0);
        }
    }

    // Würfel n zeigt n Augen, der leere keines. Freie Würfel haben den Körper des leeren,
    // gehaltene einen ganz anderen, damit man sie auf einen Blick unterscheidet.
    void wuerfel_data()
    {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<int>("massstab");
        for (const int nummer : {0, 1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16}) {
            QTest::newRow(qPrintable(Wuerfeldatei(nummer, 1))) << nummer << 1;
            QTest::newRow(qPrintable(Wuerfeldatei(nummer, 2))) << nummer << 2;
        }
    }

    void wuerfel()
    {
        QFETCH(int, nummer);
        QFETCH(int, massstab);
        const Wuerfel wuerfel(Wuerfeldatei(nummer, massstab)), leer(Wuerfeldatei(0, massstab));
        QCOMPARE(wuerfel.augen, nummer % 10);
        const double abstand = Abstand(wuerfel.koerper, leer.koerper);
        QVERIFY2(nummer > 10 ? abstand > 150 : abstand < 20, qPrintable(QString::number(abstand)));
    }

    // Ein zweiter Lauf in einen leeren Ordner liefert Byte für Byte dieselben Dateien und keine weiteren.
    void zweiterLaufGibtDieselbenBytes()
    {
        QTemporaryDir ordner;
        QCOMPARE(QProcess::execute(QStringLiteral(BILDMALER_PROGRAMM), {ordner.path()}), 0);
        const auto erwartet = AlleDateien();
        for (const auto& [datei, groesse] : erwartet) {
            QFile vorher(QDir(Ordner).filePath(datei)), nachher(QDir(ordner.path()).filePath(datei));
            QVERIFY2(vorher.open(QIODevice::ReadOnly) && nachher.open(QIODevice::ReadOnly), qPrintable(datei));
            QVERIFY2(vorher.readAll() == nachher.readAll(), qPrintable(datei));
        }
        qsizetype geschrieben = 0;
        for (const char* unterordner : {"bilder", "fensterbilder", "symbole"}) {
            geschrieben += QDir(ordner.filePath(QLatin1String(unterordner))).entryList(QDir::Files).size();
        }
        QCOMPARE(geschrieben, erwartet.size());
    }
};

QTEST_GUILESS_MAIN(BildmalerTest)
#include "BildmalerTest.moc"

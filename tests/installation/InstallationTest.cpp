// Läuft aus installation.sh gegen ein frisch installiertes Präfix (TARVOLL_PRAEFIX): die Fenster
// bekommen den installierten Programmordner und müssen dort ihre Bilder und Hilfeseiten finden.

#include "Bilder.h"
#include "Fensterhilfen.h"

#include <QDesktopServices>
#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>

namespace {

QString Praefix() { return qEnvironmentVariable("TARVOLL_PRAEFIX"); }

QString Programmordner() { return QDir(Praefix()).filePath(QStringLiteral("lib/quorintarvoll")); }

QImage Vergleichbar(const QImage& bild) { return bild.convertToFormat(QImage::Format_RGB32); }

// Das Bild so, wie die Datei es hergibt.
QImage AusDatei(const QString& datei)
{
    QImageReader leser(QDir(Programmordner()).filePath(QStringLiteral("bilder/") + datei));
    return Vergleichbar(leser.read());
}

const QSize Wuerfelgroesse(41, 33);

}  // namespace

class InstallationTest : public QObject {
    Q_OBJECT

    // Was das Fenster zeigt, wenn ein Bild fehlt: so darf kein installiertes Würfelbild aussehen.
    QImage platzhalter_;

    void WuerfelVergleichen(Fenstertisch& tisch)
    {
        for (std::size_t i = 0; i < 5; ++i) {
            const auto datei = QString::fromStdString(tisch.spiel.frmTarvoll.imgWuerfel[i].datei);
            const auto gezeigt = Vergleichbar(tisch.fenster.imgWuerfel[i]->Bild().toImage());
            QVERIFY2(gezeigt != platzhalter_, qPrintable(datei));
            QVERIFY2(gezeigt == AusDatei(datei), qPrintable(datei));
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!Praefix().isEmpty() && QDir(Programmordner()).exists(), "TARVOLL_PRAEFIX zeigt auf kein Präfix");
        SchriftenEinrichten();
        const QTemporaryDir leer;
        platzhalter_ = Vergleichbar(Wuerfelbilder(leer.path()).Laden(QStringLiteral("1.JPG"), Wuerfelgroesse, 1.0).toImage());
    }

    void jedesWuerfelbildKommtAusDemOrdner()
    {
        for (const char* nummer : {"0", "1", "2", "3", "4", "5", "6", "11", "12", "13", "14", "15", "16"}) {
            const auto datei = QLatin1String(nummer) + QStringLiteral(".JPG");
            const auto datei2x = QLatin1String(nummer) + QStringLiteral("@2x.JPG");
            Wuerfelbilder bilder(Programmordner());
            const auto einfach = Vergleichbar(bilder.Laden(datei, Wuerfelgroesse, 1.0).toImage());
            QVERIFY2(!AusDatei(datei).isNull(), qPrintable(datei));
            QVERIFY2(einfach == AusDatei(datei), qPrintable(datei));
            QVERIFY2(einfach != platzhalter_, qPrintable(datei));
            const auto doppelt = bilder.Laden(datei, Wuerfelgroesse, 2.0);
            QCOMPARE(doppelt.devicePixelRatio(), 2.0);
            QVERIFY2(Vergleichbar(doppelt.toImage()) == AusDatei(datei2x), qPrintable(datei2x));
        }
    }

    void hauptfensterZeigtDieInstalliertenWuerfel()
    {
        Fenstertisch tisch({}, Programmordner());
        WuerfelVergleichen(tisch);  // die leeren Würfel vor dem ersten Spiel
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
        tisch.Werfen({6, 2, 5, 3, 4});
        QCOMPARE(tisch.fenster.lblWurf->text(), QStringLiteral("1"));
        WuerfelVergleichen(tisch);
        tisch.WuerfelKlicken(1);
        QVERIFY(tisch.spiel.frmTarvoll.imgWuerfel[1].rahmen);
        WuerfelVergleichen(tisch);  // das gehaltene Bild
    }

    void hilfeseitenAusDemOrdner()
    {
        Dokumentoeffner oeffner;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &oeffner, "oeffnen");
        {
            Fenstertisch tisch({}, Programmordner());
            tisch.fenster.mnuSpielregeln->trigger();
            tisch.fenster.mnuLiesmich->trigger();
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        const QDir hilfe(QDir(Programmordner()).filePath(QStringLiteral("hilfe")));
        QCOMPARE(oeffner.geoeffnet, (QList<QUrl>{QUrl::fromLocalFile(hilfe.filePath(QStringLiteral("Spielregeln.htm"))),
                                                  QUrl::fromLocalFile(hilfe.filePath(QStringLiteral("Liesmich.htm")))}));
        for (const auto& adresse : oeffner.geoeffnet) {
            QFile installiert(adresse.toLocalFile());
            QFile quelle(QDir(QStringLiteral(HILFE_QUELLE)).filePath(QFileInfo(installiert).fileName()));
            QVERIFY(installiert.open(QIODevice::ReadOnly));
            QVERIFY(quelle.open(QIODevice::ReadOnly));
            QVERIFY(installiert.size() > 0);
            QCOMPARE(installiert.readAll(), quelle.readAll());
        }
    }

    void symboleInDenUeblichenOrdnern()
    {
        for (int kante : {32, 48, 64, 128, 256}) {
            const auto pfad = QDir(Praefix()).filePath(
                QStringLiteral("share/icons/hicolor/%1x%1/apps/quorintarvoll.png").arg(kante));
            QImageReader leser(pfad);
            QCOMPARE(leser.format(), QByteArray("png"));
            const auto bild = leser.read();
            QVERIFY2(!bild.isNull(), qPrintable(pfad));
            QCOMPARE(bild.size(), QSize(kante, kante));
            // Ein Symbol, keine leere Fläche: mehr als eine Farbe.
            const auto ecke = bild.pixel(0, 0);
            bool verschieden = false;
            for (int y = 0; y < bild.height() && !verschieden; ++y) {
                for (int x = 0; x < bild.width() && !verschieden; ++x) {
                    verschieden = bild.pixel(x, y) != ecke;
                }
            }
            QVERIFY2(verschieden, qPrintable(pfad));
        }
    }
};

QTEST_MAIN(InstallationTest)
#include "InstallationTest.moc"

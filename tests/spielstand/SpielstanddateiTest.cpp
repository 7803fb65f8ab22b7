#include "../engine/Attrappen.h"

#include "Spieler.h"
#include "Spielstanddatei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// Runde 2, erster Wurf, drei Würfel gehalten; Namen und Würfeltexte voller Zeichen, die JSON maskieren
// muss: Anführungszeichen, Steuerzeichen, ein getipptes U+FFFD und Zeichen außerhalb der Grundebene.
Spielstand GueltigerStand()
{
    Spieltisch tisch("debug");
    SpielerUebernehmen(tisch.spiel, {"Jörg \"der\" \\Große\\ |;<> \xf0\x9f\x8e\xb2", std::string("N\0\t\r\n", 5), "\xef\xbf\xbd"}, 3);
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({5, 4, 3, 2, 1});
    tisch.Klicken(14);
    tisch.Werfen({6, 6, 2, 3, 6});
    tisch.spiel.frmTarvoll_imgWuerfel_Click(3);
    tisch.spiel.frmTarvoll_imgWuerfel_Click(4);
    tisch.spiel.frmTarvoll.txtWuerfel = {"7", "\"", "-2.5", "ä", "\\"};
    tisch.spiel.frmTarvoll_imgWuerfel_Click(2);
    return tisch.spiel.SpielstandGeben();
}

// Wie das Fenster mit einem abgelehnten Stand umgeht, prüft der Fenstertest speichernUndOeffnen.
QString Abgelehnt(const Ladeergebnis& ergebnis) { return ergebnis.stand ? QStringLiteral("angenommen") : ergebnis.fehlerText; }

const QString Leer = QStringLiteral("Die Datei ist leer.");
const QString KeinSpielstand = QStringLiteral("Die Datei ist kein Spielstand von Quorin Tarvoll.");
const QString Beschaedigt = QStringLiteral("Die Datei ist beschädigt: ");
const QString Widerspruch = QStringLiteral("Der Spielstand ist widersprüchlich: ");

}  // namespace

class SpielstanddateiTest : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;
    const QByteArray gueltig = SpielstandAlsJson(GueltigerStand());

private slots:
    // Die gültige Datei mit dem ersten `alt` durch `neu` ersetzt; eine leere Meldung heißt angenommen.
    void datei_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        const auto geaendert = [this](const char* name, const char* alt, const char* neu, const QString& meldung) {
            auto daten = gueltig;
            QVERIFY(daten.contains(alt));
            QTest::newRow(name) << daten.replace(daten.indexOf(alt), qsizetype(qstrlen(alt)), neu) << meldung;
        };
        QTest::newRow("Windows-Zeilenenden") << QByteArray(gueltig).replace("\n", "\r\n") << QString();
        QTest::newRow("Byte-Order-Mark") << QByteArray("\xEF\xBB\xBF") + gueltig << QString();
        geaendert("unbekanntes Feld", "\"zustand\": {", "\"zustand\": { \"von\": \"Hand\",", {});
        QTest::newRow("genau die Größengrenze") << gueltig.leftJustified(SpielstandHoechstGroesse) << QString();
        QTest::newRow("ein Byte zu groß") << gueltig.leftJustified(SpielstandHoechstGroesse + 1)
                                          << QStringLiteral("Die Datei ist zu groß für einen Spielstand (mehr als 256 KiB).");
        QTest::newRow("nur Leerraum") << QByteArray(" \r\n\t \n") << Leer;
        geaendert("fremde Kennung", "Tarvoll Spielstand", "Anderes Spiel", KeinSpielstand);
        geaendert("neuere Version", "\"version\": 1", "\"version\": 2",
                  QStringLiteral("Der Spielstand stammt aus einer neueren Version von Quorin Tarvoll (Format 2); "
                                 "diese Version liest nur Format 1."));
        geaendert("fehlendes Komma", "Spielstand\",", "Spielstand\"", Beschaedigt + "ein Objekt ist nicht abgeschlossen (bei Byte 49).");
        // Ungültige Bytes darf das Lesen nicht still durch U+FFFD ersetzen.
        geaendert("ungültiges UTF-8", "Halten", "Halt\xff", Beschaedigt + "ein Text ist kein gültiges UTF-8 (bei Byte 3620).");
        geaendert("einzelnes Surrogat", "Halten", "\\ud800", Beschaedigt + "„zustand.infozeile“ enthält ein ungültiges Zeichen.");
        geaendert("sechs Würfel", "\"wuerfel\": [", "\"wuerfel\": [ {},", Beschaedigt + "„wuerfel“ ist keine Liste mit 5 Einträgen.");
        geaendert("Zustand kein Objekt", "\"zustand\": {", "\"zustand\": 5, \"alt\": {", Beschaedigt + "„zustand“ ist kein Objekt.");
        geaendert("ohne Bild", "\"bild\"", "\"b\"", Beschaedigt + "„wuerfel[0].bild“ fehlt.");
        geaendert("Würfeltext als Zahl", "\"text\": \"7\"", "\"text\": 7", Beschaedigt + "„wuerfel[0].text“ ist kein Text.");
        geaendert("Rahmen als Zahl", "\"rahmen\": false", "\"rahmen\": 0", Beschaedigt + "„wuerfel[0].rahmen“ ist weder true noch false.");
        for (const char* runde : {"\"runde\": \"2\"", "\"runde\": 2.5", "\"runde\": 40000"}) {
            geaendert(runde, "\"runde\": 2", runde, Beschaedigt + "„zustand.runde“ ist keine ganze Zahl von -32768 bis 32767.");
        }
        geaendert("Spielerzahl über ein Byte", "\"anzahlSpieler\": 3", "\"anzahlSpieler\": 257",
                  Beschaedigt + "„zustand.anzahlSpieler“ ist keine ganze Zahl von 0 bis 255.");
        geaendert("Zug in eine Summenzeile", "\"zeile\": 14", "\"zeile\": 7",
                  Widerspruch + "Zug 1 ist weder ein Eintrag in eine offene Kategorie noch Weiterwürfeln nach Wurf 1 oder 2.");
    }

    void datei()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        const auto pfad = ordner.filePath(QStringLiteral("datei.qts"));
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && datei.write(inhalt) == inhalt.size());
        datei.close();
        const auto gelesen = SpielstandLesen(pfad);
        if (meldung.isEmpty()) {
            QVERIFY2(gelesen.stand == GueltigerStand(), qPrintable(gelesen.fehlerText));
        } else {
            QCOMPARE(Abgelehnt(gelesen), meldung);
        }
    }

    // Jede Kürzung wird abgelehnt; ohne Kennung ist es kein Spielstand, mit ihr ein beschädigter.
    // Im Speicher, weil Hunderte Dateien nur Zeit kosten: SpielstandLesen reicht den Inhalt unverändert weiter.
    void kuerzungen()
    {
        const auto kennungEnde = gueltig.indexOf(SpielstandKennung) + qsizetype(qstrlen(SpielstandKennung));
        for (qsizetype laenge = 0; laenge < gueltig.size() - 1; ++laenge) {  // nur das "\n" am Ende darf fehlen
            const auto fehler = Abgelehnt(SpielstandAusJson(gueltig.left(laenge)));
            const auto erwartet = laenge == 0 ? Leer : laenge < kennungEnde ? KeinSpielstand : Beschaedigt;
            QVERIFY2(fehler.startsWith(erwartet), qPrintable(QStringLiteral("%1 Bytes: %2").arg(laenge).arg(fehler)));
        }
        const auto fehlt = Abgelehnt(SpielstandLesen(QStringLiteral("/gibt/es/nicht.qts")));
        QVERIFY2(fehlt.startsWith(QStringLiteral("Die Datei „/gibt/es/nicht.qts“ lässt sich nicht öffnen (")), qPrintable(fehlt));
        const auto endlos = Abgelehnt(SpielstandLesen(QStringLiteral("/dev/zero")));  // ohne Größe und ohne Ende
        QVERIFY2(endlos.startsWith(QStringLiteral("Die Datei ist zu groß")), qPrintable(endlos));
    }

    // Nach jedem gescheiterten Speichern steht die alte Datei noch ganz und allein im Ordner.
    void schreibfehlerLaesstAlteDateiStehen()
    {
        QTemporaryDir hier;
        const auto pfad = hier.filePath(QStringLiteral("spiel.qts"));
        QVERIFY(SpielstandSchreiben(GueltigerStand(), pfad).gespeichert);
        QVERIFY(SpielstandLesen(pfad).stand == GueltigerStand());
        const auto inhalt = [&pfad] { QFile datei(pfad); return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray(); };
        const auto guteDatei = inhalt();
        const auto pruefen = [&](const Speicherergebnis& ergebnis, const QString& grund) {
            const auto erwartet = QStringLiteral("Das Spiel wurde nicht gespeichert.\r\n") + grund;
            QVERIFY2(!ergebnis.gespeichert && ergebnis.fehlerText.startsWith(erwartet), qPrintable(ergebnis.fehlerText));
            QCOMPARE(inhalt(), guteDatei);
            QCOMPARE(QDir(hier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("spiel.qts")});
        };
        auto neu = Spieltisch().spiel.SpielstandGeben();
        neu.intWurf = 4;
        pruefen(SpielstandSchreiben(neu, pfad), Widerspruch + "Die Wurfzahl 4 liegt nicht zwischen 0 und 3.");
        // Ein voller Datenträger, nachgestellt mit einer Größengrenze für Dateien: das Schreiben scheitert mittendrin.
        rlimit vorher{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &vorher), 0);
        const rlimit eng{100, vorher.rlim_max};
        const auto signalVorher = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
        const auto voll = SpielstandSchreiben(GueltigerStand(), pfad);
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, signalVorher);
        pruefen(voll, QStringLiteral("Die Datei „%1“ lässt sich nicht schreiben (").arg(QDir::toNativeSeparators(pfad)));
    }
};

QTEST_GUILESS_MAIN(SpielstanddateiTest)
#include "SpielstanddateiTest.moc"

#include "../engine/Attrappen.h"

#include "Spieler.h"
#include "Spielstanddatei.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Runde 2, zweiter Wurf, Würfel 4 und 5 gehalten.
void MitGehaltenenWuerfeln(Spieltisch& tisch)
{
    tisch.Werfen({5, 4, 3, 2, 1});
    tisch.Klicken(14);
    tisch.Werfen({6, 6, 2, 3, 6});
    tisch.spiel.frmTarvoll_imgWuerfel_Click(3);
    tisch.spiel.frmTarvoll_imgWuerfel_Click(4);
    tisch.Werfen({1, 6});
}

Spielstand StandMitGehaltenenWuerfeln()
{
    Spieltisch tisch;
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    MitGehaltenenWuerfeln(tisch);
    return tisch.spiel.SpielstandGeben();
}

const QByteArray& GueltigeDaten()
{
    static const auto daten = SpielstandAlsJson(StandMitGehaltenenWuerfeln());
    return daten;
}

// Die gültige Datei mit dem ersten `alt` durch `neu` ersetzt; leer, wenn `alt` nicht vorkommt.
QByteArray Geaendert(const QByteArray& alt, const QByteArray& neu)
{
    auto daten = GueltigeDaten();
    const auto stelle = daten.indexOf(alt);
    return stelle < 0 ? QByteArray() : daten.replace(stelle, alt.size(), neu);
}

QByteArray DateiInhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// Der Grund, aus dem eine Datei abgelehnt wird. Ohne Stand hat das Spiel nichts zu übernehmen
// und bleibt, wie es war (wie das Fenster damit umgeht, prüft SpielstandMenueTest).
QString Abgelehnt(const Ladeergebnis& ergebnis)
{
    return ergebnis.stand ? QStringLiteral("angenommen") : ergebnis.fehlerText;
}

const QString Leer = QStringLiteral("Die Datei ist leer.");
const QString KeinSpielstand = QStringLiteral("Die Datei ist kein Spielstand von Quorin Tarvoll.");
const QString Beschaedigt = QStringLiteral("Die Datei ist beschädigt: ");
const QString Widerspruch = QStringLiteral("Der Spielstand ist widersprüchlich: ");

}  // namespace

class SpielstanddateiTest : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;

private slots:
    // Ein Spiel im Debug-Modus, an jeder Stufe gespeichert und in ein frisches Spiel geladen, das
    // dasselbe zeigt und danach Zug um Zug gleich weiterspielt bis zur nächsten Stufe.
    void rundreise()
    {
        Spieltisch quelle("debug");
        std::optional<Spieltisch> ziel(std::in_place, "debug");
        const auto beide = [&](const std::function<void(Spieltisch&)>& zug) {
            zug(quelle);
            zug(*ziel);
        };
        const auto gleich = [&] {
            return ziel->spiel.frmTarvoll == quelle.spiel.frmTarvoll &&
                   ziel->spiel.SpielstandGeben() == quelle.spiel.SpielstandGeben();
        };
        const auto pfad = ordner.filePath(QStringLiteral("rundreise.qts"));
        const auto stufe = [&](const char* name) {
            QVERIFY2(gleich(), qPrintable(QStringLiteral("weitergespielt bis: %1").arg(name)));
            QVERIFY(SpielstandSchreiben(quelle.spiel.SpielstandGeben(), pfad).gespeichert);
            const auto gelesen = SpielstandLesen(pfad);
            ziel.emplace("debug");
            QVERIFY2(gelesen.stand, qPrintable(gelesen.fehlerText));
            QVERIFY(ziel->spiel.SpielstandUebernehmen(*gelesen.stand));
            QVERIFY2(gleich(), name);
        };
        beide([](Spieltisch& t) {
            // Namen mit Anführungszeichen, Steuerzeichen, Umlauten und Zeichen außerhalb der Grundebene
            SpielerUebernehmen(t.spiel, {"Jörg \"der\" \\Große\\ |;<> \xf0\x9f\x8e\xb2", std::string("N\0\t\r\n", 5), ""}, 3);
            t.spiel.frmTarvoll_cmdNeu_Click();
        });
        stufe("vor dem ersten Wurf");
        beide(MitGehaltenenWuerfeln);
        stufe("mit gehaltenen Würfeln");
        beide([](Spieltisch& t) { t.Klicken(15); });  // kein Tarvoll: gestrichen
        stufe("nach gestrichener Zeile");
        beide([](Spieltisch& t) {
            t.Werfen({1, 1, 1, 1, 1});
            t.spiel.frmTarvoll.txtWuerfel = {"-9", "-9", "-9", "-9", "-9"};
            t.Klicken(16);  // Chance: -45
            t.Werfen({1, 2, 3, 4, 5});
            t.spiel.frmTarvoll.txtWuerfel = {"7", "\"", "2.5", "ä", "\\"};
            t.spiel.frmTarvoll_imgWuerfel_Click(0);
            t.spiel.frmTarvoll_imgWuerfel_Click(2);
            t.Klicken(0, 0);  // wirkt nicht, macht aber die Kopfzelle zur aktuellen
        });
        stufe("mit Debug-Werten");
        for (const int zeile : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13}) {
            beide([zeile](Spieltisch& t) {
                t.Werfen({zeile % 6 + 1, 6, 6, 6, 5});
                t.Klicken(zeile);
            });
        }
        QCOMPARE(quelle.spiel.intRunde, 14);
        stufe("Spielende");
    }

    // Eine leere Meldung heißt: angenommen, als der Stand, aus dem die gültige Datei stammt.
    void datei_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        // Die gültige Datei mit dem ersten `alt` durch `neu` ersetzt, und die Meldung dazu.
        const auto geaendert = [](const char* name, const char* alt, const char* neu, const QString& meldung) {
            QTest::newRow(name) << Geaendert(alt, neu) << meldung;
        };
        auto windows = GueltigeDaten();
        QTest::newRow("Windows-Zeilenenden") << windows.replace("\n", "\r\n") << QString();
        QTest::newRow("Byte-Order-Mark") << QByteArray("\xEF\xBB\xBF") + GueltigeDaten() << QString();
        geaendert("unbekanntes Feld", "\"zustand\": {", "\"zustand\": { \"von\": \"Hand\",", {});
        QTest::newRow("genau die Größengrenze") << GueltigeDaten().leftJustified(SpielstandHoechstGroesse) << QString();
        QTest::newRow("ein Byte zu groß") << GueltigeDaten().leftJustified(SpielstandHoechstGroesse + 1)
                                          << QStringLiteral("Die Datei ist zu groß für einen Spielstand (mehr als 256 KiB).");
        QTest::newRow("leer") << QByteArray() << Leer;
        QTest::newRow("nur Leerraum") << QByteArray(" \r\n\t \n") << Leer;
        QTest::newRow("Text") << QByteArray("Hallo Welt\n") << KeinSpielstand;
        geaendert("fremde Kennung", "Tarvoll Spielstand", "Anderes Spiel", KeinSpielstand);
        geaendert("neuere Version", "\"version\": 1", "\"version\": 2",
                  QStringLiteral("Der Spielstand stammt aus einer neueren Version von Quorin Tarvoll (Format 2); "
                                 "diese Version liest nur Format 1."));
        geaendert("fehlendes Komma", "Spielstand\",", "Spielstand\"", Beschaedigt + "ein Objekt ist nicht abgeschlossen (bei Byte 49).");
        geaendert("Ersatzzeichen", "Spieler 2", "\\ud800",
                  Beschaedigt + "„zustand.spielernamen[1]“ enthält ein ungültiges Zeichen.");
        geaendert("sechs Würfel", "\"wuerfel\": [", "\"wuerfel\": [ {},", Beschaedigt + "„wuerfel“ ist keine Liste mit 5 Einträgen.");
        geaendert("Zustand kein Objekt", "\"zustand\": {", "\"zustand\": 5, \"alt\": {", Beschaedigt + "„zustand“ ist kein Objekt.");
        geaendert("ohne Bild", "\"bild\"", "\"b\"", Beschaedigt + "„wuerfel[0].bild“ fehlt.");
        geaendert("Würfeltext als Zahl", "\"text\": \"1\"", "\"text\": 1", Beschaedigt + "„wuerfel[0].text“ ist kein Text.");
        geaendert("Rahmen als Zahl", "\"rahmen\": false", "\"rahmen\": 0", Beschaedigt + "„wuerfel[0].rahmen“ ist weder true noch false.");
        for (const char* runde : {"\"runde\": \"2\"", "\"runde\": 2.5", "\"runde\": 40000"}) {
            geaendert(runde, "\"runde\": 2", runde, Beschaedigt + "„zustand.runde“ ist keine ganze Zahl von -32768 bis 32767.");
        }
        geaendert("Spielerzahl über ein Byte", "\"anzahlSpieler\": 1", "\"anzahlSpieler\": 257",
                  Beschaedigt + "„zustand.anzahlSpieler“ ist keine ganze Zahl von 0 bis 255.");
        geaendert("Runde passt nicht zu den Einträgen", "\"runde\": 2", "\"runde\": 5",
                  Widerspruch + "In Runde 5 müssten 4 Kategorien eingetragen sein, es sind aber 1.");
        geaendert("vier Würfe", "\"wurf\": 2", "\"wurf\": 4", Widerspruch + "Die Wurfzahl 4 liegt nicht zwischen 0 und 3.");
        geaendert("Zug in eine Summenzeile", "\"zeile\": 14", "\"zeile\": 7",
                  Widerspruch + "Zug 1 ist weder ein Eintrag in eine offene Kategorie noch Weiterwürfeln nach Wurf 1 oder 2.");
        geaendert("eingetragene Zeile leer", "\"text\": \"40\"", "\"text\": \"\"",
                  Widerspruch + "Zeile 14 („Große Straße“) ist eingetragen, ihre Zelle zeigt aber weder grüne Punkte "
                                "noch einen Strich.");
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
            QVERIFY2(gelesen.stand == StandMitGehaltenenWuerfeln(), qPrintable(gelesen.fehlerText));
        } else {
            QCOMPARE(Abgelehnt(gelesen), meldung);
        }
    }

    void unlesbarerPfad()
    {
        const auto fehlt = Abgelehnt(SpielstandLesen(QStringLiteral("/gibt/es/nicht.qts")));
        QVERIFY2(fehlt.startsWith(QStringLiteral("Die Datei „/gibt/es/nicht.qts“ lässt sich nicht öffnen (")), qPrintable(fehlt));
        const auto endlos = Abgelehnt(SpielstandLesen(QStringLiteral("/dev/zero")));  // ohne Größe und ohne Ende
        QVERIFY2(endlos.startsWith(QStringLiteral("Die Datei ist zu groß")), qPrintable(endlos));
    }

    // Im Speicher, weil Tausende Dateien nur Zeit kosten: SpielstandLesen gibt den Inhalt
    // unverändert an SpielstandAusJson (die Tabelle oben geht über Dateien).
    void kuerzungenUndZufallsbytes()
    {
        const auto& daten = GueltigeDaten();
        const auto kennungEnde = daten.indexOf(SpielstandKennung) + qsizetype(qstrlen(SpielstandKennung));
        for (qsizetype laenge = 0; laenge < daten.size() - 1; ++laenge) {  // nur das "\n" am Ende darf fehlen
            const auto fehler = Abgelehnt(SpielstandAusJson(daten.left(laenge)));
            const auto erwartet = laenge == 0 ? Leer : laenge < kennungEnde ? KeinSpielstand : Beschaedigt;
            QVERIFY2(fehler.startsWith(erwartet), qPrintable(QStringLiteral("%1 Bytes: %2").arg(laenge).arg(fehler)));
        }
        QVERIFY(SpielstandAusJson(daten.chopped(1)).stand == StandMitGehaltenenWuerfeln());

        QRandomGenerator zufall(20261206);
        for (int versuch = 0; versuch < 300; ++versuch) {
            QByteArray inhalt(zufall.bounded(1, 3000), Qt::Uninitialized);
            for (auto& byte : inhalt) {
                byte = static_cast<char>(zufall.bounded(256));
            }
            const auto fehler = Abgelehnt(SpielstandAusJson(inhalt));
            QVERIFY2(fehler == KeinSpielstand || fehler == Leer, qPrintable(fehler));
        }
    }

    // Nach jedem gescheiterten Speichern steht die alte Datei noch ganz und allein im Ordner.
    void schreibfehlerLaesstAlteDateiStehen()
    {
        QTemporaryDir hier;
        const auto pfad = hier.filePath(QStringLiteral("spiel.qts"));
        QVERIFY(SpielstandSchreiben(StandMitGehaltenenWuerfeln(), pfad).gespeichert);
        const auto guteDatei = DateiInhalt(pfad);
        const auto pruefen = [&](const Speicherergebnis& ergebnis, const QString& grund) {
            const auto erwartet = QStringLiteral("Das Spiel wurde nicht gespeichert.\r\n") + grund;
            QVERIFY2(!ergebnis.gespeichert && ergebnis.fehlerText.startsWith(erwartet), qPrintable(ergebnis.fehlerText));
            QCOMPARE(DateiInhalt(pfad), guteDatei);
            QCOMPARE(QDir(hier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("spiel.qts")});
        };
        auto neu = Spieltisch().spiel.SpielstandGeben();
        neu.intWurf = 4;
        pruefen(SpielstandSchreiben(neu, pfad), Widerspruch + "Die Wurfzahl 4 liegt nicht zwischen 0 und 3.");
        neu.intWurf = 0;

        const auto datei = QStringLiteral("Die Datei „%1“ lässt sich nicht ").arg(QDir::toNativeSeparators(pfad));
        // Schreibgeschützter Ordner; root dürfte trotzdem schreiben, darum versucht es dann ein gewöhnlicher Benutzer.
        const auto lesen = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(hier.path(), lesen));
        const bool root = geteuid() == 0;
        QVERIFY(!root || seteuid(65534) == 0);
        const auto nurLesen = SpielstandSchreiben(neu, pfad);
        QVERIFY(!root || seteuid(0) == 0);
        QVERIFY(QFile::setPermissions(hier.path(), lesen | QFile::WriteOwner));
        pruefen(nurLesen, datei + "anlegen (");

        // Ein voller Datenträger, nachgestellt mit einer Größengrenze für Dateien: das Schreiben scheitert mittendrin.
        rlimit vorher{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &vorher), 0);
        const rlimit eng{100, vorher.rlim_max};
        const auto signalVorher = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
        const auto voll = SpielstandSchreiben(neu, pfad);
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, signalVorher);
        pruefen(voll, datei + "schreiben (");
        QVERIFY(voll.fehlerText.endsWith(QStringLiteral("; eine vorhandene Datei bleibt, wie sie war.")));
    }
};

QTEST_GUILESS_MAIN(SpielstanddateiTest)
#include "SpielstanddateiTest.moc"

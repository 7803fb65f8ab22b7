#include "../engine/Attrappen.h"

#include "Spielstanddatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// --- Spielstufen, an denen gespeichert wird ---

void VorDemErstenWurf(Spieltisch& tisch) { tisch.spiel.frmTarvoll_cmdNeu_Click(); }

void MitGehaltenenWuerfeln(Spieltisch& tisch)
{
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({5, 4, 3, 2, 1});
    tisch.Klicken(14);
    tisch.Werfen({6, 6, 2, 3, 6});
    tisch.spiel.frmTarvoll_imgWuerfel_Click(3);
    tisch.spiel.frmTarvoll_imgWuerfel_Click(4);
    tisch.Werfen({1, 6});
}

void NachGestrichenerZeile(Spieltisch& tisch)
{
    MitGehaltenenWuerfeln(tisch);
    tisch.Klicken(15);  // kein Tarvoll: gestrichen
}

void Spielende(Spieltisch& tisch)
{
    tisch.spiel.bytAnzahlSpieler = 3;
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    for (const int zeile : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16}) {
        tisch.Werfen({zeile % 6 + 1, 6, 6, 6, 5});
        tisch.Klicken(zeile);
    }
}

// Was in Texten stehen kann, ohne dass die Datei es verdreht: Anführungszeichen, Steuerzeichen,
// Umlaute, Zeichen außerhalb der Grundebene, das Format des Spielzettels; dazu Debug-Würfel.
void MitSonderzeichen(Spieltisch& tisch)
{
    auto& spiel = tisch.spiel;
    spiel.strSpielername[1] = "Jörg \"der\" \\Große\\ |;<>";
    spiel.strSpielername[2] = std::string("Null\0Byte\t\r\n", 13) + "\xf0\x9f\x8e\xb2\xef\xbf\xbf";
    spiel.strSpielername[3] = "";
    for (std::size_t i = 0; i < Spielstand::HoechstLaenge; ++i) {
        spiel.strSpielername[3] += "ß";
    }
    spiel.KopfzeileSetzen();
    spiel.frmTarvoll.mfgPunktanzeige.SpaltenbreiteSetzen(1, basTarvoll::BreiteSpielspalte);
    spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({1, 1, 1, 1, 1});
    spiel.frmTarvoll.txtWuerfel = {"-9", "-9", "-9", "-9", "-9"};
    tisch.Klicken(16);  // Chance: -45
    tisch.Werfen({1, 2, 3, 4, 5});
    spiel.frmTarvoll.txtWuerfel = {"7", "\"", "2.5", "ä", "\\"};
    spiel.frmTarvoll_imgWuerfel_Click(0);
    spiel.frmTarvoll_imgWuerfel_Click(2);
    tisch.Klicken(0, 0);  // wirkt nicht, macht aber die Kopfzelle zur aktuellen
}

struct Stufe {
    const char* name;
    void (*spielen)(Spieltisch&);
    const char* kommandozeile;
};

const Stufe Stufen[] = {
    {"vor dem ersten Wurf", VorDemErstenWurf, ""},
    {"mit gehaltenen Würfeln", MitGehaltenenWuerfeln, ""},
    {"nach gestrichener Zeile", NachGestrichenerZeile, ""},
    {"Spielende", Spielende, ""},
    {"Sonderzeichen und Debug-Werte", MitSonderzeichen, "debug"},
};

QString Unterschiede(const Anzeige& a, const Anzeige& b)
{
    QStringList welche;
    for (std::size_t i = 0; i < 5; ++i) {
        if (a.txtWuerfel[i] != b.txtWuerfel[i] || a.imgWuerfel[i] != b.imgWuerfel[i]) {
            welche << QStringLiteral("Würfel %1").arg(i);
        }
    }
    const std::pair<const char*, bool> teile[] = {
        {"lblInfo", a.lblInfo == b.lblInfo},
        {"lblRunde", a.lblRunde == b.lblRunde},
        {"lblWurf", a.lblWurf == b.lblWurf},
        {"cmdWuerfeln", a.cmdWuerfelnAktiv == b.cmdWuerfelnAktiv},
        {"Statusleiste", a.stbAnzeigeText == b.stbAnzeigeText},
        {"Format", a.mfgPunktanzeige.Format() == b.mfgPunktanzeige.Format()},
        {"aktuelle Zelle", a.mfgPunktanzeige.Zeile() == b.mfgPunktanzeige.Zeile() &&
                               a.mfgPunktanzeige.Spalte() == b.mfgPunktanzeige.Spalte()},
    };
    for (const auto& [name, gleich] : teile) {
        if (!gleich) {
            welche << QString::fromUtf8(name);
        }
    }
    for (int zeile = 0; zeile < 18; ++zeile) {
        for (int spalte = 0; spalte < 2; ++spalte) {
            if (a.mfgPunktanzeige.ZelleAn(zeile, spalte) != b.mfgPunktanzeige.ZelleAn(zeile, spalte)) {
                welche << QStringLiteral("Zelle %1/%2").arg(zeile).arg(spalte);
            }
        }
    }
    if (welche.isEmpty() && !(a == b)) {
        welche << QStringLiteral("sonstige Anzeige");
    }
    return welche.join(QStringLiteral(", "));
}

// So lädt das Fenster: erst die Datei lesen; nur ein gültiger Stand führt zur Frage und ersetzt das Spiel.
QString Laden(basTarvoll& spiel, const Ladeergebnis& ergebnis)
{
    if (ergebnis.stand) {
        spiel.SpielstandUebernehmen(*ergebnis.stand);
    }
    return ergebnis.fehlerText;
}

Spielstand StandAus(void (*spielen)(Spieltisch&))
{
    Spieltisch tisch;
    spielen(tisch);
    return tisch.spiel.SpielstandGeben();
}

// Eine gültige Datei mitten im Spiel: Runde 2, zweiter Wurf, Würfel 4 und 5 gehalten.
const QByteArray& GueltigeDaten()
{
    static const auto daten = SpielstandAlsJson(StandAus(MitGehaltenenWuerfeln));
    return daten;
}

// Die gültige Datei mit einem geänderten Eintrag, etwa "zustand.runde" oder "wuerfel[2].text";
// ein undefinierter Wert entfernt ihn.
QJsonValue Setzen(const QJsonValue& wert, QStringList weg, const QJsonValue& neu)
{
    if (weg.isEmpty()) {
        return neu;
    }
    const auto schritt = weg.takeFirst();
    const bool entfernen = weg.isEmpty() && neu.isUndefined();
    if (schritt.startsWith('[')) {
        auto liste = wert.toArray();
        const auto index = schritt.mid(1, schritt.size() - 2).toInt();
        if (entfernen) {
            liste.removeAt(index);
        } else {
            liste.replace(index, Setzen(liste.at(index), weg, neu));
        }
        return liste;
    }
    auto objekt = wert.toObject();
    if (entfernen) {
        objekt.remove(schritt);
    } else {
        objekt.insert(schritt, Setzen(objekt.value(schritt), weg, neu));
    }
    return objekt;
}

QByteArray Geaendert(const QString& weg, const QJsonValue& neu = QJsonValue::Undefined)
{
    static const QRegularExpression schritte(QStringLiteral("[^.\\[]+|\\[\\d+\\]"));
    QStringList teile;
    for (const auto& treffer : schritte.globalMatch(weg)) {
        teile << treffer.captured();
    }
    const auto objekt = Setzen(QJsonDocument::fromJson(GueltigeDaten()).object(), teile, neu).toObject();
    return QJsonDocument(objekt).toJson();
}

const QString Leer = QStringLiteral("Die Datei ist leer.");
const QString KeinSpielstand = QStringLiteral("Die Datei ist kein Spielstand von Quorin Tarvoll.");
const QString Beschaedigt = QStringLiteral("Die Datei ist beschädigt: ");
const QString Widerspruch = QStringLiteral("Der Spielstand ist widersprüchlich: ");
const QString NichtGespeichert = QStringLiteral("Das Spiel wurde nicht gespeichert.\r\n");

}  // namespace

class SpielstanddateiTest : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;
    QString Pfad(const QString& name) const { return ordner.filePath(name); }

    void DateiSchreiben(const QString& pfad, const QByteArray& inhalt)
    {
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(datei.write(inhalt), inhalt.size());
    }

    static QByteArray DateiInhalt(const QString& pfad)
    {
        QFile datei(pfad);
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }

    // Eine abgelehnte Datei lässt das laufende Spiel, wie es war, und fragt nichts.
    void AbgelehntOhneFolgen(const Ladeergebnis& ergebnis, QString& fehler)
    {
        Spieltisch tisch;
        NachGestrichenerZeile(tisch);
        const auto stand = tisch.spiel.SpielstandGeben();
        const auto anzeige = tisch.spiel.frmTarvoll;
        fehler = Laden(tisch.spiel, ergebnis);
        QVERIFY(!fehler.isEmpty());
        QVERIFY(tisch.meldungen.gezeigt.empty());
        QVERIFY(tisch.spiel.SpielstandGeben() == stand);
        QVERIFY2(tisch.spiel.frmTarvoll == anzeige, qPrintable(Unterschiede(anzeige, tisch.spiel.frmTarvoll)));
    }

private slots:
    void initTestCase() { QVERIFY(ordner.isValid()); }

    void rundreise_data()
    {
        QTest::addColumn<int>("nummer");
        for (int i = 0; i < static_cast<int>(std::size(Stufen)); ++i) {
            QTest::newRow(Stufen[i].name) << i;
        }
    }

    void rundreise()
    {
        QFETCH(int, nummer);
        const auto& stufe = Stufen[nummer];
        Spieltisch quelle(stufe.kommandozeile);
        stufe.spielen(quelle);
        const auto pfad = Pfad(QStringLiteral("rundreise.qts"));
        const auto geschrieben = SpielstandSchreiben(quelle.spiel.SpielstandGeben(), pfad);
        QVERIFY2(geschrieben.gespeichert, qPrintable(geschrieben.fehlerText));
        QVERIFY(geschrieben.fehlerText.isEmpty());

        Spieltisch ziel(stufe.kommandozeile);
        QCOMPARE(Laden(ziel.spiel, SpielstandLesen(pfad)), QString());
        QVERIFY2(ziel.spiel.frmTarvoll == quelle.spiel.frmTarvoll,
                 qPrintable(Unterschiede(quelle.spiel.frmTarvoll, ziel.spiel.frmTarvoll)));
        QVERIFY(ziel.spiel.SpielstandGeben() == quelle.spiel.SpielstandGeben());

        // und es spielt sich gleich weiter
        for (auto* tisch : {&quelle, &ziel}) {
            tisch->spiel.frmTarvoll_imgWuerfel_Click(1);
            tisch->Werfen({3, 3, 3, 3, 3});
            tisch->Klicken(11);
        }
        QVERIFY2(ziel.spiel.frmTarvoll == quelle.spiel.frmTarvoll,
                 qPrintable(Unterschiede(quelle.spiel.frmTarvoll, ziel.spiel.frmTarvoll)));
    }

    void dateiIstLesbaresUtf8MitKennungVorn()
    {
        Spieltisch tisch;
        MitSonderzeichen(tisch);
        const auto daten = SpielstandAlsJson(tisch.spiel.SpielstandGeben());
        QVERIFY(daten.startsWith("{\n    \"format\": \"Quorin Tarvoll Spielstand\",\n    \"version\": 1,\n"));
        QVERIFY(daten.contains("\"Jörg \\\"der\\\" \\\\Große\\\\ |;<>\""));  // Umlaute als UTF-8, nicht maskiert
        QVERIFY(QString::fromUtf8(daten).toUtf8() == daten);
    }

    void gueltigeAbweichungen_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        auto ohneEinrueckung = QJsonDocument::fromJson(GueltigeDaten()).toJson(QJsonDocument::Compact);
        auto windows = GueltigeDaten();
        QTest::newRow("unbekanntes Feld") << Geaendert(QStringLiteral("zustand.kommentar"), QStringLiteral("von Hand"));
        QTest::newRow("ohne Einrückung") << ohneEinrueckung;
        QTest::newRow("Windows-Zeilenenden") << windows.replace("\n", "\r\n");
        QTest::newRow("Byte-Order-Mark") << QByteArray("\xEF\xBB\xBF") + GueltigeDaten();
        QTest::newRow("Leerzeilen am Ende") << GueltigeDaten() + "\n\n  \n";
    }

    void gueltigeAbweichungen()
    {
        QFETCH(QByteArray, inhalt);
        const auto gelesen = SpielstandAusJson(inhalt);
        QVERIFY2(gelesen.stand, qPrintable(gelesen.fehlerText));
        QVERIFY(*gelesen.stand == StandAus(MitGehaltenenWuerfeln));
    }

    void schlechteDatei_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");  // endet sie auf "…", genügt der Anfang

        const auto versionFalsch = Beschaedigt + "„version“ ist keine ganze Zahl von 1 bis 2147483647.";
        const auto zahl16 = QStringLiteral("ist keine ganze Zahl von -32768 bis 32767.");
        auto ungueltigesUtf8 = Geaendert(QStringLiteral("zustand.spielernamen[1]"), QStringLiteral("FALSCH"));
        auto ersatzzeichen = ungueltigesUtf8;
        ungueltigesUtf8.replace("FALSCH", "F\xff\xfe");
        ersatzzeichen.replace("FALSCH", "\\ud800");
        auto ohneKomma = GueltigeDaten();
        ohneKomma.remove(ohneKomma.indexOf(",\n    \"version\""), 1);

        QTest::newRow("leer") << QByteArray() << Leer;
        QTest::newRow("nur Leerraum") << QByteArray(" \r\n\t \n") << Leer;
        QTest::newRow("Text") << QByteArray("Hallo Welt\n") << KeinSpielstand;
        QTest::newRow("Nullbytes") << QByteArray(300, '\0') << KeinSpielstand;
        QTest::newRow("Bild") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << KeinSpielstand;
        QTest::newRow("JSON-Liste") << QByteArray("[1, 2, 3]") << KeinSpielstand;
        QTest::newRow("leeres Objekt") << QByteArray("{}") << KeinSpielstand;
        QTest::newRow("tief verschachtelt") << QByteArray(5000, '[') + QByteArray(5000, ']') << KeinSpielstand;
        QTest::newRow("fremde Kennung") << Geaendert(QStringLiteral("format"), QStringLiteral("Anderes Spiel"))
                                        << KeinSpielstand;
        QTest::newRow("Kennung als Zahl") << Geaendert(QStringLiteral("format"), 1) << KeinSpielstand;
        QTest::newRow("ohne Kennung") << Geaendert(QStringLiteral("format")) << KeinSpielstand;

        QTest::newRow("neuere Version") << Geaendert(QStringLiteral("version"), 2)
                                        << QStringLiteral("Der Spielstand stammt aus einer neueren Version von "
                                                          "Quorin Tarvoll (Format 2); diese Version liest nur Format 1.");
        QTest::newRow("ohne Version") << Geaendert(QStringLiteral("version")) << Beschaedigt + "„version“ fehlt.";
        QTest::newRow("Version als Text") << Geaendert(QStringLiteral("version"), QStringLiteral("1")) << versionFalsch;
        QTest::newRow("Version 0") << Geaendert(QStringLiteral("version"), 0) << versionFalsch;
        QTest::newRow("Version 1.5") << Geaendert(QStringLiteral("version"), 1.5) << versionFalsch;

        QTest::newRow("abgeschnitten") << GueltigeDaten().left(GueltigeDaten().size() / 2) << Beschaedigt + "…";
        QTest::newRow("Müll am Ende") << GueltigeDaten() + "x"
                                      << Beschaedigt + QStringLiteral("hinter dem Ende stehen noch Daten …");
        QTest::newRow("fehlendes Komma") << ohneKomma << Beschaedigt + "ein Objekt ist nicht abgeschlossen (bei Byte 49).";
        QTest::newRow("ungültiges UTF-8") << ungueltigesUtf8 << Beschaedigt + "ein Text ist kein gültiges UTF-8 …";
        QTest::newRow("einzelnes Ersatzzeichen")
            << ersatzzeichen << Beschaedigt + "„zustand.spielernamen[1]“ enthält ein ungültiges Zeichen.";

        const std::tuple<const char*, const char*, QJsonValue, QString> felder[] = {
            {"ohne Würfel", "wuerfel", QJsonValue::Undefined, "„wuerfel“ fehlt."},
            {"vier Würfel", "wuerfel[4]", QJsonValue::Undefined, "„wuerfel“ ist keine Liste mit 5 Einträgen."},
            {"Würfel keine Liste", "wuerfel", QJsonObject{}, "„wuerfel“ ist keine Liste mit 5 Einträgen."},
            {"Würfel kein Objekt", "wuerfel[0]", 3, "„wuerfel[0]“ ist kein Objekt."},
            {"Würfeltext fehlt", "wuerfel[1].text", QJsonValue::Undefined, "„wuerfel[1].text“ fehlt."},
            {"Würfeltext als Zahl", "wuerfel[1].text", 3, "„wuerfel[1].text“ ist kein Text."},
            {"Bild als null", "wuerfel[1].bild", QJsonValue::Null, "„wuerfel[1].bild“ ist kein Text."},
            {"Rahmen als Zahl", "wuerfel[2].rahmen", 1, "„wuerfel[2].rahmen“ ist weder true noch false."},
            {"gehalten als Text", "wuerfel[3].gehalten", "ja", "„wuerfel[3].gehalten“ ist weder true noch false."},
            {"Haltewert riesig", "wuerfel[3].haltewert", 1e10, "„wuerfel[3].haltewert“ " + zahl16},
            {"Zettel als Liste", "zettel", QJsonArray{}, "„zettel“ ist kein Objekt."},
            {"Zeile fehlt", "zettel.zeilen[16]", QJsonValue::Undefined, "„zettel.zeilen“ ist keine Liste mit 17 Einträgen."},
            {"Farbe negativ", "zettel.zeilen[0].farbe", -1,
             "„zettel.zeilen[0].farbe“ ist keine ganze Zahl von 0 bis 4294967295."},
            {"Farbe als Text", "zettel.zeilen[0].farbe", "#00FF00",
             "„zettel.zeilen[0].farbe“ ist keine ganze Zahl von 0 bis 4294967295."},
            {"Strich als null", "zettel.zeilen[5].durchgestrichen", QJsonValue::Null,
             "„zettel.zeilen[5].durchgestrichen“ ist weder true noch false."},
            {"gewertet zu kurz", "zettel.gewertet[15]", QJsonValue::Undefined,
             "„zettel.gewertet“ ist keine Liste mit 16 Einträgen."},
            {"gewertet als Zahl", "zettel.gewertet[2]", 0, "„zettel.gewertet[2]“ ist weder true noch false."},
            {"ohne aktuelle Zeile", "zettel.aktuelleZeile", QJsonValue::Undefined, "„zettel.aktuelleZeile“ fehlt."},
            {"ohne Zustand", "zustand", QJsonValue::Undefined, "„zustand“ fehlt."},
            {"Runde fehlt", "zustand.runde", QJsonValue::Undefined, "„zustand.runde“ fehlt."},
            {"Runde als Text", "zustand.runde", "2", "„zustand.runde“ " + zahl16},
            {"Runde gebrochen", "zustand.runde", 2.5, "„zustand.runde“ " + zahl16},
            {"Runde über 16 Bit", "zustand.runde", 40000, "„zustand.runde“ " + zahl16},
            {"Wurf als Wahrheitswert", "zustand.wurf", true, "„zustand.wurf“ " + zahl16},
            {"gewürfelt als Text", "zustand.gewuerfelt", "true", "„zustand.gewuerfelt“ ist weder true noch false."},
            {"Spielerzahl über ein Byte", "zustand.anzahlSpieler", 256,
             "„zustand.anzahlSpieler“ ist keine ganze Zahl von 0 bis 255."},
            {"zwei Namen", "zustand.spielernamen[2]", QJsonValue::Undefined,
             "„zustand.spielernamen“ ist keine Liste mit 3 Einträgen."},
            {"Name als Zahl", "zustand.spielernamen[0]", 7, "„zustand.spielernamen[0]“ ist kein Text."},
            {"ohne Infozeile", "zustand.infozeile", QJsonValue::Undefined, "„zustand.infozeile“ fehlt."},
            {"ohne Wurfanzeige", "zustand.wurfanzeige", QJsonValue::Undefined, "„zustand.wurfanzeige“ fehlt."},
        };
        for (const auto& [name, weg, wert, grund] : felder) {
            QTest::newRow(name) << Geaendert(QString::fromUtf8(weg), wert) << Beschaedigt + grund;
        }

        const std::tuple<const char*, const char*, QJsonValue, QString> widersprueche[] = {
            {"Runde 15", "zustand.runde", 15, "Die Runde 15 liegt nicht zwischen 1 und 14."},
            {"Runde passt nicht zu den Einträgen", "zustand.runde", 5,
             "In Runde 5 müssten 4 Kategorien eingetragen sein, es sind aber 1."},
            {"vier Würfe", "zustand.wurf", 4, "Die Wurfzahl 4 liegt nicht zwischen 0 und 3."},
            {"vier Spieler", "zustand.anzahlSpieler", 4, "Die Spielerzahl 4 liegt nicht zwischen 1 und 3."},
            {"Summe gewertet", "zettel.gewertet[6]", true,
             "Zeile 7 („Summe“) ist als gewertet markiert, Summenzeilen werden aber nie gewertet."},
            {"eingetragen ohne Punkte", "zettel.zeilen[13].text", "",
             "Zeile 14 („Große Straße“) ist eingetragen, ihre Zelle zeigt aber weder grüne Punkte noch einen Strich."},
            {"offene Zeile mit Punkten", "zettel.zeilen[0].text", "5", "Zeile 1 („Einer“) ist offen, ihre Zelle ist aber nicht leer."},
            {"Endsumme falsch", "zettel.zeilen[16].text", "41", "Zeile 17 („Summe“) passt nicht zu den eingetragenen Punkten."},
            {"Bild als Pfad", "wuerfel[0].bild", "../../etc/passwd",
             "Der Bildname von Würfel 1 ist kein Name eines Würfelbilds."},
            {"freier Würfel mit Rahmen", "wuerfel[0].rahmen", true, "Würfel 1 ist nicht gehalten, hat aber einen Rahmen."},
            {"Name zu lang", "zustand.spielernamen[1]", QString(1001, QChar(u'ö')),
             "Der Name von Spieler 2 ist länger als 1000 Zeichen."},
            {"aktuelle Zelle außerhalb", "zettel.aktuelleZeile", 18,
             "Die aktuelle Zelle (Zeile 18, Spalte 1) liegt nicht auf dem Spielzettel."},
            {"Wurfanzeige falsch", "zustand.wurfanzeige", "3", "Die Wurfanzeige passt nicht zu Wurf 2."},
        };
        for (const auto& [name, weg, wert, grund] : widersprueche) {
            QTest::newRow(name) << Geaendert(QString::fromUtf8(weg), wert) << Widerspruch + grund;
        }

        QTest::newRow("zu groß") << GueltigeDaten() + QByteArray(SpielstandHoechstGroesse, ' ')
                                 << QStringLiteral("Die Datei ist zu groß für einen Spielstand (mehr als 256 KiB).");
    }

    void schlechteDatei()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        const auto pfad = Pfad(QStringLiteral("schlecht.qts"));
        DateiSchreiben(pfad, inhalt);
        QString fehler;
        AbgelehntOhneFolgen(SpielstandLesen(pfad), fehler);
        if (QTest::currentTestFailed()) {
            return;
        }
        if (meldung.endsWith(u'…')) {
            QVERIFY2(fehler.startsWith(meldung.chopped(1)), qPrintable(fehler));
        } else {
            QCOMPARE(fehler, meldung);
        }
    }

    void dateiFehltOderIstOrdner()
    {
        QString fehler;
        AbgelehntOhneFolgen(SpielstandLesen(Pfad(QStringLiteral("gibt-es-nicht.qts"))), fehler);
        QVERIFY2(fehler.startsWith(QStringLiteral("Die Datei „")) && fehler.contains(QStringLiteral("lässt sich nicht öffnen")),
                 qPrintable(fehler));
        AbgelehntOhneFolgen(SpielstandLesen(ordner.path()), fehler);
        QVERIFY2(fehler.contains(QStringLiteral("lässt sich nicht öffnen")), qPrintable(fehler));
    }

    void groessengrenze_data()
    {
        QTest::addColumn<qint64>("groesse");
        QTest::addColumn<bool>("angenommen");
        QTest::newRow("genau die Grenze") << SpielstandHoechstGroesse << true;
        QTest::newRow("ein Byte darüber") << SpielstandHoechstGroesse + 1 << false;
    }

    void groessengrenze()
    {
        QFETCH(qint64, groesse);
        QFETCH(bool, angenommen);
        const auto pfad = Pfad(QStringLiteral("gross.qts"));
        DateiSchreiben(pfad, GueltigeDaten() + QByteArray(groesse - GueltigeDaten().size(), ' '));
        const auto gelesen = SpielstandLesen(pfad);
        QCOMPARE(gelesen.stand.has_value(), angenommen);
        QCOMPARE(gelesen.fehlerText.startsWith(QStringLiteral("Die Datei ist zu groß")), !angenommen);
    }

    void endloseDateiIstZuGross()
    {
        if (!QFile::exists(QStringLiteral("/dev/zero"))) {
            QSKIP("kein /dev/zero");
        }
        QVERIFY(SpielstandLesen(QStringLiteral("/dev/zero")).fehlerText.startsWith(QStringLiteral("Die Datei ist zu groß")));
    }

    // Im Speicher, weil Tausende Dateien nur Zeit kosten: SpielstandLesen liest die Datei und
    // gibt ihren Inhalt unverändert an SpielstandAusJson (die Tabelle oben geht über Dateien).
    void jedeKuerzung()
    {
        const auto kennungEnde = GueltigeDaten().indexOf(SpielstandKennung) + qsizetype(std::strlen(SpielstandKennung));
        for (qsizetype laenge = 0; laenge < GueltigeDaten().size(); ++laenge) {
            const auto teil = GueltigeDaten().left(laenge);
            if (teil.trimmed() == GueltigeDaten().trimmed()) {  // nur Leerraum am Ende fehlt
                QVERIFY(SpielstandAusJson(teil).stand == StandAus(MitGehaltenenWuerfeln));
                continue;
            }
            QString fehler;
            AbgelehntOhneFolgen(SpielstandAusJson(teil), fehler);
            if (QTest::currentTestFailed()) {
                return;
            }
            const auto erwartet = laenge == 0 ? Leer : laenge < kennungEnde ? KeinSpielstand : Beschaedigt;
            QVERIFY2(fehler.startsWith(erwartet), qPrintable(QStringLiteral("%1 Bytes: %2").arg(laenge).arg(fehler)));
        }
    }

    void zufallsbytes()
    {
        QRandomGenerator zufall(20261206);
        for (int versuch = 0; versuch < 300; ++versuch) {
            QByteArray inhalt(zufall.bounded(1, 3000), Qt::Uninitialized);
            for (auto& byte : inhalt) {
                byte = static_cast<char>(zufall.bounded(256));
            }
            QString fehler;
            AbgelehntOhneFolgen(SpielstandAusJson(inhalt), fehler);
            if (QTest::currentTestFailed()) {
                return;
            }
            QVERIFY2(fehler == KeinSpielstand || fehler == Leer, qPrintable(fehler));
        }
    }

    // Einzelne Bytes einer gültigen Datei verändert: abgelehnt, oder ein stimmiger Stand,
    // den das Spiel übernimmt. Nichts davon darf das Programm aus der Bahn werfen.
    void veraenderteBytes()
    {
        QRandomGenerator zufall(4711);
        int abgelehnt = 0;
        for (int versuch = 0; versuch < 3000; ++versuch) {
            auto inhalt = GueltigeDaten();
            const auto stelle = zufall.bounded(inhalt.size());
            if (versuch % 3 == 0) {
                inhalt.remove(stelle, 1);
            } else {
                inhalt[stelle] = static_cast<char>(versuch % 3 == 1 ? zufall.bounded(256) : "0123456789-.\" {}[],:"[zufall.bounded(20)]);
            }
            const auto gelesen = SpielstandAusJson(inhalt);
            if (!gelesen.stand) {
                ++abgelehnt;
                QVERIFY(!gelesen.fehlerText.isEmpty());
                continue;
            }
            QVERIFY(gelesen.fehlerText.isEmpty());
            QVERIFY(!SpielstandPruefen(*gelesen.stand));
            Spieltisch tisch;
            QVERIFY(tisch.spiel.SpielstandUebernehmen(*gelesen.stand));
            tisch.Werfen({1, 2, 3, 4, 5});
            tisch.Klicken(16);
        }
        QVERIFY(abgelehnt > 1000);  // die meisten Änderungen zerstören die Datei
    }

    void schreibfehler_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("vorbereitung");
        QTest::newRow("Elternordner ist eine Datei") << QStringLiteral("datei.txt/spiel.qts") << QStringLiteral("datei");
        QTest::newRow("Ziel ist ein Ordner") << QStringLiteral("ordner.qts") << QStringLiteral("ordner");
        QTest::newRow("Ordner fehlt") << QStringLiteral("fehlt/spiel.qts") << QString();
        if (geteuid() != 0) {  // root schreibt auch in schreibgeschützte Ordner
            QTest::newRow("schreibgeschützter Ordner") << QStringLiteral("nurlesen/spiel.qts") << QStringLiteral("nurlesen");
        }
    }

    void schreibfehler()
    {
        QFETCH(QString, name);
        QFETCH(QString, vorbereitung);
        QTemporaryDir hier;
        const auto pfad = hier.filePath(name);
        if (vorbereitung == u"datei") {
            DateiSchreiben(hier.filePath(QStringLiteral("datei.txt")), "bleibt");
        } else if (vorbereitung == u"ordner") {
            QVERIFY(QDir(hier.path()).mkdir(name));
        } else if (vorbereitung == u"nurlesen") {
            QVERIFY(QDir(hier.path()).mkdir(vorbereitung));
            QVERIFY(QFile::setPermissions(hier.filePath(vorbereitung), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const auto vorher = QDir(hier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        const auto ergebnis = SpielstandSchreiben(StandAus(Spielende), pfad);
        QVERIFY(!ergebnis.gespeichert);
        QVERIFY2(ergebnis.fehlerText.startsWith(NichtGespeichert + QStringLiteral("Die Datei „") + QDir::toNativeSeparators(pfad)),
                 qPrintable(ergebnis.fehlerText));
        QCOMPARE(QDir(hier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), vorher);
        if (vorbereitung == u"datei") {
            QCOMPARE(DateiInhalt(hier.filePath(QStringLiteral("datei.txt"))), QByteArray("bleibt"));
        } else if (vorbereitung == u"ordner") {
            QVERIFY(QFileInfo(pfad).isDir());
            QVERIFY(QDir(pfad).isEmpty());
        }
    }

    // Eine volle Platte, nachgestellt mit einer Größengrenze für Dateien: das Schreiben
    // scheitert mittendrin, und die gute Datei von vorher bleibt ganz.
    void gescheitertesSchreibenLaesstAlteDateiStehen()
    {
        QTemporaryDir hier;
        const auto pfad = hier.filePath(QStringLiteral("spiel.qts"));
        const auto alt = StandAus(MitGehaltenenWuerfeln);
        const auto neu = StandAus(Spielende);
        QVERIFY(SpielstandSchreiben(alt, pfad).gespeichert);
        const auto guteDatei = DateiInhalt(pfad);

        rlimit vorher{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &vorher), 0);
        const auto signalVorher = std::signal(SIGXFSZ, SIG_IGN);
        rlimit eng = vorher;
        eng.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
        const auto ergebnis = SpielstandSchreiben(neu, pfad);
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, signalVorher);

        QVERIFY(!ergebnis.gespeichert);
        QVERIFY2(ergebnis.fehlerText.startsWith(NichtGespeichert) &&
                     ergebnis.fehlerText.contains(QStringLiteral("eine vorhandene Datei bleibt, wie sie war")),
                 qPrintable(ergebnis.fehlerText));
        QCOMPARE(DateiInhalt(pfad), guteDatei);
        QCOMPARE(QDir(hier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("spiel.qts")});
        QVERIFY(SpielstandLesen(pfad).stand == alt);

        QVERIFY(SpielstandSchreiben(neu, pfad).gespeichert);  // mit Platz ersetzt es die Datei
        QVERIFY(SpielstandLesen(pfad).stand == neu);
    }

    void widerspruechlichesWirdNichtGeschrieben()
    {
        auto stand = StandAus(MitGehaltenenWuerfeln);
        stand.intWurf = 4;
        const auto pfad = Pfad(QStringLiteral("widerspruch.qts"));
        const auto ergebnis = SpielstandSchreiben(stand, pfad);
        QVERIFY(!ergebnis.gespeichert);
        QCOMPARE(ergebnis.fehlerText, NichtGespeichert + Widerspruch + "Die Wurfzahl 4 liegt nicht zwischen 0 und 3.");
        QVERIFY(!QFile::exists(pfad));
    }
};

QTEST_GUILESS_MAIN(SpielstanddateiTest)
#include "SpielstanddateiTest.moc"

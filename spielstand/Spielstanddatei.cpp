#include "Spielstanddatei.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>

namespace {

const QString NichtGespeichert = QStringLiteral("Das Spiel wurde nicht gespeichert.\r\n");

// --- Schreiben ---

// QJsonObject ordnet die Schlüssel alphabetisch. Die Namen oben sind so gewählt, dass
// "format" und "version" vorn stehen und die Datei sich gleich zu erkennen gibt.
QJsonObject AlsObjekt(const Spielstand& stand)
{
    QJsonArray wuerfel;
    for (std::size_t index = 0; index < 5; ++index) {
        const int pos = static_cast<int>(index) + 1;
        wuerfel.append(QJsonObject{
            {"text", QString::fromStdString(stand.txtWuerfel[index])},
            {"bild", QString::fromStdString(stand.imgWuerfel[index].datei)},
            {"rahmen", stand.imgWuerfel[index].rahmen},
            {"gehalten", stand.blnHalten[pos]},
            {"haltewert", stand.intHaltewert[pos]},
        });
    }
    QJsonArray zeilen;
    for (int zeile = 1; zeile <= 17; ++zeile) {
        const auto& zelle = stand.spielspalte[zeile];
        zeilen.append(QJsonObject{
            {"text", QString::fromStdString(zelle.text)},
            {"farbe", static_cast<qint64>(zelle.farbe)},
            {"durchgestrichen", zelle.durchgestrichen},
        });
    }
    QJsonArray gewertet;
    for (int zeile = 1; zeile <= 16; ++zeile) {
        gewertet.append(stand.blnGewertet[zeile]);
    }
    QJsonArray namen;
    for (int spieler = 1; spieler <= 3; ++spieler) {
        namen.append(QString::fromStdString(stand.strSpielername[spieler]));
    }
    QJsonArray zuege;
    for (const auto& zug : stand.zuege) {
        QJsonArray augen;
        QJsonArray gehalten;
        for (std::size_t index = 0; index < 5; ++index) {
            augen.append(zug.wuerfel[index]);
            gehalten.append(((zug.halten >> index) & 1u) != 0);
        }
        zuege.append(QJsonObject{
            {"runde", zug.runde},
            {"wurf", zug.wurf},
            {"wuerfel", augen},
            {"gewertet", zug.gewertet},
            {"oben", zug.oben},
            {"summe", zug.summe},
            {"zeile", zug.zeile},
            {"gehalten", gehalten},
        });
    }
    return QJsonObject{
        {"format", SpielstandKennung},
        {"version", SpielstandFormatVersion},
        {"wuerfel", wuerfel},
        {"zettel",
         QJsonObject{
             {"zeilen", zeilen},
             {"gewertet", gewertet},
             {"aktuelleZeile", stand.aktuelleZeile},
             {"aktuelleSpalte", stand.aktuelleSpalte},
         }},
        {"zustand",
         QJsonObject{
             {"runde", stand.intRunde},
             {"wurf", stand.intWurf},
             {"gewuerfelt", stand.blnGewuerfelt},
             {"anzahlSpieler", stand.bytAnzahlSpieler},
             {"spielernamen", namen},
             {"infozeile", QString::fromStdString(stand.lblInfo)},
             {"rundenanzeige", QString::fromStdString(stand.lblRunde)},
             {"wurfanzeige", QString::fromStdString(stand.lblWurf)},
             {"zuege", zuege},
         }},
    };
}

// --- Lesen ---

// Was an einer Stelle der Datei nicht stimmt; wird bis SpielstandAusJson durchgereicht.
struct Beschaedigt {
    QString grund;
};

[[noreturn]] void Melden(const QString& ort, const QString& was)
{
    throw Beschaedigt{QStringLiteral("„%1“ %2.").arg(ort, was)};
}

// Ein Wert der Datei mit seiner Stelle ("zettel.zeilen[3].text"), damit jede Meldung sagt, wo.
struct Fundstelle {
    QJsonValue wert;
    QString ort;
};

Fundstelle Eintrag(const QJsonObject& objekt, const QString& ort, const char* name)
{
    const auto stelle = ort.isEmpty() ? QString::fromLatin1(name) : ort + '.' + QLatin1String(name);
    const auto wert = objekt.value(QLatin1String(name));
    if (wert.isUndefined()) {
        Melden(stelle, QStringLiteral("fehlt"));
    }
    return {wert, stelle};
}

QJsonObject Objekt(const Fundstelle& f)
{
    if (!f.wert.isObject()) {
        Melden(f.ort, QStringLiteral("ist kein Objekt"));
    }
    return f.wert.toObject();
}

// Eine Liste genau dieser Länge; jedes Element geht mit seiner Stelle an `lesen`.
void Elemente(const Fundstelle& f, qsizetype laenge, const std::function<void(int index, const Fundstelle& element)>& lesen)
{
    if (!f.wert.isArray() || f.wert.toArray().size() != laenge) {
        Melden(f.ort, QStringLiteral("ist keine Liste mit %1 Einträgen").arg(laenge));
    }
    const auto liste = f.wert.toArray();
    for (qsizetype index = 0; index < laenge; ++index) {
        lesen(static_cast<int>(index), {liste[index], QStringLiteral("%1[%2]").arg(f.ort).arg(index)});
    }
}

bool Wahrheitswert(const Fundstelle& f)
{
    if (!f.wert.isBool()) {
        Melden(f.ort, QStringLiteral("ist weder true noch false"));
    }
    return f.wert.toBool();
}

std::string Text(const Fundstelle& f)
{
    if (!f.wert.isString()) {
        Melden(f.ort, QStringLiteral("ist kein Text"));
    }
    const auto text = f.wert.toString();
    // Ein einzelnes Surrogat ("\ud800") ließe sich nicht als UTF-8 weitergeben.
    if (!text.isValidUtf16()) {
        Melden(f.ort, QStringLiteral("enthält ein ungültiges Zeichen"));
    }
    return text.toStdString();
}

qint64 Ganzzahl(const Fundstelle& f, qint64 von, qint64 bis)
{
    const double zahl = f.wert.toDouble();
    if (!f.wert.isDouble() || zahl != std::trunc(zahl) || zahl < static_cast<double>(von) ||
        zahl > static_cast<double>(bis)) {
        Melden(f.ort, QStringLiteral("ist keine ganze Zahl von %1 bis %2").arg(von).arg(bis));
    }
    return static_cast<qint64>(zahl);
}

std::int16_t Zahl16(const Fundstelle& f)
{
    return static_cast<std::int16_t>(
        Ganzzahl(f, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

Spielstand AusObjekt(const QJsonObject& datei)
{
    Spielstand stand;

    Elemente(Eintrag(datei, {}, "wuerfel"), 5, [&](int index, const Fundstelle& element) {
        const auto objekt = Objekt(element);
        const auto stelle = static_cast<std::size_t>(index);
        const int pos = index + 1;
        stand.txtWuerfel[stelle] = Text(Eintrag(objekt, element.ort, "text"));
        stand.imgWuerfel[stelle].datei = Text(Eintrag(objekt, element.ort, "bild"));
        stand.imgWuerfel[stelle].rahmen = Wahrheitswert(Eintrag(objekt, element.ort, "rahmen"));
        stand.blnHalten[pos] = Wahrheitswert(Eintrag(objekt, element.ort, "gehalten"));
        stand.intHaltewert[pos] = Zahl16(Eintrag(objekt, element.ort, "haltewert"));
    });

    const auto zettelEintrag = Eintrag(datei, {}, "zettel");
    const auto zettel = Objekt(zettelEintrag);
    const auto& zettelOrt = zettelEintrag.ort;
    Elemente(Eintrag(zettel, zettelOrt, "zeilen"), 17, [&](int index, const Fundstelle& element) {
        const auto objekt = Objekt(element);
        auto& zelle = stand.spielspalte[index + 1];
        zelle.text = Text(Eintrag(objekt, element.ort, "text"));
        zelle.farbe =
            static_cast<Farbe>(Ganzzahl(Eintrag(objekt, element.ort, "farbe"), 0, std::numeric_limits<Farbe>::max()));
        zelle.durchgestrichen = Wahrheitswert(Eintrag(objekt, element.ort, "durchgestrichen"));
    });
    Elemente(Eintrag(zettel, zettelOrt, "gewertet"), 16, [&](int index, const Fundstelle& element) {
        stand.blnGewertet[index + 1] = Wahrheitswert(element);
    });
    stand.aktuelleZeile = Zahl16(Eintrag(zettel, zettelOrt, "aktuelleZeile"));
    stand.aktuelleSpalte = Zahl16(Eintrag(zettel, zettelOrt, "aktuelleSpalte"));

    const auto zustandEintrag = Eintrag(datei, {}, "zustand");
    const auto zustand = Objekt(zustandEintrag);
    const auto& ort = zustandEintrag.ort;
    stand.intRunde = Zahl16(Eintrag(zustand, ort, "runde"));
    stand.intWurf = Zahl16(Eintrag(zustand, ort, "wurf"));
    stand.blnGewuerfelt = Wahrheitswert(Eintrag(zustand, ort, "gewuerfelt"));
    stand.bytAnzahlSpieler = static_cast<std::uint8_t>(Ganzzahl(Eintrag(zustand, ort, "anzahlSpieler"), 0, 255));
    Elemente(Eintrag(zustand, ort, "spielernamen"), 3, [&](int index, const Fundstelle& element) {
        stand.strSpielername[index + 1] = Text(element);
    });
    stand.lblInfo = Text(Eintrag(zustand, ort, "infozeile"));
    stand.lblRunde = Text(Eintrag(zustand, ort, "rundenanzeige"));
    stand.lblWurf = Text(Eintrag(zustand, ort, "wurfanzeige"));

    // Die Züge kamen nach Format 1 hinzu: ohne sie gibt es eben keine Auswertung.
    if (zustand.contains(QLatin1String("zuege"))) {
        const auto zuege = Eintrag(zustand, ort, "zuege");
        const auto anzahl = zuege.wert.toArray().size();
        if (!zuege.wert.isArray() || anzahl > static_cast<qsizetype>(Spielstand::HoechstZuege)) {
            Melden(zuege.ort, QStringLiteral("ist keine Liste mit höchstens %1 Einträgen").arg(Spielstand::HoechstZuege));
        }
        stand.zuege.resize(static_cast<std::size_t>(anzahl));
        Elemente(zuege, anzahl, [&](int index, const Fundstelle& element) {
            const auto objekt = Objekt(element);
            auto& zug = stand.zuege[static_cast<std::size_t>(index)];
            zug.runde = Zahl16(Eintrag(objekt, element.ort, "runde"));
            zug.wurf = Zahl16(Eintrag(objekt, element.ort, "wurf"));
            Elemente(Eintrag(objekt, element.ort, "wuerfel"), 5, [&](int pos, const Fundstelle& augen) {
                zug.wuerfel[static_cast<std::size_t>(pos)] = Zahl16(augen);
            });
            zug.gewertet = static_cast<std::uint16_t>(Ganzzahl(Eintrag(objekt, element.ort, "gewertet"), 0, 65535));
            zug.oben = Zahl16(Eintrag(objekt, element.ort, "oben"));
            zug.summe = Zahl16(Eintrag(objekt, element.ort, "summe"));
            zug.zeile = Zahl16(Eintrag(objekt, element.ort, "zeile"));
            Elemente(Eintrag(objekt, element.ort, "gehalten"), 5, [&](int pos, const Fundstelle& gehalten) {
                zug.halten = static_cast<std::uint8_t>(zug.halten | (Wahrheitswert(gehalten) ? 1u << pos : 0u));
            });
        });
    }
    return stand;
}

QString Lesefehler(QJsonParseError::ParseError fehler)
{
    switch (fehler) {
    case QJsonParseError::UnterminatedObject: return QStringLiteral("ein Objekt ist nicht abgeschlossen");
    case QJsonParseError::MissingNameSeparator: return QStringLiteral("nach einem Namen fehlt der Doppelpunkt");
    case QJsonParseError::UnterminatedArray: return QStringLiteral("eine Liste ist nicht abgeschlossen");
    case QJsonParseError::MissingValueSeparator: return QStringLiteral("zwischen zwei Werten fehlt ein Komma");
    case QJsonParseError::IllegalValue: return QStringLiteral("ein Wert ist ungültig");
    case QJsonParseError::TerminationByNumber: return QStringLiteral("die Daten enden mitten in einer Zahl");
    case QJsonParseError::IllegalNumber: return QStringLiteral("eine Zahl ist ungültig");
    case QJsonParseError::IllegalEscapeSequence: return QStringLiteral("ein Text enthält ein ungültiges Escape-Zeichen");
    case QJsonParseError::IllegalUTF8String: return QStringLiteral("ein Text ist kein gültiges UTF-8");
    case QJsonParseError::UnterminatedString: return QStringLiteral("ein Text ist nicht abgeschlossen");
    case QJsonParseError::MissingObject: return QStringLiteral("ein Objekt fehlt");
    case QJsonParseError::DeepNesting: return QStringLiteral("die Daten sind zu tief verschachtelt");
    case QJsonParseError::DocumentTooLarge: return QStringLiteral("die Daten sind zu groß");
    case QJsonParseError::GarbageAtEnd: return QStringLiteral("hinter dem Ende stehen noch Daten");
    case QJsonParseError::NoError: break;
    }
    return QStringLiteral("unbekannter Fehler");
}

Ladeergebnis Fehler(const QString& text) { return {std::nullopt, text}; }

Ladeergebnis KeinSpielstand() { return Fehler(QStringLiteral("Die Datei ist kein Spielstand von Quorin Tarvoll.")); }

Ladeergebnis ZuGross()
{
    return Fehler(QStringLiteral("Die Datei ist zu groß für einen Spielstand (mehr als %1 KiB).")
                      .arg(SpielstandHoechstGroesse / 1024));
}

QString Dateiname(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

}  // namespace

QByteArray SpielstandAlsJson(const Spielstand& stand)
{
    return QJsonDocument(AlsObjekt(stand)).toJson(QJsonDocument::Indented);
}

Ladeergebnis SpielstandAusJson(const QByteArray& daten)
{
    if (daten.size() > SpielstandHoechstGroesse) {
        return ZuGross();
    }
    if (daten.trimmed().isEmpty()) {
        return Fehler(QStringLiteral("Die Datei ist leer."));
    }
    // Ungültiges UTF-8 meldet fromJson als Fehler, statt es still durch U+FFFD zu ersetzen.
    QJsonParseError lesefehler;
    const auto dokument = QJsonDocument::fromJson(daten, &lesefehler);
    if (lesefehler.error != QJsonParseError::NoError) {
        // Trägt die Datei unsere Kennung, ist sie ein beschädigter Spielstand; sonst etwas anderes.
        if (!daten.contains(SpielstandKennung)) {
            return KeinSpielstand();
        }
        return Fehler(QStringLiteral("Die Datei ist beschädigt: %1 (bei Byte %2).")
                          .arg(Lesefehler(lesefehler.error))
                          .arg(lesefehler.offset));
    }
    const auto datei = dokument.object();
    if (!dokument.isObject() || datei.value(QLatin1String("format")).toString() != QLatin1String(SpielstandKennung)) {
        return KeinSpielstand();
    }
    try {
        const auto version = Ganzzahl(Eintrag(datei, {}, "version"), 1, std::numeric_limits<int>::max());
        if (version > SpielstandFormatVersion) {
            return Fehler(QStringLiteral("Der Spielstand stammt aus einer neueren Version von Quorin Tarvoll "
                                         "(Format %1); diese Version liest nur Format %2.")
                              .arg(version)
                              .arg(SpielstandFormatVersion));
        }
        auto stand = AusObjekt(datei);
        if (const auto widerspruch = SpielstandPruefen(stand)) {
            return Fehler(QStringLiteral("Der Spielstand ist widersprüchlich: %1")
                              .arg(QString::fromStdString(*widerspruch)));
        }
        return {std::move(stand), {}};
    } catch (const Beschaedigt& fehler) {
        return Fehler(QStringLiteral("Die Datei ist beschädigt: ") + fehler.grund);
    }
}

Speicherergebnis SpielstandSchreiben(const Spielstand& stand, const QString& pfad)
{
    const auto nicht = [](const QString& grund) { return Speicherergebnis{false, NichtGespeichert + grund}; };
    if (const auto widerspruch = SpielstandPruefen(stand)) {
        return nicht(QStringLiteral("Der Spielstand ist widersprüchlich: %1").arg(QString::fromStdString(*widerspruch)));
    }
    // QSaveFile schreibt in eine Nebendatei und ersetzt das Ziel erst, wenn alles geschrieben ist.
    // Ungepuffert, weil commit() in Qt 6.4 einen zu kurzen Schreibvorgang beim Leeren des
    // Puffers übersieht (volle Platte): so meldet ihn write() selbst, und es wird nichts ersetzt.
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return nicht(QStringLiteral("Die Datei „%1“ lässt sich nicht anlegen (%2).").arg(Dateiname(pfad), datei.errorString()));
    }
    const auto daten = SpielstandAlsJson(stand);
    const bool vollstaendig = datei.write(daten) == daten.size();
    if (!vollstaendig || !datei.commit()) {
        const auto grund = datei.error() != QFileDevice::NoError
                               ? datei.errorString()
                               : QStringLiteral("nicht alles ließ sich schreiben, vielleicht ist der Datenträger voll");
        return nicht(QStringLiteral("Die Datei „%1“ lässt sich nicht schreiben (%2); eine vorhandene Datei bleibt, wie sie war.")
                         .arg(Dateiname(pfad), grund));
    }
    return {true, {}};
}

Ladeergebnis SpielstandLesen(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        return Fehler(QStringLiteral("Die Datei „%1“ lässt sich nicht öffnen (%2).").arg(Dateiname(pfad), datei.errorString()));
    }
    if (datei.size() > SpielstandHoechstGroesse) {
        return ZuGross();
    }
    // Höchstens ein Byte über der Grenze lesen: auch Geräte ohne Größe laufen nicht über.
    const auto daten = datei.read(SpielstandHoechstGroesse + 1);
    if (datei.error() != QFileDevice::NoError) {
        return Fehler(QStringLiteral("Die Datei „%1“ lässt sich nicht lesen (%2).").arg(Dateiname(pfad), datei.errorString()));
    }
    return SpielstandAusJson(daten);
}

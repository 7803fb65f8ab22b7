// messung: vergleicht das Spiel mit dem Wenigsten, was seine Titelkarte zeigt – einem Qt-Fenster
// mit einer Zeile Text und einem JPEG-Bild –, auf demselben Rechner im selben Lauf; ein ganz
// leeres Fenster ordnet zusätzlich ein.
//   Start   – Prozessstart bis zum ersten fertigen Bild der Titelkarte bzw. des Fensters,
//             Klick auf die Titelkarte bis zum ersten Bild des Hauptfensters;
//   Speicher – Spitzenwert des belegten Arbeitsspeichers jedes Prozesses;
//   Ereignisse – Würfeln, Halten, Werten und Neues Spiel im Hauptfenster, jeweils mit dem
//             Neuzeichnen, das sie auslösen.
// Aufruf: messung [--laeufe N] [--spiele N] [--plattform NAME]

#include "Bildfeld.h"
#include "Dateiauswahl.h"
#include "RasterAnsicht.h"
#include "Schriften.h"
#include "Zeitmessung.h"
#include "Zufall.h"
#include "basTarvoll.h"
#include "frmTarvoll.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Lauf {
    double erstesBildMs = 0;   // Prozessstart bis erstes Fenster gemalt
    double zweitesBildMs = 0;  // Klick bis zweites Fenster gemalt
    double spitzeMiB = 0;      // größter belegter Arbeitsspeicher
};

// Der Wert, unter dem der Anteil `anteil` der Werte liegt, zwischen Nachbarn linear geteilt.
double Quantil(std::vector<double> werte, double anteil)
{
    if (werte.empty()) {
        return 0;
    }
    std::sort(werte.begin(), werte.end());
    const double stelle = anteil * static_cast<double>(werte.size() - 1);
    const auto unten = static_cast<std::size_t>(stelle);
    const auto oben = std::min(unten + 1, werte.size() - 1);
    return werte[unten] + (stelle - static_cast<double>(unten)) * (werte[oben] - werte[unten]);
}

double Median(const std::vector<double>& werte) { return Quantil(werte, 0.5); }

std::vector<double> Spalte(const std::vector<Lauf>& laeufe, double Lauf::*feld)
{
    std::vector<double> werte;
    for (const auto& lauf : laeufe) {
        werte.push_back(lauf.*feld);
    }
    return werte;
}

// Spiel gegen Boden. Jede Runde startet beide kurz hintereinander; das Verhältnis wird deshalb
// Runde für Runde gebildet, so hebt sich auf, was die Last des Rechners beide gleich treffen lässt.
struct Vergleich {
    double spiel = 0, boden = 0, leer = 0;  // Mediane
    double verhaeltnis = 0;                 // Median der Verhältnisse je Runde
    double unten = 0, oben = 0;             // ihr erstes und drittes Viertel
};

Vergleich Vergleichen(const std::vector<double>& spiel, const std::vector<double>& boden,
                      const std::vector<double>& leer)
{
    std::vector<double> verhaeltnisse;
    for (std::size_t runde = 0; runde < spiel.size(); ++runde) {
        verhaeltnisse.push_back(spiel[runde] / boden[runde]);
    }
    return {Median(spiel), Median(boden), Median(leer), Median(verhaeltnisse), Quantil(verhaeltnisse, 0.25),
            Quantil(verhaeltnisse, 0.75)};
}

// Ein Messprogramm mit seinen Argumenten.
using Aufruf = std::vector<std::string>;

// Startet ein Messprogramm, liest seine Zeiten und über wait4 seinen Spitzenspeicher.
std::optional<Lauf> Starten(const Aufruf& aufruf, const std::string& plattform)
{
    const std::string& programm = aufruf.front();
    int rohr[2];
    if (pipe(rohr) != 0) {
        return std::nullopt;
    }
    std::vector<std::string> umgebung;
    for (char** eintrag = environ; *eintrag; ++eintrag) {
        if (std::strncmp(*eintrag, "QT_QPA_PLATFORM=", 16) != 0 &&
            std::strncmp(*eintrag, StartzeitVariable, std::strlen(StartzeitVariable)) != 0) {
            umgebung.emplace_back(*eintrag);
        }
    }
    umgebung.push_back("QT_QPA_PLATFORM=" + plattform);
    umgebung.emplace_back();  // Platz für die Startzeit, die erst unmittelbar davor feststeht
    std::vector<char*> zeiger;
    const auto zeitStelle = umgebung.size() - 1;

    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
    posix_spawn_file_actions_addclose(&aktionen, rohr[1]);
    // Hinweise der Plattform (etwa zu raise() ohne Fenstersystem) gehören nicht in die Tabelle.
    posix_spawn_file_actions_addopen(&aktionen, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argumente;
    for (const auto& argument : aufruf) {
        argumente.push_back(const_cast<char*>(argument.c_str()));
    }
    argumente.push_back(nullptr);

    umgebung[zeitStelle] = std::string(StartzeitVariable) + "=" + std::to_string(JetztNs());
    for (auto& eintrag : umgebung) {
        zeiger.push_back(eintrag.data());
    }
    zeiger.push_back(nullptr);
    pid_t kind = 0;
    const int fehler = posix_spawn(&kind, programm.c_str(), &aktionen, nullptr, argumente.data(), zeiger.data());
    posix_spawn_file_actions_destroy(&aktionen);
    close(rohr[1]);
    if (fehler != 0) {
        close(rohr[0]);
        std::fprintf(stderr, "%s: %s\n", programm.c_str(), std::strerror(fehler));
        return std::nullopt;
    }

    std::string ausgabe;
    std::array<char, 512> puffer{};
    ssize_t gelesen = 0;
    while ((gelesen = read(rohr[0], puffer.data(), puffer.size())) > 0) {
        ausgabe.append(puffer.data(), static_cast<std::size_t>(gelesen));
    }
    close(rohr[0]);
    int status = 0;
    rusage verbrauch{};
    wait4(kind, &status, 0, &verbrauch);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s endete mit Status %d\n", programm.c_str(), status);
        return std::nullopt;
    }

    std::map<std::string, long long> werte;
    std::size_t pos = 0;
    while (pos < ausgabe.size()) {
        const auto ende = std::min(ausgabe.find('\n', pos), ausgabe.size());
        const auto zeile = ausgabe.substr(pos, ende - pos);
        const auto leer = zeile.find(' ');
        if (leer != std::string::npos) {
            werte[zeile.substr(0, leer)] = std::atoll(zeile.c_str() + leer + 1);
        }
        pos = ende + 1;
    }
    for (const char* name : {"erstes_bild_ns", "klick_ns", "zweites_bild_ns"}) {
        if (!werte.count(name)) {
            std::fprintf(stderr, "%s meldete kein %s\n", programm.c_str(), name);
            return std::nullopt;
        }
    }
    Lauf lauf;
    lauf.erstesBildMs = static_cast<double>(werte["erstes_bild_ns"]) / 1e6;
    lauf.zweitesBildMs = static_cast<double>(werte["zweites_bild_ns"] - werte["klick_ns"]) / 1e6;
    lauf.spitzeMiB = static_cast<double>(verbrauch.ru_maxrss) / 1024.0;  // ru_maxrss in KiB
    return lauf;
}

// Antwortet auf jede Frage des Spiels sofort mit Ja, wie ein Spieler, der bestätigt.
class Zustimmung : public Meldungen {
public:
    int fragen = 0;
    Antwort Zeigen(const Meldung& meldung) override
    {
        ++fragen;
        return meldung.knoepfe == Knoepfe::OK ? Antwort::OK : Antwort::Ja;
    }
};

struct Ereigniszeiten {
    std::vector<double> wuerfeln, halten, werten, neuesSpiel;
    int ohneNeuzeichnen = 0;
};

// Spielt ganze Spiele mit der Maus im gezeigten Hauptfenster und misst jedes Ereignis samt
// Neuzeichnen: Klick, dann einmal die Ereignisschleife, wie nach jedem echten Klick.
Ereigniszeiten EreignisseMessen(int spiele)
{
    Zustimmung meldungen;
    Zufallsgenerator zufall;
    Systemuhr uhr;
    QtDateiauswahl dateiauswahl;
    basTarvoll spiel(meldungen, zufall, uhr);
    frmTarvoll fenster(spiel, Umgebung{meldungen, zufall, uhr, dateiauswahl, QStringLiteral(PROGRAMMORDNER)});
    Malbeobachter beobachter([](QWidget*, std::int64_t) {});
    QCoreApplication::instance()->installEventFilter(&beobachter);
    fenster.show();
    while (beobachter.malereignisse == 0) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QApplication::processEvents();

    Ereigniszeiten zeiten;
    const auto messen = [&](std::vector<double>* ziel, const std::function<void()>& klick) {
        const auto vorher = beobachter.malereignisse;
        const auto anfang = JetztNs();
        klick();
        QApplication::processEvents();
        const auto ende = JetztNs();
        if (beobachter.malereignisse == vorher) {
            ++zeiten.ohneNeuzeichnen;
        }
        if (ziel) {
            ziel->push_back(static_cast<double>(ende - anfang) / 1e6);
        }
    };
    const std::array<int, 13> kategorien{1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16};
    auto* raster = fenster.mfgPunktanzeige;
    // Das erste Spiel wärmt nur auf (Bilder im Speicher, Schriften geladen).
    for (int nummer = 0; nummer <= spiele; ++nummer) {
        const bool zaehlt = nummer > 0;
        messen(zaehlt ? &zeiten.neuesSpiel : nullptr, [&] { Klicken(fenster.cmdNeu); });
        for (std::size_t runde = 0; runde < kategorien.size(); ++runde) {
            messen(zaehlt ? &zeiten.wuerfeln : nullptr, [&] { Klicken(fenster.cmdWuerfeln); });
            messen(zaehlt ? &zeiten.halten : nullptr, [&] { Klicken(fenster.imgWuerfel[runde % 5]); });
            const auto zelle = raster->visualRect(raster->model()->index(kategorien[runde], 1)).center();
            messen(zaehlt ? &zeiten.werten : nullptr, [&] { Klicken(raster->viewport(), zelle); });
        }
    }
    QCoreApplication::instance()->removeEventFilter(&beobachter);
    // Ohne vollständige Spiele wäre die Messung nichts wert; jedes neue Spiel nach einem
    // beendeten fragt einmal nach (die Antwort kommt sofort, gemessen wird nur das Spiel).
    if (meldungen.fragen != spiele) {
        std::fprintf(stderr, "%d Rückfragen statt %d\n", meldungen.fragen, spiele);
        std::exit(2);
    }
    if (fenster.lblInfo->text() != QString::fromStdString(spiel.strSpielername[1] + " hat ") +
                                       fenster.mfgPunktanzeige->model()->index(17, 1).data().toString() +
                                       QStringLiteral(" Punkte!")) {
        std::fprintf(stderr, "Das letzte Spiel endete nicht regulär: %s\n", qPrintable(fenster.lblInfo->text()));
        std::exit(2);
    }
    return zeiten;
}

QString Zahl(double wert, int stellen = 2) { return QLocale(QLocale::German).toString(wert, 'f', stellen); }

QString JaNein(bool erfuellt) { return erfuellt ? QStringLiteral("ja") : QStringLiteral("NEIN"); }

// Eine Zeile einer Markdown-Tabelle; die erste Spalte ist breit, die übrigen schmaler.
int Spaltenbreite(int spalte) { return spalte == 0 ? 34 : 15; }

void Tabellenzeile(const QStringList& felder)
{
    QString zeile = QStringLiteral("|");
    for (int i = 0; i < felder.size(); ++i) {
        zeile += QLatin1Char(' ') + felder[i].leftJustified(Spaltenbreite(i)) + QStringLiteral(" |");
    }
    std::printf("%s\n", qPrintable(zeile));
}

void Trennzeile(int spalten)
{
    QString zeile = QStringLiteral("|");
    for (int i = 0; i < spalten; ++i) {
        zeile += QString(Spaltenbreite(i) + 2, QLatin1Char('-')) + QLatin1Char('|');
    }
    std::printf("%s\n", qPrintable(zeile));
}

}  // namespace

int main(int argc, char** argv)
{
    int laeufe = 31;
    int spiele = 40;
    std::string plattform = "offscreen";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string schalter = argv[i];
        if (schalter == "--laeufe") {
            laeufe = std::max(1, std::atoi(argv[i + 1]));
        } else if (schalter == "--spiele") {
            spiele = std::max(1, std::atoi(argv[i + 1]));
        } else if (schalter == "--plattform") {
            plattform = argv[i + 1];
        } else {
            std::fprintf(stderr, "Aufruf: %s [--laeufe N] [--spiele N] [--plattform NAME]\n", argv[0]);
            return 2;
        }
    }

    // Erst die Prozesse: jede Runde startet alle drei, reihum in wechselnder Folge, damit
    // Schwankungen des Rechners alle gleich treffen; eine Runde vorweg füllt den Dateicache und
    // zählt nicht.
    const std::array<Aufruf, 3> aufrufe{
        Aufruf{MESSPROGRAMM}, Aufruf{LEERES_FENSTER},
        Aufruf{LEERES_FENSTER, "--beschriftet", std::string(PROGRAMMORDNER) + "/bilder/0.JPG"}};
    std::array<std::vector<Lauf>, 3> ergebnisse;
    for (int i = -1; i < laeufe; ++i) {
        for (std::size_t k = 0; k < aufrufe.size(); ++k) {
            const auto welcher = (k + static_cast<std::size_t>(i + 1)) % aufrufe.size();
            const auto lauf = Starten(aufrufe[welcher], plattform);
            if (!lauf) {
                return 2;
            }
            if (i >= 0) {
                ergebnisse[welcher].push_back(*lauf);
            }
        }
    }
    const auto& [spiel, leer, boden] = ergebnisse;
    const auto start = Vergleichen(Spalte(spiel, &Lauf::erstesBildMs), Spalte(boden, &Lauf::erstesBildMs),
                                   Spalte(leer, &Lauf::erstesBildMs));
    // Das Hauptfenster nach dem Klick muss so schnell stehen wie der Boden nach dem Prozessstart.
    const auto haupt = Vergleichen(Spalte(spiel, &Lauf::zweitesBildMs), Spalte(boden, &Lauf::erstesBildMs),
                                   Spalte(leer, &Lauf::erstesBildMs));
    const auto speicher = Vergleichen(Spalte(spiel, &Lauf::spitzeMiB), Spalte(boden, &Lauf::spitzeMiB),
                                      Spalte(leer, &Lauf::spitzeMiB));

    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(plattform));
    QApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SchriftenEinrichten();
    const auto zeiten = EreignisseMessen(spiele);

    constexpr double Grenze = 1.25;
    constexpr double EreignisGrenzeMs = 1.0;
    bool alles = true;
    std::printf("\nQuorin Tarvoll neben einem Fenster mit einer Zeile Text und einem JPEG-Bild (Boden):\n"
                "Mediane aus %d Runden, Plattform %s\n\n",
                laeufe, plattform.c_str());
    Tabellenzeile({"Messgröße", "Spiel", "Boden", "Verhältnis", "mittlere Hälfte", "Ziel ≤ 1,25", "leeres Fenster"});
    Trennzeile(7);
    const auto zeile = [&](const QString& was, const Vergleich& vergleich, const QString& einheit) {
        const bool erfuellt = vergleich.verhaeltnis <= Grenze;
        alles = alles && erfuellt;
        const auto mitEinheit = [&](double zahl) { return Zahl(zahl, 1) + QLatin1Char(' ') + einheit; };
        Tabellenzeile({was, mitEinheit(vergleich.spiel), mitEinheit(vergleich.boden), Zahl(vergleich.verhaeltnis),
                       Zahl(vergleich.unten) + QStringLiteral(" – ") + Zahl(vergleich.oben), JaNein(erfuellt),
                       mitEinheit(vergleich.leer)});
    };
    const auto ms = QStringLiteral("ms");
    zeile(QStringLiteral("Start bis Titelkarte gemalt"), start, ms);
    zeile(QStringLiteral("Klick bis Hauptfenster gemalt"), haupt, ms);
    zeile(QStringLiteral("Spitzenspeicher"), speicher, QStringLiteral("MiB"));
    std::printf("\nVerhältnis: Median der Verhältnisse Runde für Runde, daneben ihr erstes bis drittes Viertel.\n"
                "Der Klick zum Hauptfenster ist am Start des Bodens gemessen. Das leere Fenster ohne Text und\n"
                "Bild ordnet nur ein; die Zeile Text und das Bild kosten darüber %s ms und %s MiB.\n\n",
                qPrintable(Zahl(start.boden - start.leer, 1)), qPrintable(Zahl(speicher.boden - speicher.leer, 1)));

    Tabellenzeile({"Ereignis mit Neuzeichnen", "Median", "95 % darunter", "Aufrufe", "Ziel < 1 ms"});
    Trennzeile(5);
    const auto ereignis = [&](const QString& was, const std::vector<double>& werte) {
        const double mitte = Median(werte);
        const bool erfuellt = mitte < EreignisGrenzeMs;
        alles = alles && erfuellt;
        Tabellenzeile({was, Zahl(mitte, 3) + QStringLiteral(" ms"), Zahl(Quantil(werte, 0.95), 3) + QStringLiteral(" ms"),
                       QString::number(werte.size()), JaNein(erfuellt)});
    };
    ereignis(QStringLiteral("Würfeln"), zeiten.wuerfeln);
    ereignis(QStringLiteral("Halten"), zeiten.halten);
    ereignis(QStringLiteral("Werten (Klick in den Spielzettel)"), zeiten.werten);
    ereignis(QStringLiteral("Neues Spiel"), zeiten.neuesSpiel);
    if (zeiten.ohneNeuzeichnen > 0) {
        std::printf("\nAchtung: %d Ereignisse lösten kein Neuzeichnen aus.\n", zeiten.ohneNeuzeichnen);
    }
    std::printf("\n%s\n", alles ? "Alle Ziele erreicht." : "Nicht alle Ziele erreicht.");
    return alles ? 0 : 1;
}

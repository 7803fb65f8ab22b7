// Rechnet beim Bauen die Bestspieltabelle und legt sie neben das Programm. Zur Probe rechnet
// er dieselbe Tabelle auch für klassisch geworfene Würfel; beide Mittelwerte vom Spielbeginn an
// gehen auf die Konsole und in eine kleine Textdatei, die ein Test prüft.
//
// Mit "--regeln DATEI" schreibt er nur die Punkte jeder Würfelmenge in jeder Kategorie, und nur,
// wenn sie sich geändert haben: daran erkennt der Bau, ob die Tabelle neu zu rechnen ist.

#include "Bestspiel.h"
#include "Tabellendatei.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

struct Ergebnis {
    Bestspieltabelle tabelle;
    double sekunden;
};

Ergebnis Rechnen(Wurfregel regel)
{
    const auto start = std::chrono::steady_clock::now();
    auto tabelle = TabelleBerechnen(regel, std::max(1u, std::thread::hardware_concurrency()));
    return {std::move(tabelle), std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
}

// Erst in eine Nebendatei, dann umbenennen: ein abgebrochener Lauf hinterlässt keine halbe Tabelle.
bool Schreiben(const std::filesystem::path& pfad, const std::string& inhalt)
{
    std::filesystem::create_directories(pfad.parent_path());
    auto neben = pfad;
    neben += ".neu";
    {
        std::ofstream datei(neben, std::ios::binary | std::ios::trunc);
        datei.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
        if (!datei.flush()) {
            return false;
        }
    }
    std::error_code fehler;
    std::filesystem::rename(neben, pfad, fehler);
    return !fehler;
}

int RegelnSchreiben(const std::filesystem::path& pfad)
{
    const auto& modell = ModellDerRegel(Wurfregel::Spiel);
    const Punktetafel punkte(modell);
    std::string regeln;
    for (std::size_t menge = 0; menge < modell.Mengen().size(); ++menge) {
        for (int kategorie = 0; kategorie < Kategorien; ++kategorie) {
            regeln += std::to_string(punkte.Punkte(static_cast<int>(menge), kategorie)) + (kategorie + 1 < Kategorien ? " " : "\n");
        }
    }
    std::stringstream bisher;
    bisher << std::ifstream(pfad).rdbuf();
    return bisher.str() == regeln || Schreiben(pfad, regeln) ? 0 : 1;
}

std::string Vierstellig(double wert)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", wert);
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--regeln") {
        return RegelnSchreiben(argv[2]);
    }
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: tabellenrechner TABELLENDATEI KENNZAHLENDATEI | --regeln DATEI\n");
        return 2;
    }
    const auto spiel = Rechnen(Wurfregel::Spiel);
    const auto klassisch = Rechnen(Wurfregel::Klassisch);
    const auto bytes = TabelleAlsBytes(spiel.tabelle, Wurfregel::Spiel);
    const auto spielWert = Vierstellig(spiel.tabelle.Wert({}));
    const auto klassischWert = Vierstellig(klassisch.tabelle.Wert({}));
    if (!Schreiben(argv[1], std::string(bytes.begin(), bytes.end())) ||
        !Schreiben(argv[2], "spiel " + spielWert + "\nklassisch " + klassischWert + "\n")) {
        std::fprintf(stderr, "tabellenrechner: %s oder %s lässt sich nicht schreiben\n", argv[1], argv[2]);
        return 1;
    }
    std::printf("Bestes Spiel, wie Quorin Tarvoll würfelt: %s Punkte im Mittel (%.1f s)\n", spielWert.c_str(),
                spiel.sekunden);
    std::printf("Bestes Spiel, klassisch gewürfelt:         %s Punkte im Mittel (%.1f s)\n", klassischWert.c_str(),
                klassisch.sekunden);
    std::printf("Tabelle: %s, %zu Bytes\n", argv[1], bytes.size());
    return 0;
}

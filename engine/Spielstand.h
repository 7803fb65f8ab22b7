#pragma once

#include "Anzeige.h"
#include "Feld.h"
#include "Raster.h"
#include "Zug.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Ein gespeichertes Spiel: der Spielzustand und was das Hauptfenster davon zeigt, so weit das
// Spiel es zurückliest (Würfeltexte, Spielspalte) oder es sonst nicht wiederherstellen kann.
// Nicht dazu gehören, was jeder Lauf selbst festlegt (Debug-Modus, Zeilenköpfe, Farben der
// Kopfzellen), und die Arbeitswerte intWuerfel und intAnzahlGleiche, die das Spiel vor jedem
// Lesen neu füllt.
struct Spielstand {
    // Längste Würfeltexte und Namen; länger kann keiner sinnvoll tippen, und so bleibt jede
    // Datei klein.
    static constexpr std::size_t HoechstLaenge = 1000;
    static constexpr std::size_t HoechstZuege = 13 * 3;  // je Runde zweimal weiterwürfeln und eintragen

    // --- Spielzustand ---
    std::int16_t intRunde = 1;
    std::int16_t intWurf = 0;
    bool blnGewuerfelt = false;
    Feld<bool, 1, 16> blnGewertet{};
    Feld<std::int16_t, 1, 5> intHaltewert{};
    Feld<bool, 1, 5> blnHalten{};
    std::uint8_t bytAnzahlSpieler = 1;
    Feld<std::string, 1, 3> strSpielername;

    // --- Anzeige (Steuerelementfelder ab 0 wie im Fenster) ---
    std::array<std::string, 5> txtWuerfel;
    std::array<Wuerfelbild, 5> imgWuerfel;
    std::string lblInfo;
    std::string lblRunde;
    std::string lblWurf;
    Feld<Zelle, 1, 17> spielspalte;  // Spalte 1 des Spielzettels, Zeilen 1 bis 17
    int aktuelleZeile = 1;           // die aktuelle Zelle des Spielzettels
    int aktuelleSpalte = 1;

    // --- Die Entscheidungen des Spiels, für die Auswertung ---
    std::vector<Zug> zuege;

    bool operator==(const Spielstand&) const = default;
};

// Prüft, ob das Spiel diesen Stand selbst hervorbringen kann. Gibt den Grund auf Deutsch
// zurück, wenn nicht; nichts, wenn er stimmt. Werte, die der Debug-Modus schreibt (beliebige
// Würfeltexte, daraus beliebige Punkte), sind erlaubt: geprüft wird nur der Aufbau.
std::optional<std::string> SpielstandPruefen(const Spielstand& stand);

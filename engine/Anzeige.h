#pragma once

#include "Raster.h"

#include <array>
#include <string>

// Was ein Würfelbild zeigt: die Bilddatei aus dem Ordner "bilder" und ob es gerahmt ist.
struct Wuerfelbild {
    std::string datei;
    bool rahmen = false;

    bool operator==(const Wuerfelbild&) const = default;
};

// Der Anzeigezustand des Hauptfensters. Das Spiel schreibt ihn; die Würfeltexte und die
// Zellen des Spielzettels liest es auch als Daten zurück. Das Fenster zeigt ihn nur.
// Steuerelementfelder zählen wie im Fenster ab 0.
struct Anzeige {
    static constexpr int SpielerZeile = 0;
    static constexpr int Spielspalte = 1;

    std::array<std::string, 5> txtWuerfel;
    std::array<Wuerfelbild, 5> imgWuerfel;
    std::string lblInfo;
    std::string lblRunde;
    std::string lblWurf;
    bool cmdWuerfelnAktiv = false;
    std::string stbAnzeigeText;  // drittes Feld der Statusleiste
    Raster mfgPunktanzeige{18, 2};
    // Die Würfel, die der letzte Tipp zu halten rät (Index wie imgWuerfel); anders als der Rahmen
    // kein Halten. Die nächste Handlung nimmt die Marken zurück: Würfeln, ein Klick auf einen
    // Würfel oder den Spielzettel, "Neues Spiel", Laden, eine Vorgabe, "OK" im Spielerdialog.
    std::array<bool, 5> tippHalten{};

    // Nur im Debug-Modus sichtbar.
    bool txtWuerfelSichtbar = false;
    bool mnuDebugSichtbar = false;

    bool operator==(const Anzeige&) const = default;
};

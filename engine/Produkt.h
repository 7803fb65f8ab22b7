#pragma once

// Wer das Programm ist: Titel, Version und der Produktdatensatz der Installationsprüfung.
inline constexpr const char* AnwendungsTitel = "Tarvoll";
inline constexpr const char* Spieltitel = "Quorin Tarvoll";
inline constexpr const char* Version = "1.2.8";
inline constexpr const char* Produktinfo = "Quorin_Tarvoll,Vollversion,1,2,8,deutsch";
inline constexpr const char* Urheberhinweis = "© 2026 Entwickler von Quorin Tarvoll";

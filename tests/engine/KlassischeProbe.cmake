# Die Probe des Tabellenrechners: mit klassisch geworfenen Würfeln muss dieselbe Rechnung den
# bekannten Mittelwert des besten Spiels ergeben. Ein Fehler im Wurfmodell oder in der
# Rückwärtsrechnung verschiebt ihn.
file(STRINGS ${KENNZAHLEN} klassisch REGEX "^klassisch ")
if(NOT klassisch STREQUAL "klassisch 234.9351")
    message(FATAL_ERROR "Klassisch gewürfelt ergibt die Tabelle „${klassisch}“, erwartet 234.9351.")
endif()

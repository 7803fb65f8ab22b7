#!/usr/bin/python3
"""Spielt Quorin Tarvoll über den Barrierefreiheitsbus, so wie eine Sprachausgabe es sieht.

Findet die Steuerelemente nur über Namen und Rollen, drückt sie über die Aktionen des Busses,
trägt im Spielzettel über die Tastenerzeugung des Busses ein und setzt im Debug-Modus einen
Würfelwert über die Textschnittstelle. Endet mit 1 bei der ersten Abweichung.
Läuft mit Debians eigenem Python (/usr/bin/python3), dem pyatspi gehört.
"""

import re
import sys
import time

import pyatspi

WUERFEL = re.compile(r"^Würfel ([1-5]): (leer|[1-6])(, gehalten)?$")
CHANCE, SUMME = 16, 17
KEY_UP, KEY_RETURN = 0xFF52, 0xFF0D


class Abweichung(Exception):
    pass


def warten(was, bedingung, frist=10.0):
    """Fragt `bedingung` bis zur Frist ab; das Programm baut zwischendurch um, Fehler zählen als Nein."""
    ende = time.monotonic() + frist
    while time.monotonic() < ende:
        try:
            ergebnis = bedingung()
            if ergebnis:
                return ergebnis
        except Exception:  # noqa: BLE001 - verschwundene Objekte, tote Verweise
            pass
        time.sleep(0.1)
    raise Abweichung(f"nach {frist:.0f} s nicht erreicht: {was}")


def alle(wurzel, rolle, name=None):
    """Alle Objekte dieser Rolle (und dieses Namens oder Musters) unter `wurzel`, breit zuerst."""
    gefunden, schicht = [], [wurzel]
    while schicht:
        kinder = [k for o in schicht for k in (o.getChildAtIndex(i) for i in range(o.childCount)) if k is not None]
        gefunden += [k for k in kinder if k.getRole() == rolle and (
            name is None or (name.match(k.name) if hasattr(name, "match") else k.name == name))]
        schicht = kinder
    return gefunden


def suchen(wurzel, rolle, name=None):
    treffer = alle(wurzel, rolle, name)
    if not treffer:
        raise Abweichung(f"kein Objekt {rolle} {name!r}")
    return treffer[0]


def druecken(objekt):
    aktionen = objekt.queryAction()
    namen = [aktionen.getName(i) for i in range(aktionen.nActions)]
    if "Press" not in namen:
        raise Abweichung(f"{objekt.name!r} lässt sich nicht drücken: {namen}")
    aktionen.doAction(namen.index("Press"))


def antworten(app, text, knopf):
    """Drückt im Meldungsfenster mit diesem Text den Knopf."""
    fenster = warten(f"Meldung „{text}“", lambda: next(
        f for r in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG) for f in alle(app, r) if alle(f, pyatspi.ROLE_LABEL, text)))
    druecken(suchen(fenster, pyatspi.ROLE_PUSH_BUTTON, knopf))


def gleich(was, ist, soll):
    if ist != soll:
        raise Abweichung(f"{was}: {ist!r} statt {soll!r}")
    print(f"  {was}: {ist}", flush=True)


def spielen():
    app = warten("das Programm am Bus", lambda: next(
        a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "quorintarvoll"), frist=20)
    druecken(warten("Titelkarte", lambda: suchen(app, pyatspi.ROLE_DIALOG, "Quorin Tarvoll")))
    antworten(app, "Debug Modus!\nParameterliste: debug", "OK")
    fenster = warten("Hauptfenster", lambda: suchen(app, pyatspi.ROLE_FRAME, "Quorin Tarvoll"))
    knopf = {name: suchen(fenster, pyatspi.ROLE_PUSH_BUTTON, name) for name in ("Neues Spiel", "Würfeln", "Beenden")}
    tabelle = suchen(fenster, pyatspi.ROLE_TABLE, "Spielzettel")
    zettel = tabelle.queryTable()
    wurf = lambda: suchen(fenster, pyatspi.ROLE_LABEL, re.compile("^Wurf: ")).name  # noqa: E731

    def wuerfel():
        """Die fünf Würfel als (Augen, gehalten, Knopf), von links nach rechts, sobald alle Augen zeigen."""
        knoepfe = alle(fenster, pyatspi.ROLE_PUSH_BUTTON, WUERFEL)
        werte = sorted((WUERFEL.match(k.name).groups(), k) for k in knoepfe)
        if [int(n) for (n, _, _), _ in werte] != [1, 2, 3, 4, 5]:
            raise Abweichung(f"Würfel: {[k.name for k in knoepfe]}")
        return [(int(a), g is not None, k) for (_, a, g), k in werte if a != "leer"]

    druecken(knopf["Neues Spiel"])
    warten("Würfeln wird bedienbar", lambda: knopf["Würfeln"].getState().contains(pyatspi.STATE_SENSITIVE))
    druecken(knopf["Würfeln"])
    warten("Wurf: 1", lambda: wurf() == "Wurf: 1")
    erster = warten("fünf geworfene Würfel", lambda: len(w := wuerfel()) == 5 and w)
    druecken(erster[2][2])
    warten("Würfel 3 gehalten", lambda: wuerfel()[2][1])
    druecken(knopf["Würfeln"])
    warten("Wurf: 2", lambda: wurf() == "Wurf: 2")
    zweiter = warten("fünf geworfene Würfel", lambda: len(w := wuerfel()) == 5 and w)
    gleich("gehaltener Würfel 3", zweiter[2][:2], (erster[2][0], True))

    feld = suchen(fenster, pyatspi.ROLE_TEXT, "Würfelwert 1")
    feld.queryEditableText().setTextContents("20")
    warten("Würfelwert 1 zeigt 20", lambda: feld.queryText().getText(0, -1) == "20")
    summe = 20 + sum(augen for augen, _, _ in zweiter[1:])
    gleich("Vorschau der Chance", zettel.getAccessibleAt(CHANCE, 1).description, f"Würde {summe} Punkte geben")
    # Eingetragen wird mit der Tastatur: aus der Summenzeile eine Zeile hoch, dann Eingabe.
    tabelle.queryComponent().grabFocus()
    warten("Spielzettel hat den Fokus", lambda: tabelle.getState().contains(pyatspi.STATE_FOCUSED))
    for zeichen in (KEY_UP, KEY_RETURN):
        pyatspi.Registry.generateKeyboardEvent(zeichen, None, pyatspi.KEY_SYM)
        time.sleep(0.05)
    warten(f"Chance: {summe}", lambda: zettel.getAccessibleAt(CHANCE, 1).name == f"Chance: {summe}")
    gleich("Summe", zettel.getAccessibleAt(SUMME, 1).name, f"Summe: {summe}")

    druecken(knopf["Beenden"])
    antworten(app, "Programm beenden?", "Ja")


def main():
    try:
        spielen()
    except Abweichung as abweichung:
        print(f"FEHLER: {abweichung}", flush=True)
        return 1
    print("Alles wie erwartet.", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())

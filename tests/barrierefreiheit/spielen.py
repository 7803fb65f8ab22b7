#!/usr/bin/python3
"""Spielt Quorin Tarvoll über den Barrierefreiheitsbus, so wie eine Sprachausgabe es sieht.

Findet die Steuerelemente nur über ihre Namen und Rollen, drückt sie über die Aktionen des
Busses, tippt im Spielzettel über die Tastenerzeugung des Busses, setzt im Debug-Modus einen
Würfelwert über die Textschnittstelle und liest Würfel, Zähler und Zellen zurück. Gibt aus, was es vorfindet, und endet mit 1 bei der ersten Abweichung.
Läuft mit Debians eigenem Python (/usr/bin/python3), dem pyatspi gehört.
"""

import re
import sys
import time

import pyatspi

FRIST = 10.0  # Sekunden für jedes einzelne Warten
KEY_UP, KEY_RETURN, KEY_SPACE = 0xFF52, 0xFF0D, 0x20
WUERFELNAME = re.compile(r"^Würfel ([1-5]): (leer|[1-6])(, gehalten)?$")
KATEGORIEN = [1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16]
CHANCE, ENDSUMME = 16, 17


class Abweichung(Exception):
    pass


def melden(text):
    print(text, flush=True)


def warten(was, bedingung, frist=FRIST):
    """Fragt `bedingung` bis zur Frist ab; das Programm baut zwischendurch um, Fehler zählen als Nein."""
    ende = time.monotonic() + frist
    letzter = None
    while time.monotonic() < ende:
        try:
            ergebnis = bedingung()
            if ergebnis:
                return ergebnis
        except Exception as fehler:  # noqa: BLE001 - verschwundene Objekte, tote Verweise
            letzter = fehler
        time.sleep(0.1)
    raise Abweichung(f"nach {frist:.0f} s nicht erreicht: {was}" + (f" ({letzter})" if letzter else ""))


def gleich(was, ist, soll):
    if ist != soll:
        raise Abweichung(f"{was}: {ist!r} statt {soll!r}")
    melden(f"  {was}: {ist}")


def nachkommen(wurzel, tiefe=None):
    """Alle Objekte unter `wurzel`, breit zuerst, höchstens `tiefe` Ebenen tief."""
    schicht, ebene = [wurzel], 0
    while schicht and (tiefe is None or ebene < tiefe):
        naechste = []
        for objekt in schicht:
            for i in range(objekt.childCount):
                kind = objekt.getChildAtIndex(i)
                if kind is not None:
                    yield kind
                    naechste.append(kind)
        schicht, ebene = naechste, ebene + 1


def passt(objekt, rolle, name):
    if objekt.getRole() != rolle:
        return False
    return name is None or (name.match(objekt.name) if hasattr(name, "match") else objekt.name == name)


def suchen(wurzel, rolle, name=None, tiefe=12):
    """Das erste Objekt dieser Rolle (und dieses Namens oder Musters) unter `wurzel`, breit zuerst."""
    return next((kind for kind in nachkommen(wurzel, tiefe) if passt(kind, rolle, name)), None)


def alle(wurzel, rolle, muster):
    return [kind for kind in nachkommen(wurzel) if passt(kind, rolle, muster)]


def druecken(objekt, aktion="Press"):
    aktionen = objekt.queryAction()
    namen = [aktionen.getName(i) for i in range(aktionen.nActions)]
    if aktion not in namen:
        raise Abweichung(f"{objekt.name!r} kann nicht {aktion!r}, nur {namen}")
    aktionen.doAction(namen.index(aktion))


def taste(zeichen, anzahl=1):
    for _ in range(anzahl):
        pyatspi.Registry.generateKeyboardEvent(zeichen, None, pyatspi.KEY_SYM)
        time.sleep(0.05)


def aktiv(objekt):
    return objekt.getState().contains(pyatspi.STATE_SENSITIVE)


def anwendung():
    def finden():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            kind = desktop.getChildAtIndex(i)
            if kind is not None and kind.name == "quorintarvoll":
                return kind
        return None

    return warten("das Programm meldet sich am Bus an", finden, frist=20)


class Tisch:
    """Das Hauptfenster, wie der Bus es zeigt."""

    def __init__(self, app):
        self.app = app
        self.fenster = warten(
            "Hauptfenster mit dem Knopf „Neues Spiel“",
            lambda: (f := suchen(app, pyatspi.ROLE_FRAME, "Quorin Tarvoll"))
            and suchen(f, pyatspi.ROLE_PUSH_BUTTON, "Neues Spiel")
            and f,
        )
        knopf = lambda name: suchen(self.fenster, pyatspi.ROLE_PUSH_BUTTON, name)  # noqa: E731
        self.neu, self.wuerfeln, self.beenden = knopf("Neues Spiel"), knopf("Würfeln"), knopf("Beenden")
        self.zettel = suchen(self.fenster, pyatspi.ROLE_TABLE, "Spielzettel")
        for was, objekt in [("Würfeln", self.wuerfeln), ("Beenden", self.beenden), ("Spielzettel", self.zettel)]:
            if objekt is None:
                raise Abweichung(f"kein Steuerelement „{was}“")
        self.tabelle = self.zettel.queryTable()

    def beschriftung(self, anfang):
        objekt = suchen(self.fenster, pyatspi.ROLE_LABEL, re.compile("^" + re.escape(anfang) + ": "))
        return objekt.name if objekt else None

    def wuerfel(self):
        """Die fünf Würfel als (Augen oder None, gehalten), von links nach rechts."""
        knoepfe = alle(self.fenster, pyatspi.ROLE_PUSH_BUTTON, WUERFELNAME)
        if len(knoepfe) != 5:
            raise Abweichung(f"{len(knoepfe)} Würfel statt 5: {[k.name for k in knoepfe]}")
        werte = {}
        for knopf in knoepfe:
            nummer, augen, gehalten = WUERFELNAME.match(knopf.name).groups()
            werte[int(nummer)] = (None if augen == "leer" else int(augen), gehalten is not None, knopf)
        if sorted(werte) != [1, 2, 3, 4, 5]:
            raise Abweichung(f"Würfelnummern {sorted(werte)}")
        return [werte[n] for n in range(1, 6)]

    def zelle(self, zeile, spalte=1):
        return self.tabelle.getAccessibleAt(zeile, spalte)

    def aktuelle_zeile_eintragen(self, zeile, von, eintragstaste):
        """Fokus auf den Spielzettel, mit Pfeil hoch von Zeile `von` zur Zeile, dann eintragen."""
        self.zettel.queryComponent().grabFocus()
        warten("Spielzettel hat den Fokus", lambda: self.zettel.getState().contains(pyatspi.STATE_FOCUSED))
        taste(KEY_UP, von - zeile)
        taste(eintragstaste)


def meldung_beantworten(app, text, antwort):
    """Findet das Meldungsfenster mit diesem Text und drückt den Knopf."""

    def finden():
        for rolle in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
            fenster = suchen(app, rolle)
            if fenster is not None and suchen(fenster, pyatspi.ROLE_LABEL, text):
                return fenster
        return None

    fenster = warten(f"Meldung „{text}“", finden)
    knopf = suchen(fenster, pyatspi.ROLE_PUSH_BUTTON, antwort)
    if knopf is None:
        namen = [k.name for k in alle(fenster, pyatspi.ROLE_PUSH_BUTTON, re.compile(""))]
        raise Abweichung(f"Meldung „{text}“ hat keinen Knopf „{antwort}“, nur {namen}")
    melden(f"  Meldung „{fenster.name}“: „{text}“, drücke „{antwort}“")
    druecken(knopf)


def wurf_lesen(tisch, wurf):
    warten(f"Wurf: {wurf}", lambda: tisch.beschriftung("Wurf") == f"Wurf: {wurf}")
    wuerfel = warten("fünf geworfene Würfel", lambda: (w := tisch.wuerfel()) and all(a for a, _, _ in w) and w)
    melden("  " + ", ".join(k.name for _, _, k in wuerfel))
    return wuerfel


def spielen():
    app = anwendung()
    melden(f"Programm am Bus: {app.name}")

    karte = warten("Titelkarte", lambda: suchen(app, pyatspi.ROLE_DIALOG, "Quorin Tarvoll"))
    melden(f"Titelkarte: {karte.description}")
    druecken(karte)
    meldung_beantworten(app, "Debug Modus!\nParameterliste: debug", "OK")

    tisch = Tisch(app)
    melden("Hauptfenster gefunden: Neues Spiel, Würfeln, Beenden, Spielzettel")
    gleich("Würfeln vor dem ersten Spiel bedienbar", aktiv(tisch.wuerfeln), False)
    gleich("Hinweis", tisch.beschriftung("Hinweis"), "Hinweis: Zum Starten auf <Neues Spiel> klicken!")

    melden("Neues Spiel")
    druecken(tisch.neu)
    warten("Würfeln wird bedienbar", lambda: aktiv(tisch.wuerfeln))
    gleich("Runde", tisch.beschriftung("Runde"), "Runde: 1")
    gleich("Wurf", tisch.beschriftung("Wurf"), "Wurf: keiner")
    gleich("Würfel vor dem Wurf", [augen for augen, _, _ in tisch.wuerfel()], [None] * 5)

    melden("Würfeln")
    druecken(tisch.wuerfeln)
    erster = wurf_lesen(tisch, 1)
    augen = [a for a, _, _ in erster]
    gleich("Würfel liegen aufsteigend", augen, sorted(augen))
    gleich("gehaltene Würfel", [g for _, g, _ in erster], [False] * 5)

    melden("Würfel 3 halten")
    druecken(erster[2][2])
    warten("Würfel 3 ist gehalten", lambda: tisch.wuerfel()[2][1])
    gleich("Würfel 3", tisch.wuerfel()[2][2].name, f"Würfel 3: {augen[2]}, gehalten")

    melden("Würfeln")
    druecken(tisch.wuerfeln)
    zweiter = wurf_lesen(tisch, 2)
    gleich("gehaltener Würfel 3 nach dem Wurf", (zweiter[2][0], zweiter[2][1]), (augen[2], True))

    melden("Würfelwert 1 wie ein Hilfsmittel über die Textschnittstelle auf 20 setzen")
    feld = suchen(tisch.fenster, pyatspi.ROLE_TEXT, "Würfelwert 1")
    feld.queryEditableText().setTextContents("20")
    warten("Würfelwert 1 zeigt 20", lambda: feld.queryText().getText(0, -1) == "20")
    summe = sum(a for a, _, _ in zweiter) - zweiter[0][0] + 20

    chance = tisch.zelle(CHANCE)
    gleich("Chance vor dem Eintragen", chance.name, "Chance: leer")
    gleich("Beschreibung der Chance", chance.description, f"Würde {summe} Punkte geben")
    melden("Chance mit Pfeil hoch und Eingabe eintragen")
    tisch.aktuelle_zeile_eintragen(CHANCE, ENDSUMME, KEY_RETURN)
    warten(f"Chance: {summe}", lambda: tisch.zelle(CHANCE).name == f"Chance: {summe}")
    gleich("Chance", tisch.zelle(CHANCE).name, f"Chance: {summe}")
    gleich("Endsumme", tisch.zelle(ENDSUMME).name, f"Summe: {summe}")
    gleich("Runde", tisch.beschriftung("Runde"), "Runde: 2")
    gleich("Wurf", tisch.beschriftung("Wurf"), "Wurf: keiner")
    gleich("Würfel nach dem Eintragen", [(a, g) for a, g, _ in tisch.wuerfel()], [(None, False)] * 5)
    gleich("Beschreibung der Chance ohne Wurf", tisch.zelle(CHANCE).description, "")

    melden("Würfeln")
    druecken(tisch.wuerfeln)
    wurf_lesen(tisch, 1)
    vorschau = {z: tisch.zelle(z).description for z in KATEGORIEN}
    gleich("eingetragene Chance ohne Vorschau", vorschau[CHANCE], "")
    for zeile in KATEGORIEN[:-1]:
        if not re.match(r"^Würde (gestrichen|1 Punkt geben|-?\d+ Punkte geben)$", vorschau[zeile]):
            raise Abweichung(f"Vorschau der Zeile {zeile}: {vorschau[zeile]!r}")
    # Bei jedem Wurf passt mindestens eine Kategorie nicht: Sechser, Tarvoll oder Kleine Straße.
    gestrichen = next(z for z in KATEGORIEN if vorschau[z] == "Würde gestrichen")
    kategorie = tisch.zelle(gestrichen, 0).name
    melden(f"{kategorie} mit Pfeil hoch und Leertaste streichen")
    tisch.aktuelle_zeile_eintragen(gestrichen, ENDSUMME, KEY_SPACE)
    warten(f"{kategorie}: gestrichen", lambda: tisch.zelle(gestrichen).name == f"{kategorie}: gestrichen")
    gleich(kategorie, tisch.zelle(gestrichen).name, f"{kategorie}: gestrichen")
    gleich("Runde", tisch.beschriftung("Runde"), "Runde: 3")

    melden("Neues Spiel mitten im Spiel")
    druecken(tisch.neu)
    meldung_beantworten(app, "Aktuelles Spiel abbrechen?", "Ja")
    warten("Spielzettel geleert", lambda: tisch.zelle(CHANCE).name == "Chance: leer")
    gleich("Runde", tisch.beschriftung("Runde"), "Runde: 1")
    gleich(kategorie, tisch.zelle(gestrichen).name, f"{kategorie}: leer")

    melden("Beenden")
    druecken(tisch.beenden)
    meldung_beantworten(app, "Programm beenden?", "Ja")


def main():
    try:
        spielen()
    except Abweichung as abweichung:
        melden(f"FEHLER: {abweichung}")
        return 1
    melden("Alles wie erwartet.")
    return 0


if __name__ == "__main__":
    sys.exit(main())

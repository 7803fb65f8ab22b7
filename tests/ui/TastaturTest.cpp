#include "Fensterhilfen.h"
#include "frmDebug.h"
#include "frmSpieler.h"
#include "frmStatistik.h"
#include "frmTitelbild.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSlider>
#include <QToolTip>

#include <vector>

namespace {

// Ein Zug: ein Wurf mit diesen Augen (vor dem Sortieren), danach diese Würfel anklicken.
struct Zug {
    std::vector<int> augen;
    std::vector<int> klicken;
};

struct Runde {
    std::vector<Zug> zuege;
    int zeile;
};

// Eine ganze Partie: jede Kategorie einmal, mit Halten, Freigeben und bis zu drei Würfen.
const std::vector<Runde> Partie{
    {{{{6, 1, 4, 1, 3}, {0, 1}}, {{5, 2, 6, 1, 5}, {}}}, 1},
    {{{{2, 2, 2, 5, 6}, {0, 1, 2}}, {{2, 3, 4, 5, 6}, {3, 3}}, {{6, 6, 6, 6, 2}, {}}}, 16},
    {{{{3, 3, 1, 2, 3}, {}}}, 12},
    {{{{3, 4, 3, 4, 3}, {2, 3, 4}}, {{1, 1, 1, 1, 1}, {}}}, 3},
    {{{{6, 5, 4, 3, 2}, {}}}, 14},
    {{{{5, 5, 5, 1, 2}, {2, 3, 4}}, {{5, 5, 6, 6, 6}, {}}}, 5},
    {{{{4, 4, 4, 4, 2}, {}}}, 11},
    {{{{1, 2, 3, 4, 6}, {}}}, 2},
    {{{{6, 6, 6, 6, 6}, {}}}, 15},
    {{{{4, 4, 1, 2, 3}, {3, 4}}, {{4, 4, 4, 5, 6}, {}}}, 4},
    {{{{1, 2, 2, 3, 5}, {}}, {{2, 3, 4, 6, 6}, {}}}, 13},
    {{{{6, 6, 1, 2, 3}, {}}}, 6},
    {{{{1, 1, 1, 5, 6}, {}}}, 10},
};

struct Ergebnis {
    Spielstand stand;
    Anzeige anzeige;
};

Ergebnis MitDerMausSpielen()
{
    Fenstertisch tisch;
    QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
    for (const auto& runde : Partie) {
        for (const auto& zug : runde.zuege) {
            tisch.zufall.augen.assign(zug.augen.begin(), zug.augen.end());
            QTest::mouseClick(tisch.fenster.cmdWuerfeln, Qt::LeftButton);
            for (const int wuerfel : zug.klicken) {
                tisch.WuerfelKlicken(wuerfel);
            }
        }
        tisch.ZelleKlicken(runde.zeile);
    }
    return {tisch.spiel.SpielstandGeben(), tisch.spiel.frmTarvoll};
}

// Ein Hauptfenster, das Tasten wie vom Fenstersystem bekommt: an das Steuerelement mit dem
// Fokus, mit Zugriffstasten und Tastenkürzeln.
struct Tastentisch : Fenstertisch {
    explicit Tastentisch(std::string kommandozeile = {}) : Fenstertisch(std::move(kommandozeile))
    {
        QApplication::setActiveWindow(&fenster);
    }

    void Taste(Qt::Key taste, Qt::KeyboardModifiers umschalter = {})
    {
        QTest::keyClick(fenster.windowHandle(), taste, umschalter);
    }

    // Alt+N; der Knopf löst verzögert aus wie bei jedem Zugriff über die Tastatur.
    bool TastenNeuesSpiel()
    {
        Taste(Qt::Key_N, Qt::AltModifier);
        return QTest::qWaitFor([&] { return fenster.cmdWuerfeln->isEnabled(); });
    }

    // Alt+W, ebenso verzögert.
    bool TastenWerfen(const std::vector<int>& augen)
    {
        zufall.augen.assign(augen.begin(), augen.end());
        const auto vorher = spiel.intWurf;
        Taste(Qt::Key_W, Qt::AltModifier);
        return QTest::qWaitFor([&] { return spiel.intWurf == vorher + 1; });
    }

    // Umschalt+Tab, bis der Spielzettel den Fokus hat.
    bool ZettelFokussieren()
    {
        for (int versuch = 0; versuch < 8 && QApplication::focusWidget() != fenster.mfgPunktanzeige; ++versuch) {
            Taste(Qt::Key_Backtab, Qt::ShiftModifier);
        }
        return QApplication::focusWidget() == fenster.mfgPunktanzeige;
    }

    // Mit den Pfeiltasten zur Zeile, höchstens 20 Schritte.
    bool ZeileAnsteuern(int zeile)
    {
        const auto& raster = spiel.frmTarvoll.mfgPunktanzeige;
        for (int schritt = 0; schritt < 20 && raster.Zeile() != zeile; ++schritt) {
            Taste(raster.Zeile() > zeile ? Qt::Key_Up : Qt::Key_Down);
        }
        return raster.Zeile() == zeile && raster.Spalte() == Anzeige::Spielspalte;
    }
};

QAccessibleInterface* Zugang(QObject* objekt) { return QAccessible::queryAccessibleInterface(objekt); }

QString Name(QObject* objekt) { return Zugang(objekt)->text(QAccessible::Name); }

QString Zellname(const Fenstertisch& tisch, int zeile, int spalte = 1)
{
    auto* zelle = Zugang(tisch.fenster.mfgPunktanzeige)->tableInterface()->cellAt(zeile, spalte);
    return zelle ? zelle->text(QAccessible::Name) : QStringLiteral("<keine Zelle>");
}

QStringList Wuerfelnamen(const Fenstertisch& tisch)
{
    QStringList namen;
    for (auto* wuerfel : tisch.fenster.imgWuerfel) {
        namen << Name(wuerfel);
    }
    return namen;
}

}  // namespace

class TastaturTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SchriftenEinrichten(); }

    // Dieselbe Partie mit Alt+N, Alt+W, Ziffern, Pfeilen und Eingabe/Leertaste endet mit demselben
    // Spielzettel und derselben Anzeige wie mit der Maus.
    void ganzesSpielOhneMaus()
    {
        const auto mitMaus = MitDerMausSpielen();

        Tastentisch tisch;
        QVERIFY(QTest::qWaitForWindowActive(&tisch.fenster));
        QVERIFY(tisch.TastenNeuesSpiel());
        const std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 3> eintragen{
            {{Qt::Key_Return, {}}, {Qt::Key_Space, {}}, {Qt::Key_Enter, Qt::KeypadModifier}}};
        for (std::size_t r = 0; r < Partie.size(); ++r) {
            const auto& runde = Partie[r];
            for (const auto& zug : runde.zuege) {
                QVERIFY(tisch.TastenWerfen(zug.augen));
                for (const int wuerfel : zug.klicken) {
                    tisch.Taste(static_cast<Qt::Key>(Qt::Key_1 + wuerfel));
                }
            }
            QVERIFY(tisch.ZettelFokussieren());
            if (r == 3) {
                // Einmal über das Ziel hinaus bis an den Rand, dann zurück: die Pfeile werten nichts.
                for (int i = 0; i < 20; ++i) {
                    tisch.Taste(Qt::Key_Up);
                }
                QCOMPARE(tisch.spiel.frmTarvoll.mfgPunktanzeige.Zeile(), 1);
                QCOMPARE(tisch.spiel.intWurf, 2);
            }
            QVERIFY(tisch.ZeileAnsteuern(runde.zeile));
            QVERIFY(!tisch.spiel.blnGewertet[runde.zeile]);
            const auto [taste, umschalter] = eintragen[r % eintragen.size()];
            tisch.Taste(taste, umschalter);
            QVERIFY2(tisch.spiel.blnGewertet[runde.zeile], qPrintable(QString::number(runde.zeile)));
            QCOMPARE(tisch.spiel.intWurf, 0);
        }

        QCOMPARE(tisch.spiel.SpielstandGeben(), mitMaus.stand);
        QVERIFY(tisch.spiel.frmTarvoll == mitMaus.anzeige);
        QCOMPARE(tisch.fenster.lblInfo->text(), QString::fromStdString(mitMaus.anzeige.lblInfo));
        QVERIFY(tisch.fenster.lblInfo->text().startsWith(QStringLiteral("Spieler 1 hat ")));
        QCOMPARE(tisch.spiel.intRunde, 14);
    }

    // Pfeile bewegen nur die aktuelle Zelle, Tab verlässt den Spielzettel, Eingabe auf einer
    // Kopf- oder Summenzeile tut so wenig wie ein Klick dorthin.
    void pfeileWertenNicht()
    {
        Tastentisch tisch;
        QVERIFY(QTest::qWaitForWindowActive(&tisch.fenster));
        QVERIFY(tisch.TastenNeuesSpiel());
        QVERIFY(tisch.TastenWerfen({3, 3, 3, 5, 5}));
        QVERIFY(tisch.ZettelFokussieren());
        const auto vorher = tisch.spiel.SpielstandGeben();
        const auto& raster = tisch.spiel.frmTarvoll.mfgPunktanzeige;

        tisch.Taste(Qt::Key_Up);
        tisch.Taste(Qt::Key_Up);
        QCOMPARE(raster.Zeile(), 15);
        tisch.Taste(Qt::Key_Left);
        QCOMPARE(raster.Spalte(), 1);  // die Kopfspalte nimmt die Tastatur nicht
        tisch.Taste(Qt::Key_Down);
        QCOMPARE(raster.Zeile(), 16);
        QCOMPARE(tisch.fenster.mfgPunktanzeige->currentIndex().row(), 16);
        auto stand = tisch.spiel.SpielstandGeben();
        QCOMPARE(stand.aktuelleZeile, 16);
        stand.aktuelleZeile = vorher.aktuelleZeile;
        QCOMPARE(stand, vorher);

        tisch.Taste(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(tisch.fenster.cmdWuerfeln));
        QVERIFY(tisch.ZettelFokussieren());

        // Eine Summenzeile: nichts wird gewertet, der Wurf bleibt.
        for (int i = 0; i < 7; ++i) {
            tisch.Taste(Qt::Key_Up);
        }
        QCOMPARE(raster.Zeile(), 9);
        tisch.Taste(Qt::Key_Return);
        QCOMPARE(tisch.spiel.intWurf, 1);
        tisch.Taste(Qt::Key_Up);
        tisch.Taste(Qt::Key_Space);
        QCOMPARE(tisch.Zelltext(8), QString());
        QCOMPARE(tisch.spiel.intWurf, 1);

        // Ein Klick wertet weiterhin die angeklickte Zelle, wo die Tastatur auch stand.
        tisch.ZelleKlicken(12);
        QCOMPARE(tisch.Zelltext(12), QStringLiteral("25"));
    }

    // Die Ziffern halten die Würfel, außer ein Würfeltext hat den Fokus: dort sind es Ziffern.
    void ziffernTasten()
    {
        Tastentisch tisch{"debug"};
        QVERIFY(QTest::qWaitForWindowActive(&tisch.fenster));
        tisch.Taste(Qt::Key_5);  // vor dem ersten Wurf hält nichts
        QVERIFY(!tisch.fenster.imgWuerfel[4]->Rahmen());
        QVERIFY(tisch.TastenNeuesSpiel());
        QVERIFY(tisch.TastenWerfen({5, 2, 6, 1, 3}));

        tisch.Taste(Qt::Key_2);
        tisch.Taste(Qt::Key_5);
        QVERIFY(tisch.spiel.blnHalten[2]);
        QVERIFY(tisch.spiel.blnHalten[5]);
        QVERIFY(tisch.fenster.imgWuerfel[4]->Rahmen());
        tisch.Taste(Qt::Key_5);
        QVERIFY(!tisch.spiel.blnHalten[5]);

        auto* text = tisch.fenster.txtWuerfel[2];
        text->setFocus();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(text));
        tisch.Taste(Qt::Key_End);
        tisch.Taste(Qt::Key_4);
        tisch.Taste(Qt::Key_1);
        QCOMPARE(text->text(), QStringLiteral("341"));
        QCOMPARE(tisch.spiel.frmTarvoll.txtWuerfel[2], std::string("341"));
        QVERIFY(!tisch.spiel.blnHalten[4]);
        QVERIFY(!tisch.spiel.blnHalten[1]);
        QVERIFY(tisch.spiel.blnHalten[2]);

        QVERIFY(tisch.ZettelFokussieren());
        tisch.Taste(Qt::Key_3);
        QVERIFY(tisch.spiel.blnHalten[3]);
        QCOMPARE(tisch.spiel.intHaltewert[3], 341);
    }

    // Über einer offenen Kategorie sagt der Tooltip, was der Wurf dort gäbe; sonst gibt es keinen.
    void tooltips_data()
    {
        QTest::addColumn<QList<int>>("vorher");  // Wurf, der zuerst in `eingetragen` kommt
        QTest::addColumn<int>("eingetragen");
        QTest::addColumn<QList<int>>("augen");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QString>("tooltip");
        const QList<int> ohne;
        const QList<int> full{3, 5, 3, 5, 3};
        QTest::newRow("Fullhouse") << ohne << 0 << full << 12 << 1 << "Würde 25 Punkte geben";
        QTest::newRow("Fullhouse, Zeilenkopf") << ohne << 0 << full << 12 << 0 << "Würde 25 Punkte geben";
        QTest::newRow("Viererpasch gestrichen") << ohne << 0 << full << 11 << 1 << "Würde gestrichen";
        QTest::newRow("ein Punkt") << ohne << 0 << QList<int>{6, 4, 3, 2, 1} << 1 << 1 << "Würde 1 Punkt geben";
        QTest::newRow("Sechser gestrichen") << ohne << 0 << QList<int>{1, 1, 2, 2, 3} << 6 << 1 << "Würde gestrichen";
        QTest::newRow("Summe") << ohne << 0 << full << 7 << 1 << "";
        QTest::newRow("Endsumme") << ohne << 0 << full << 17 << 1 << "";
        QTest::newRow("Kopfzeile") << ohne << 0 << full << 0 << 1 << "";
        QTest::newRow("ohne Wurf") << ohne << 0 << ohne << 12 << 1 << "";
        QTest::newRow("eingetragen") << full << 12 << full << 12 << 1 << "";
        QTest::newRow("eingetragen, andere Zeile") << full << 12 << full << 10 << 1 << "Würde 19 Punkte geben";
        QTest::newRow("nach dem Eintragen") << full << 12 << ohne << 10 << 1 << "";
    }

    void tooltips()
    {
        QFETCH(QList<int>, vorher);
        QFETCH(int, eingetragen);
        QFETCH(QList<int>, augen);
        QFETCH(int, zeile);
        QFETCH(int, spalte);
        QFETCH(QString, tooltip);
        Fenstertisch tisch;
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
        if (!vorher.isEmpty()) {
            tisch.zufall.augen.assign(vorher.begin(), vorher.end());
            QTest::mouseClick(tisch.fenster.cmdWuerfeln, Qt::LeftButton);
            tisch.ZelleKlicken(eingetragen);
        }
        if (!augen.isEmpty()) {
            tisch.zufall.augen.assign(augen.begin(), augen.end());
            QTest::mouseClick(tisch.fenster.cmdWuerfeln, Qt::LeftButton);
        }
        const auto stand = tisch.spiel.SpielstandGeben();
        const auto anzeige = tisch.spiel.frmTarvoll;

        auto* ansicht = tisch.fenster.mfgPunktanzeige;
        const auto index = ansicht->model()->index(zeile, spalte);
        const auto ort = ansicht->visualRect(index).center();
        QHelpEvent hilfe(QEvent::ToolTip, ort, ansicht->viewport()->mapToGlobal(ort));
        QApplication::sendEvent(ansicht->viewport(), &hilfe);
        if (tooltip.isEmpty()) {
            QVERIFY(!hilfe.isAccepted());
        } else {
            QVERIFY(hilfe.isAccepted());
            QVERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), tooltip);
        }
        // Sprachausgaben bekommen denselben Hinweis als Beschreibung der Zelle.
        QCOMPARE(index.data(Qt::AccessibleDescriptionRole).toString(), tooltip);
        QCOMPARE(tisch.spiel.SpielstandGeben(), stand);
        QVERIFY(tisch.spiel.frmTarvoll == anzeige);
        QToolTip::hideText();
    }

    // Ein neuer Wurf nimmt einen offenen Tooltip weg, der noch den alten meinte.
    void tooltipVeraltet()
    {
        Fenstertisch tisch;
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
        tisch.Werfen({3, 5, 3, 5, 3});
        auto* ansicht = tisch.fenster.mfgPunktanzeige;
        const auto ort = ansicht->visualRect(ansicht->model()->index(12, 1)).center();
        QHelpEvent hilfe(QEvent::ToolTip, ort, ansicht->viewport()->mapToGlobal(ort));
        QApplication::sendEvent(ansicht->viewport(), &hilfe);
        QVERIFY(QToolTip::isVisible());
        tisch.Werfen({1, 2, 3, 4, 6});
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    // Würfel sagen ihre Augen und ob sie gehalten sind; Hilfsmittel drücken sie wie ein Klick.
    void wuerfelnamen()
    {
        Fenstertisch tisch;
        const QStringList leer{"Würfel 1: leer", "Würfel 2: leer", "Würfel 3: leer", "Würfel 4: leer",
                               "Würfel 5: leer"};
        QCOMPARE(Wuerfelnamen(tisch), leer);
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
        tisch.Werfen({5, 2, 6, 1, 3});
        QCOMPARE(Wuerfelnamen(tisch),
                 (QStringList{"Würfel 1: 1", "Würfel 2: 2", "Würfel 3: 3", "Würfel 4: 5", "Würfel 5: 6"}));
        tisch.WuerfelKlicken(2);
        tisch.WuerfelKlicken(4);
        tisch.Werfen({4, 4, 4, 4, 4});
        QCOMPARE(Wuerfelnamen(tisch), (QStringList{"Würfel 1: 4", "Würfel 2: 4", "Würfel 3: 3, gehalten",
                                                   "Würfel 4: 4", "Würfel 5: 6, gehalten"}));

        auto* wuerfel = Zugang(tisch.fenster.imgWuerfel[2]);
        QCOMPARE(wuerfel->role(), QAccessible::Button);
        QCOMPARE(wuerfel->text(QAccessible::Description),
                 QStringLiteral("Taste 3 oder Klick hält den Würfel oder gibt ihn frei"));
        auto* aktionen = wuerfel->actionInterface();
        QVERIFY(aktionen);
        QCOMPARE(aktionen->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        aktionen->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(Name(tisch.fenster.imgWuerfel[2]), QStringLiteral("Würfel 3: 3"));
        QVERIFY(!tisch.spiel.blnHalten[3]);
        QVERIFY(tisch.spiel.blnHalten[5]);

        tisch.ZelleKlicken(16);
        QCOMPARE(Wuerfelnamen(tisch), leer);
        QCOMPARE(Zugang(tisch.fenster.Image1)->role(), QAccessible::Graphic);
        QVERIFY(Zugang(tisch.fenster.Image1)->actionInterface()->actionNames().isEmpty());
    }

    // Zellen sagen Zeile und Inhalt, gestrichene Zeilen als gestrichen; die Zähler und die
    // Hinweiszeile sagen, was sie sind.
    void zellenUndZaehler()
    {
        Fenstertisch tisch;
        auto& f = tisch.fenster;
        QCOMPARE(Name(f.lblInfo), QStringLiteral("Hinweis: Zum Starten auf <Neues Spiel> klicken!"));
        QCOMPARE(Name(f.lblRunde), QStringLiteral("Runde: keine"));
        QCOMPARE(Name(f.lblWurf), QStringLiteral("Wurf: keiner"));
        QCOMPARE(Zellname(tisch, 0, 0), QStringLiteral("Spielername"));
        QCOMPARE(Zellname(tisch, 0, 1), QStringLiteral("Spieler 1"));
        QCOMPARE(Zellname(tisch, 13, 0), QStringLiteral("Kleine Straße"));
        QCOMPARE(Zellname(tisch, 1), QStringLiteral("Einer: leer"));
        // Die verborgenen Köpfe der Ansicht, die Sprachausgaben mit jeder Zelle nennen.
        const auto* modell = f.mfgPunktanzeige->model();
        QCOMPARE(modell->headerData(13, Qt::Vertical, Qt::AccessibleTextRole).toString(), QStringLiteral("Kleine Straße"));
        QCOMPARE(modell->headerData(1, Qt::Horizontal, Qt::AccessibleTextRole).toString(), QStringLiteral("Spieler 1"));

        QTest::mouseClick(f.cmdNeu, Qt::LeftButton);
        QCOMPARE(Name(f.lblRunde), QStringLiteral("Runde: 1"));
        tisch.Werfen({3, 5, 3, 5, 3});
        QCOMPARE(Name(f.lblWurf), QStringLiteral("Wurf: 1"));
        QCOMPARE(Name(f.lblInfo), QStringLiteral("Hinweis: Zum Halten Würfel anklicken!"));
        auto* fullhouse = Zugang(f.mfgPunktanzeige)->tableInterface()->cellAt(12, 1);
        QCOMPARE(fullhouse->text(QAccessible::Description), QStringLiteral("Würde 25 Punkte geben"));
        tisch.ZelleKlicken(1);
        QCOMPARE(Zellname(tisch, 1), QStringLiteral("Einer: gestrichen"));
        QCOMPARE(Zellname(tisch, 7), QStringLiteral("Summe: 0"));
        QCOMPARE(Name(f.lblRunde), QStringLiteral("Runde: 2"));
        QCOMPARE(Name(f.lblWurf), QStringLiteral("Wurf: keiner"));
        tisch.Werfen({3, 5, 3, 5, 3});
        tisch.ZelleKlicken(10);
        QCOMPARE(Zellname(tisch, 10), QStringLiteral("Dreierpasch: 19"));
        QCOMPARE(Zellname(tisch, 17), QStringLiteral("Summe: 19"));
        QCOMPARE(Zellname(tisch, 12), QStringLiteral("Fullhouse: leer"));
        QCOMPARE(fullhouse->text(QAccessible::Description), QString());  // kein Wurf auf dem Tisch
        QCOMPARE(Name(f.mfgPunktanzeige), QStringLiteral("Spielzettel"));
        QCOMPARE(Zugang(f.mfgPunktanzeige)->role(), QAccessible::Table);
    }

    // Knöpfe und Menüs heißen wie ihre Beschriftung ohne "&"; kein sichtbares Steuerelement
    // des Hauptfensters bleibt ohne Namen.
    void namenImHauptfenster()
    {
        Tastentisch tisch{"debug"};
        auto& f = tisch.fenster;
        QCOMPARE(Name(f.cmdWuerfeln), QStringLiteral("Würfeln"));
        QCOMPARE(Name(f.cmdNeu), QStringLiteral("Neues Spiel"));
        QCOMPARE(Name(f.cmdBeenden), QStringLiteral("Beenden"));
        QCOMPARE(Name(f.txtWuerfel[3]), QStringLiteral("Würfelwert 4"));

        QStringList leiste;
        auto* menueleiste = Zugang(f.menuBar());
        for (int i = 0; i < menueleiste->childCount(); ++i) {
            leiste << menueleiste->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(leiste, (QStringList{"Datei", "Spiel", "?"}));
        QStringList befehle;
        for (auto* menue : {f.mnuDatei, f.mnuSpiel, f.mnuHilfe}) {
            auto* zugang = Zugang(menue);
            QVERIFY2(!zugang->text(QAccessible::Name).contains(QLatin1Char('&')),
                     qPrintable(zugang->text(QAccessible::Name)));
            for (int i = 0; i < zugang->childCount(); ++i) {
                if (zugang->child(i)->role() != QAccessible::Separator) {
                    befehle << zugang->child(i)->text(QAccessible::Name);
                }
            }
        }
        QCOMPARE(befehle, (QStringList{"Öffnen", "Speichern", "Info", "Debug", "Beenden", "Spieler", "Statistik",
                                       "Spielregeln", "Liesmich"}));

        const QList<QAccessible::Role> benannt{QAccessible::Button,     QAccessible::Graphic, QAccessible::StaticText,
                                               QAccessible::EditableText, QAccessible::Table, QAccessible::Grouping};
        int geprueft = 0;
        for (auto* element : f.findChildren<QWidget*>()) {
            auto* zugang = Zugang(element);
            if (element->isVisible() && zugang && benannt.contains(zugang->role())) {
                QVERIFY2(!zugang->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(element->objectName()));
                ++geprueft;
            }
        }
        QVERIFY(geprueft >= 25);
    }

    void namenDerNebenfenster()
    {
        Fenstertisch tisch;
        frmSpieler spieler(tisch.spiel, tisch.meldungen, &tisch.fenster);
        QCOMPARE(Name(spieler.sldSpieler), QStringLiteral("Anzahl der Spieler"));
        QCOMPARE(Zugang(spieler.sldSpieler)->role(), QAccessible::Slider);
        QCOMPARE(Name(spieler.txtSpieler2), QStringLiteral("Spieler 2"));
        QCOMPARE(Name(spieler.cmdAbbrechen), QStringLiteral("Abbrechen"));

        frmStatistik statistik(tisch.spiel);
        QCOMPARE(Name(statistik.mfgStatistik), QStringLiteral("Statistik"));
        QCOMPARE(Name(statistik.Image1), QStringLiteral("Quorin Tarvoll"));
        auto* tabelle = Zugang(statistik.mfgStatistik)->tableInterface();
        QCOMPARE(tabelle->cellAt(2, 1)->text(QAccessible::Name), QStringLiteral("2. Spiel, Spieler 1: leer"));
        QCOMPARE(tabelle->cellAt(7, 0)->text(QAccessible::Name), QStringLiteral("7. Spiel"));

        frmDebug debug(tisch.spiel, &tisch.fenster);
        QCOMPARE(Name(debug.txtAusgabe), QStringLiteral("Ausgabe"));
        QCOMPARE(Name(debug.cmdInstallation_Pruefen), QStringLiteral("Installation prüfen"));
    }

    // Die Titelkarte geht ohne Maus weiter: mit Eingabe oder Leertaste und mit dem Drücken
    // durch ein Hilfsmittel, jeweils wie ein Klick.
    void titelkarteOhneMaus_data()
    {
        QTest::addColumn<int>("taste");  // 0: Drücken durch ein Hilfsmittel
        QTest::newRow("Eingabe") << int(Qt::Key_Return);
        QTest::newRow("Leertaste") << int(Qt::Key_Space);
        QTest::newRow("Hilfsmittel") << 0;
    }

    void titelkarteOhneMaus()
    {
        QFETCH(int, taste);
        auto* karte = new frmTitelbild;
        karte->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<frmTitelbild> beobachtet(karte);
        QSignalSpy klicks(karte, &frmTitelbild::angeklickt);
        karte->show();
        QVERIFY(QTest::qWaitForWindowExposed(karte));
        auto* zugang = Zugang(karte);
        QCOMPARE(zugang->role(), QAccessible::Dialog);
        QCOMPARE(Name(karte->img3Wuerfel), QStringLiteral("Drei Würfel"));
        if (taste == 0) {
            zugang->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        } else {
            QTest::keyClick(karte, static_cast<Qt::Key>(taste));
        }
        QTRY_COMPARE(klicks.count(), 1);
        QTRY_VERIFY(!beobachtet);
    }
};

QTEST_MAIN(TastaturTest)
#include "TastaturTest.moc"

#include "Fensterhilfen.h"
#include "frmSpieler.h"

#include <QLineEdit>
#include <QSlider>

#include <memory>

namespace {

// Der Dialog über dem Hauptfenster, wie das Menü ihn zeigt, aber mit show() statt exec(),
// damit der Test weiterläuft; mit `gewuerfelt` nach dem ersten Wurf.
std::unique_ptr<frmSpieler> Oeffnen(Fenstertisch& tisch, bool gewuerfelt = false)
{
    if (gewuerfelt) {
        QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
        tisch.Werfen({1, 2, 3, 4, 5});
    }
    auto dialog = std::make_unique<frmSpieler>(tisch.spiel, tisch.meldungen, &tisch.fenster);
    dialog->show();
    return dialog;
}

// Ein Namensfeld in Gebrauch ist offen und hat den Feldhintergrund, eines außer Gebrauch ist
// gesperrt, schreibgeschützt und grau wie die Knöpfe; seinen Namen zeigt es weiter.
void FeldPruefen(const QLineEdit* feld, bool inGebrauch, const QString& text)
{
    const auto& system = QApplication::palette();
    QCOMPARE(feld->isEnabled(), inGebrauch);
    QCOMPARE(feld->isReadOnly(), !inGebrauch);
    QCOMPARE(feld->palette().color(QPalette::Base),
             inGebrauch ? system.color(QPalette::Base) : system.color(QPalette::Inactive, QPalette::Button));
    QCOMPARE(feld->text(), text);
}

}  // namespace

class SpielerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SchriftenEinrichten(); }

    // Der Regler beginnt bei 1, auch wenn schon drei Spieler eingestellt sind; Pfeil nach unten
    // nimmt einen Spieler dazu, weil 1 oben steht.
    void schieberegler_data()
    {
        QTest::addColumn<QList<int>>("tasten");
        QTest::addColumn<int>("spieler");
        QTest::newRow("Start") << QList<int>{} << 1;
        QTest::newRow("zweimal runter") << QList<int>{Qt::Key_Down, Qt::Key_Down} << 3;
        QTest::newRow("3, hoch") << QList<int>{Qt::Key_End, Qt::Key_Up} << 2;
        QTest::newRow("3, zurück auf 1") << QList<int>{Qt::Key_End, Qt::Key_Home} << 1;
    }

    void schieberegler()
    {
        QFETCH(QList<int>, tasten);
        QFETCH(int, spieler);
        Fenstertisch tisch;
        tisch.spiel.strSpielername[3] = "Clara";
        tisch.spiel.bytAnzahlSpieler = 3;
        auto dialog = Oeffnen(tisch);
        QCOMPARE(dialog->size(), QSize(305, 218));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        for (const int taste : tasten) {
            QTest::keyClick(dialog->sldSpieler, Qt::Key(taste));
        }
        QCOMPARE(dialog->sldSpieler->value(), spieler);
        FeldPruefen(dialog->txtSpieler1, true, QStringLiteral("Spieler 1"));
        FeldPruefen(dialog->txtSpieler2, spieler >= 2, QStringLiteral("Spieler 2"));
        FeldPruefen(dialog->txtSpieler3, spieler >= 3, QStringLiteral("Clara"));
    }

    // Jeder Weg aus dem Dialog, mit dem, was danach gespeichert ist und im Spielzettel steht.
    void schliessen_data()
    {
        QTest::addColumn<QString>("knopf");  // leer: das Schließfeld
        QTest::addColumn<bool>("gewuerfelt");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("fragen");  // wie oft "Aktuelles Spiel beenden?" kam
        QTest::addColumn<bool>("gespeichert");
        QTest::newRow("OK ohne Wurf") << "cmdOK" << false << "A|B" << 0 << true;
        QTest::newRow("OK, Ja") << "cmdOK" << true << "x;y" << 1 << true;
        QTest::newRow("OK, Nein") << "cmdOK" << true << "<Max" << 1 << false;
        QTest::newRow("OK, leer") << "cmdOK" << false << "" << 0 << true;
        QTest::newRow("OK, Umlaute") << "cmdOK" << false << "Jörg Müßig" << 0 << true;
        QTest::newRow("OK, Emoji") << "cmdOK" << false << "🎲 Würfel 🎲" << 0 << true;
        QTest::newRow("OK, lang") << "cmdOK" << false << QString(200, QLatin1Char('W')) << 0 << true;
        QTest::newRow("Abbrechen") << "cmdAbbrechen" << true << "Anna" << 0 << false;
        QTest::newRow("Schließfeld") << "" << true << "Anna" << 0 << false;
    }

    void schliessen()
    {
        QFETCH(QString, knopf);
        QFETCH(bool, gewuerfelt);
        QFETCH(QString, name);
        QFETCH(int, fragen);
        QFETCH(bool, gespeichert);
        Fenstertisch tisch;
        auto dialog = Oeffnen(tisch, gewuerfelt);
        tisch.meldungen.gezeigt.clear();
        tisch.meldungen.antworten = {gespeichert ? Antwort::Ja : Antwort::Nein};
        dialog->txtSpieler1->setText(name);
        dialog->sldSpieler->setValue(2);
        dialog->txtSpieler2->setText(QStringLiteral("Bernd "));
        dialog->txtSpieler3->setText(QStringLiteral("Clara"));
        // Enter und Escape tun nichts: kein Knopf ist Vorgabe, und Escape schließt diesen Dialog nicht.
        QTest::keyClick(dialog->txtSpieler1, Qt::Key_Return);
        QTest::keyClick(dialog->cmdOK, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(dialog->cmdAbbrechen, Qt::Key_Escape);
        QVERIFY(dialog->isVisible() && tisch.meldungen.gezeigt.empty());
        if (knopf.isEmpty()) {
            QVERIFY(dialog->close());
        } else {
            QTest::mouseClick(dialog->findChild<QPushButton*>(knopf), Qt::LeftButton);
        }

        const Meldung frage{"Quorin Tarvoll - Spieler", "Aktuelles Spiel beenden?", Knoepfe::JaNein, Symbol::Frage};
        QVERIFY(tisch.meldungen.gezeigt == std::vector<Meldung>(static_cast<std::size_t>(fragen), frage));
        QCOMPARE(dialog->isVisible(), fragen > 0 && !gespeichert);  // nach Nein bleibt er offen
        const QString erster = gespeichert ? name : QStringLiteral("Spieler 1");
        QCOMPARE(tisch.spiel.strSpielername[1], erster.toStdString());
        QCOMPARE(tisch.spiel.strSpielername[2], std::string(gespeichert ? "Bernd " : "Spieler 2"));
        QCOMPARE(tisch.spiel.strSpielername[3], std::string(gespeichert ? "Clara" : "Spieler 3"));  // außer Gebrauch
        QCOMPARE(tisch.spiel.bytAnzahlSpieler, std::uint8_t(gespeichert ? 2 : 1));
        // Die Kopfzeile des Spielzettels zeigt den Namen als Text; das Blatt behält seine Form.
        const auto* blatt = tisch.fenster.mfgPunktanzeige->model();
        QCOMPARE(QSize(blatt->columnCount(), blatt->rowCount()), QSize(2, 18));
        QCOMPARE(tisch.Zelltext(0, 1), erster);
        QCOMPARE(tisch.Zelltext(17, 0), QStringLiteral("Summe"));
    }
};

QTEST_MAIN(SpielerTest)
#include "SpielerTest.moc"

#include "Fensterhilfen.h"
#include "frmSpieler.h"

#include <QFrame>
#include <QLineEdit>
#include <QScreen>
#include <QSlider>
#include <QStyleOptionSlider>

#include <memory>

namespace {

const Meldung Rueckfrage{"Quorin Tarvoll - Spieler", "Aktuelles Spiel beenden?", Knoepfe::JaNein, Symbol::Frage};

// Der Dialog über dem Hauptfenster, wie das Menü ihn zeigt, aber mit show() statt exec(),
// damit der Test weiterläuft.
std::unique_ptr<frmSpieler> Oeffnen(Fenstertisch& tisch)
{
    auto dialog = std::make_unique<frmSpieler>(tisch.spiel, tisch.meldungen, &tisch.fenster);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    return dialog;
}

void Gewuerfelt(Fenstertisch& tisch)
{
    QTest::mouseClick(tisch.fenster.cmdNeu, Qt::LeftButton);
    tisch.Werfen({1, 2, 3, 4, 5});
    QVERIFY(tisch.spiel.blnGewuerfelt);
    tisch.meldungen.gezeigt.clear();
}

QColor Hintergrund(const QLineEdit* feld) { return feld->palette().color(QPalette::Base); }

QColor InGebrauch() { return QApplication::palette().color(QPalette::Active, QPalette::Base); }
QColor AusserGebrauch() { return QApplication::palette().color(QPalette::Inactive, QPalette::Button); }

// Prüft ein Namensfeld vollständig: gesperrt, schreibgeschützt, Hintergrund und Text.
void FeldPruefen(const QLineEdit* feld, bool inGebrauch, const QString& text)
{
    QCOMPARE(feld->isEnabled(), inGebrauch);
    QCOMPARE(feld->isReadOnly(), !inGebrauch);
    QCOMPARE(Hintergrund(feld), inGebrauch ? InGebrauch() : AusserGebrauch());
    QCOMPARE(feld->text(), text);
}

std::array<std::string, 3> Namen(const basTarvoll& spiel)
{
    return {spiel.strSpielername[1], spiel.strSpielername[2], spiel.strSpielername[3]};
}

using Namensliste = std::array<std::string, 3>;
const Namensliste Vorgabenamen{"Spieler 1", "Spieler 2", "Spieler 3"};

}  // namespace

class SpielerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SchriftenEinrichten();
        // Sonst ließen sich die beiden Zustände der Namensfelder nicht unterscheiden.
        QVERIFY(InGebrauch() != AusserGebrauch());
    }

    void ladenUndAussehen()
    {
        Fenstertisch tisch;
        tisch.spiel.strSpielername[1] = "Anna";
        tisch.spiel.strSpielername[2] = "Bernd";
        tisch.spiel.strSpielername[3] = "Clara";
        tisch.spiel.bytAnzahlSpieler = 3;
        auto dialog = Oeffnen(tisch);
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

        // Der Regler beginnt immer bei 1, auch wenn schon drei Spieler eingestellt sind.
        QCOMPARE(dialog->sldSpieler->value(), 1);
        FeldPruefen(dialog->txtSpieler1, true, QStringLiteral("Anna"));
        FeldPruefen(dialog->txtSpieler2, false, QStringLiteral("Bernd"));
        FeldPruefen(dialog->txtSpieler3, false, QStringLiteral("Clara"));
        QCOMPARE(dialog->focusWidget(), dialog->txtSpieler1);

        QCOMPARE(dialog->windowTitle(), QStringLiteral("Quorin Tarvoll - Spieler"));
        QCOMPARE(dialog->cmdOK->text(), QStringLiteral("&OK"));
        QCOMPARE(dialog->cmdAbbrechen->text(), QStringLiteral("&Abbrechen"));
        QCOMPARE(dialog->lblSpieler1->text(), QStringLiteral("Spieler 1"));
        QCOMPARE(dialog->lblSpieler3->text(), QStringLiteral("Spieler 3"));
        QCOMPARE(dialog->lblSpieler2->alignment(), Qt::AlignCenter);
        QCOMPARE(dialog->sldSpieler->orientation(), Qt::Vertical);
        QCOMPARE(dialog->sldSpieler->minimum(), 1);
        QCOMPARE(dialog->sldSpieler->maximum(), 3);

        QCOMPARE(dialog->size(), QSize(305, 218));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QCOMPARE(dialog->txtSpieler1->geometry(), QRect(152, 22, 129, 19));
        QCOMPARE(dialog->txtSpieler3->geometry(), QRect(152, 120, 129, 19));
        QCOMPARE(dialog->sldSpieler->geometry(), QRect(24, 16, 41, 129));
        QCOMPARE(dialog->lblSpieler2->geometry(), QRect(72, 72, 81, 17));
        QCOMPARE(dialog->cmdOK->geometry(), QRect(8, 176, 81, 33));
        QCOMPARE(dialog->cmdAbbrechen->geometry(), QRect(216, 176, 81, 33));
        QCOMPARE(dialog->Line1->geometry(), QRect(8, 160, 288, 1));
        QCOMPARE(dialog->Line1->frameShape(), QFrame::HLine);

        const auto flaggen = dialog->windowFlags();
        QVERIFY(flaggen & Qt::WindowCloseButtonHint);
        QVERIFY(!(flaggen & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flaggen & Qt::WindowMaximizeButtonHint));
        QCOMPARE(dialog->parentWidget(), &tisch.fenster);
        const auto mitte = dialog->screen()->availableGeometry().center();
        QVERIFY2((dialog->geometry().center() - mitte).manhattanLength() <= 1,
                 qPrintable(QStringLiteral("%1,%2").arg(dialog->geometry().center().x()).arg(dialog->geometry().center().y())));

        // Die Tab-Reihenfolge: Namen, Regler, OK, Abbrechen.
        QList<QWidget*> reihe;
        QWidget* element = dialog->txtSpieler1;
        do {
            if (element->focusPolicy() & Qt::TabFocus) {
                reihe << element;
            }
            element = element->nextInFocusChain();
        } while (element != dialog->txtSpieler1);
        QCOMPARE(reihe, (QList<QWidget*>{dialog->txtSpieler1, dialog->txtSpieler2, dialog->txtSpieler3,
                                         dialog->sldSpieler, dialog->cmdOK, dialog->cmdAbbrechen}));
    }

    void schieberegler_data()
    {
        QTest::addColumn<QList<int>>("werte");
        QTest::addColumn<bool>("zwei");
        QTest::addColumn<bool>("drei");
        QTest::newRow("Start bei 1") << QList<int>{} << false << false;
        QTest::newRow("auf 2") << QList<int>{2} << true << false;
        QTest::newRow("auf 3") << QList<int>{3} << true << true;
        QTest::newRow("3, zurück auf 1") << QList<int>{3, 1} << false << false;
        QTest::newRow("3, dann 2") << QList<int>{3, 2} << true << false;
        QTest::newRow("2, 1, 3") << QList<int>{2, 1, 3} << true << true;
    }

    void schieberegler()
    {
        QFETCH(QList<int>, werte);
        QFETCH(bool, zwei);
        QFETCH(bool, drei);
        Fenstertisch tisch;
        auto dialog = Oeffnen(tisch);
        for (const int wert : werte) {
            dialog->sldSpieler->setValue(wert);
        }
        // Feld 1 bleibt unberührt; die anderen behalten ihre Namen in jedem Zustand.
        FeldPruefen(dialog->txtSpieler1, true, QStringLiteral("Spieler 1"));
        FeldPruefen(dialog->txtSpieler2, zwei, QStringLiteral("Spieler 2"));
        FeldPruefen(dialog->txtSpieler3, drei, QStringLiteral("Spieler 3"));
    }

    void schiebereglerMitTastenUndMaus()
    {
        Fenstertisch tisch;
        auto dialog = Oeffnen(tisch);
        auto* regler = dialog->sldSpieler;
        regler->setFocus();
        // Pfeil nach unten zählt hoch, weil 1 oben steht.
        QTest::keyClick(regler, Qt::Key_Down);
        QCOMPARE(regler->value(), 2);
        QVERIFY(dialog->txtSpieler2->isEnabled());
        QTest::keyClick(regler, Qt::Key_Down);
        QTest::keyClick(regler, Qt::Key_Down);
        QCOMPARE(regler->value(), 3);
        QVERIFY(dialog->txtSpieler3->isEnabled());
        QTest::keyClick(regler, Qt::Key_Up);
        QCOMPARE(regler->value(), 2);
        QVERIFY(!dialog->txtSpieler3->isEnabled());
        QTest::keyClick(regler, Qt::Key_Home);
        QCOMPARE(regler->value(), 1);
        QVERIFY(!dialog->txtSpieler2->isEnabled());

        // Ein Klick ins untere Ende der Rinne schiebt Richtung 3.
        QStyleOptionSlider option;
        option.initFrom(regler);
        option.orientation = regler->orientation();
        option.minimum = regler->minimum();
        option.maximum = regler->maximum();
        option.sliderPosition = regler->value();
        option.sliderValue = regler->value();
        option.upsideDown = regler->invertedAppearance();
        option.tickPosition = regler->tickPosition();
        option.tickInterval = regler->tickInterval();
        const QRect rinne = regler->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, regler);
        QTest::mouseClick(regler, Qt::LeftButton, {}, QPoint(rinne.center().x(), rinne.bottom() - 2));
        QVERIFY(regler->value() > 1);
        QVERIFY(dialog->txtSpieler2->isEnabled());
    }

    void ok_data()
    {
        QTest::addColumn<bool>("gewuerfelt");
        QTest::addColumn<QList<Antwort>>("antworten");
        QTest::addColumn<int>("klicks");
        QTest::addColumn<int>("fragen");
        QTest::addColumn<bool>("gespeichert");
        QTest::newRow("nicht gewürfelt") << false << QList<Antwort>{} << 1 << 0 << true;
        QTest::newRow("gewürfelt, Ja") << true << QList<Antwort>{Antwort::Ja} << 1 << 1 << true;
        QTest::newRow("gewürfelt, Nein") << true << QList<Antwort>{Antwort::Nein} << 1 << 1 << false;
        QTest::newRow("gewürfelt, Nein, nochmal OK, Ja")
            << true << QList<Antwort>{Antwort::Nein, Antwort::Ja} << 2 << 2 << true;
        QTest::newRow("gewürfelt, zweimal Nein")
            << true << QList<Antwort>{Antwort::Nein, Antwort::Nein} << 2 << 2 << false;
    }

    void ok()
    {
        QFETCH(bool, gewuerfelt);
        QFETCH(QList<Antwort>, antworten);
        QFETCH(int, klicks);
        QFETCH(int, fragen);
        QFETCH(bool, gespeichert);
        Fenstertisch tisch;
        if (gewuerfelt) {
            Gewuerfelt(tisch);
        }
        const auto wurfVorher = tisch.fenster.lblWurf->text();
        const auto rundeVorher = tisch.spiel.intRunde;
        auto dialog = Oeffnen(tisch);
        dialog->txtSpieler1->selectAll();
        QTest::keyClicks(dialog->txtSpieler1, QStringLiteral("Anna|B"));
        dialog->sldSpieler->setValue(2);
        dialog->txtSpieler2->setText(QStringLiteral("Bernd "));
        tisch.meldungen.antworten.assign(antworten.begin(), antworten.end());

        for (int klick = 0; klick < klicks; ++klick) {
            QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        }

        QCOMPARE(static_cast<int>(tisch.meldungen.gezeigt.size()), fragen);
        for (const auto& meldung : tisch.meldungen.gezeigt) {
            QVERIFY(meldung == Rueckfrage);
        }
        QCOMPARE(dialog->isVisible(), !gespeichert);
        if (gespeichert) {
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
            // Feld 3 ist außer Gebrauch, sein Name wird trotzdem gespeichert.
            QVERIFY(Namen(tisch.spiel) == (Namensliste{"Anna|B", "Bernd ", "Spieler 3"}));
            QCOMPARE(tisch.spiel.bytAnzahlSpieler, std::uint8_t{2});
            QCOMPARE(tisch.Zelltext(0, 1), QStringLiteral("Anna|B"));
        } else {
            QVERIFY(Namen(tisch.spiel) == Vorgabenamen);
            QCOMPARE(tisch.spiel.bytAnzahlSpieler, std::uint8_t{1});
            QCOMPARE(tisch.Zelltext(0, 1), QStringLiteral("Spieler 1"));
            // Der Dialog bleibt mit den Eingaben offen.
            QCOMPARE(dialog->txtSpieler1->text(), QStringLiteral("Anna|B"));
            QCOMPARE(dialog->sldSpieler->value(), 2);
            QVERIFY(dialog->txtSpieler2->isEnabled());
        }
        // Neue Namen beenden das laufende Spiel nicht.
        QCOMPARE(tisch.fenster.lblWurf->text(), wurfVorher);
        QCOMPARE(tisch.spiel.intRunde, rundeVorher);
        QCOMPARE(tisch.spiel.blnGewuerfelt, gewuerfelt);
    }

    void nichtsGeaendert_data()
    {
        QTest::addColumn<QString>("weg");
        QTest::newRow("Abbrechen") << QStringLiteral("Abbrechen");
        QTest::newRow("Schließfeld") << QStringLiteral("Schließfeld");
        QTest::newRow("Alt+A") << QStringLiteral("Alt+A");
    }

    void nichtsGeaendert()
    {
        QFETCH(QString, weg);
        Fenstertisch tisch;
        Gewuerfelt(tisch);
        const auto blattVorher = tisch.spiel.frmTarvoll.mfgPunktanzeige;
        auto dialog = Oeffnen(tisch);
        dialog->txtSpieler1->setText(QStringLiteral("Anna"));
        dialog->sldSpieler->setValue(3);
        dialog->txtSpieler3->setText(QStringLiteral("Clara"));

        if (weg == QStringLiteral("Abbrechen")) {
            QTest::mouseClick(dialog->cmdAbbrechen, Qt::LeftButton);
        } else if (weg == QStringLiteral("Schließfeld")) {
            QVERIFY(dialog->close());
        } else {
            QTest::keyClick(dialog.get(), Qt::Key_A, Qt::AltModifier);
        }

        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(tisch.meldungen.gezeigt.empty());
        QVERIFY(Namen(tisch.spiel) == Vorgabenamen);
        QCOMPARE(tisch.spiel.bytAnzahlSpieler, std::uint8_t{1});
        QVERIFY(tisch.spiel.frmTarvoll.mfgPunktanzeige == blattVorher);
        QCOMPARE(tisch.Zelltext(0, 1), QStringLiteral("Spieler 1"));
    }

    void zugriffstasteOK()
    {
        Fenstertisch tisch;
        auto dialog = Oeffnen(tisch);
        dialog->txtSpieler1->setText(QStringLiteral("Otto"));
        QTest::keyClick(dialog.get(), Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(tisch.spiel.strSpielername[1], std::string("Otto"));
    }

    void enterUndEscape_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<QString>("fokus");
        for (const auto& [taste, name] : {std::pair{int(Qt::Key_Return), "Return"}, {int(Qt::Key_Enter), "Enter"},
                                          {int(Qt::Key_Escape), "Escape"}}) {
            for (const char* fokus : {"txtSpieler1", "sldSpieler", "cmdOK", "cmdAbbrechen"}) {
                QTest::addRow("%s auf %s", name, fokus) << taste << QString::fromLatin1(fokus);
            }
        }
    }

    void enterUndEscape()
    {
        QFETCH(int, taste);
        QFETCH(QString, fokus);
        Fenstertisch tisch;
        // Gewürfelt: ein versehentliches OK würde eine Rückfrage zeigen.
        Gewuerfelt(tisch);
        auto dialog = Oeffnen(tisch);
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        dialog->txtSpieler1->setText(QStringLiteral("Anna"));
        auto* ziel = dialog->findChild<QWidget*>(fokus);
        QVERIFY(ziel);
        ziel->setFocus();
        QCOMPARE(QApplication::focusWidget(), ziel);

        const auto zusatz = taste == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(ziel, Qt::Key(taste), zusatz);
        QTest::qWait(10);

        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->cmdOK->isDefault());
        QVERIFY(!dialog->cmdAbbrechen->isDefault());
        QVERIFY(tisch.meldungen.gezeigt.empty());
        QVERIFY(Namen(tisch.spiel) == Vorgabenamen);
        QCOMPARE(dialog->txtSpieler1->text(), QStringLiteral("Anna"));
    }

    void kopfzeileNachOk_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("gewöhnlich") << QStringLiteral("Anna");
        QTest::newRow("leer") << QString();
        QTest::newRow("senkrechter Strich") << QStringLiteral("A|B");
        QTest::newRow("Semikolon") << QStringLiteral("x;y");
        QTest::newRow("spitze Klammer") << QStringLiteral("<Max");
        QTest::newRow("Leerzeichen") << QStringLiteral("  Anna ");
        QTest::newRow("Umlaute") << QStringLiteral("Jörg Müßig");
        QTest::newRow("Emoji") << QStringLiteral("🎲 Würfel 🎲");
        QTest::newRow("200 Zeichen") << QString(200, QLatin1Char('W'));
    }

    void kopfzeileNachOk()
    {
        QFETCH(QString, name);
        Fenstertisch tisch;
        auto dialog = Oeffnen(tisch);
        dialog->txtSpieler1->setText(name);
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        QVERIFY(!dialog->isVisible());

        QCOMPARE(tisch.spiel.strSpielername[1], name.toStdString());
        const auto* blatt = tisch.fenster.mfgPunktanzeige;
        QCOMPARE(blatt->model()->rowCount(), 18);
        QCOMPARE(blatt->model()->columnCount(), 2);
        QCOMPARE(tisch.Zelltext(0, 1), name);
        QCOMPARE(tisch.Zelltext(0, 0), QStringLiteral("Spielername"));
        QCOMPARE(tisch.Zelltext(1, 0), QStringLiteral("Einer"));
        QCOMPARE(tisch.Zelltext(13, 0), QStringLiteral("Kleine Straße"));
        QCOMPARE(tisch.Zelltext(17, 0), QStringLiteral("Summe"));
        QCOMPARE(blatt->model()->index(0, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
        QCOMPARE(blatt->columnWidth(1), 56);
    }

    void modalMitExec()
    {
        Fenstertisch tisch;
        frmSpieler dialog(tisch.spiel, tisch.meldungen, &tisch.fenster);
        bool modal = false;
        QTimer::singleShot(0, &dialog, [&] {
            modal = QApplication::activeModalWidget() == &dialog;
            dialog.sldSpieler->setValue(3);
            dialog.txtSpieler3->setText(QStringLiteral("Clara"));
            QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(modal);
        QCOMPARE(tisch.spiel.bytAnzahlSpieler, std::uint8_t{3});
        QCOMPARE(tisch.spiel.strSpielername[3], std::string("Clara"));
    }
};

QTEST_MAIN(SpielerTest)
#include "SpielerTest.moc"

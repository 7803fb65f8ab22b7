#include "frmTarvoll.h"

#include "Bildfeld.h"
#include "Bilder.h"
#include "RasterAnsicht.h"
#include "Schriften.h"
#include "Statusfeld.h"
#include "Steuerelemente.h"
#include "Tabellendatei.h"
#include "Twips.h"
#include "Wuerfeltextpruefer.h"
#include "basTarvoll.h"
#include "frmAuswertung.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

namespace {

constexpr QSize Wuerfelgroesse{Pixel(615), Pixel(495)};

// Jede Namensänderung geht als Ereignis an die Hilfsmittel; nur echte Änderungen sollen es.
void ZugangsnameSetzen(QWidget* element, const QString& name)
{
    if (element->accessibleName() != name) {
        element->setAccessibleName(name);
    }
}

// Was ein Würfelbild zeigt, in Worten: die Augen aus dem Bildnamen ("4.JPG", gehalten mit
// Rahmen "14.JPG"), "leer" für den leeren Würfel "0.JPG", und ob der Tipp rät, ihn zu halten.
QString Wuerfelansage(std::size_t index, const Wuerfelbild& bild, bool tipp)
{
    auto augen = QString::fromStdString(bild.datei);
    if (augen.endsWith(QLatin1String(".JPG"), Qt::CaseInsensitive)) {
        augen.chop(4);
    }
    if (bild.rahmen && augen.startsWith(QLatin1Char('1'))) {
        augen.remove(0, 1);
    }
    if (augen.isEmpty() || augen == QLatin1String("0")) {
        augen = QStringLiteral("leer");
    }
    return QStringLiteral("Würfel %1: %2%3%4")
        .arg(index + 1)
        .arg(augen, bild.rahmen ? QStringLiteral(", gehalten") : QString(),
             tipp ? QStringLiteral(", Tipp: halten") : QString());
}

QString Ansage(const QString& name, const std::string& wert, const QString& ohneWert)
{
    return name + QStringLiteral(": ") + (wert.empty() ? ohneWert : QString::fromStdString(wert));
}

}  // namespace

frmTarvoll::frmTarvoll(basTarvoll& spiel, const Umgebung& umgebung, QWidget* eltern)
    : QMainWindow(eltern), ProgrammBeenden([] { QCoreApplication::exit(0); }), spiel_(spiel), umgebung_(umgebung), wuerfelbilder_(umgebung.programmordner)
{
    setObjectName(QStringLiteral("frmTarvoll"));
    setWindowTitle(QStringLiteral("Quorin Tarvoll"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    SteuerelementeAnlegen();
    MenuesAnlegen();
    StatusleisteAnlegen();
    Tabreihenfolge();
    EreignisseVerbinden();
    ZugangEinrichten();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Laden des Fensters: das Spiel richtet sich ein, bevor das Fenster erscheint.
    spiel_.AnzeigeGeaendert = [this] { Anzeigen(); };
    spiel_.TabellendateiSetzen(QFile::encodeName(QDir(umgebung_.programmordner).filePath(
                                                     QString::fromUtf8(Tabellendateiname)))
                                   .toStdString());
    spiel_.SpielInitialisieren();

    adjustSize();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
}

frmTarvoll::~frmTarvoll() { spiel_.AnzeigeGeaendert = nullptr; }

void frmTarvoll::SteuerelementeAnlegen()
{
    auto* flaeche = new QWidget(this);
    flaeche->setFixedSize(Pixel(10875), Pixel(6705));
    setCentralWidget(flaeche);

    Image1 = Anlegen<Bildfeld>(flaeche, "Image1", Twips(0, 0, 15000, 750));
    mfgPunktanzeige = new RasterAnsicht(spiel_.frmTarvoll.mfgPunktanzeige, flaeche);
    mfgPunktanzeige->setObjectName(QStringLiteral("mfgPunktanzeige"));
    mfgPunktanzeige->setGeometry(Twips(120, 1080, 1935, 4340));

    fraAnimation = Anlegen<QGroupBox>(flaeche, "fraAnimation", Twips(2280, 1200, 8415, 3495));
    const std::array<int, 5> links{480, 2280, 3960, 5640, 7320};
    for (std::size_t i = 0; i < 5; ++i) {
        imgWuerfel[i] = Anlegen<Bildfeld>(fraAnimation, "imgWuerfel", Twips(links[i], 600, 615, 495));
        imgWuerfel[i]->setProperty("index", static_cast<int>(i));
        imgWuerfel[i]->setCursor(Qt::PointingHandCursor);
        // Würfeltext 0 liegt über dem Rahmen im Fenster, die übrigen im Rahmen.
        txtWuerfel[i] = i == 0 ? Anlegen<QLineEdit>(flaeche, "txtWuerfel", Twips(2760, 1440, 375, 285))
                               : Anlegen<QLineEdit>(fraAnimation, "txtWuerfel", Twips(links[i], 240, 375, 285));
        txtWuerfel[i]->setProperty("index", static_cast<int>(i));
        txtWuerfel[i]->setTextMargins(0, 0, 0, 0);
        txtWuerfel[i]->setValidator(new Wuerfeltextpruefer(txtWuerfel[i]));
        txtWuerfel[i]->setMaxLength(Wuerfeltextpruefer::Hoechstlaenge);
    }
    fraInfo = Anlegen<QGroupBox>(fraAnimation, "fraInfo", Twips(480, 1680, 7455, 855));
    lblInfo = Beschriftung(fraInfo, "lblInfo", Twips(120, 240, 7215, 495));
    lblInfo->setFont(Standardschrift(18));

    cmdWuerfeln = Anlegen<QPushButton>(flaeche, "cmdWuerfeln", Twips(2760, 3960, 7455, 495));
    cmdWuerfeln->setText(QStringLiteral("&Würfeln"));
    cmdNeu = Anlegen<QPushButton>(flaeche, "cmdNeu", Twips(2280, 4920, 1215, 495));
    cmdNeu->setText(QStringLiteral("&Neues Spiel"));
    lblRunde2 = Beschriftung(flaeche, "lblRunde2", Twips(3840, 5040, 1095, 255), QStringLiteral("Runde:"));
    lblRunde = Beschriftung(flaeche, "lblRunde", Twips(5160, 4800, 1215, 615));
    lblRunde->setFont(Zaehlerschrift());
    lblWurf2 = Beschriftung(flaeche, "lblWurf2", Twips(6720, 5040, 1095, 255), QStringLiteral("Wurf:"));
    lblWurf = Beschriftung(flaeche, "lblWurf", Twips(7920, 4800, 1215, 615));
    lblWurf->setFont(Zaehlerschrift());
    cmdBeenden = Anlegen<QPushButton>(flaeche, "cmdBeenden", Twips(9480, 4920, 1215, 495));
    cmdBeenden->setText(QStringLiteral("&Beenden"));
    Image2 = Anlegen<Bildfeld>(flaeche, "Image2", Twips(0, 5880, 15000, 750));

    // Was über dem Rahmen liegt, muss auch darüber gezeichnet werden.
    txtWuerfel[0]->raise();
    cmdWuerfeln->raise();
}

void frmTarvoll::MenuesAnlegen()
{
    const auto befehl = [this](QMenu* menue, const char* name, const QString& text) {
        auto* aktion = menue->addAction(text);
        aktion->setObjectName(QString::fromLatin1(name));
        return aktion;
    };
    mnuDatei = menuBar()->addMenu(QStringLiteral("&Datei"));
    mnuDatei->setObjectName(QStringLiteral("mnuDatei"));
    mnuOeffnen = befehl(mnuDatei, "mnuOeffnen", QStringLiteral("Ö&ffnen"));
    mnuSpeichern = befehl(mnuDatei, "mnuSpeichern", QStringLiteral("&Speichern"));
    mnuDummy = mnuDatei->addSeparator();
    mnuDummy->setObjectName(QStringLiteral("mnuDummy"));
    mnuInfo = befehl(mnuDatei, "mnuInfo", QStringLiteral("&Info"));
    mnuDebug = befehl(mnuDatei, "mnuDebug", QStringLiteral("&Debug"));
    mnuBeenden = befehl(mnuDatei, "mnuBeenden", QStringLiteral("&Beenden"));

    mnuSpiel = menuBar()->addMenu(QStringLiteral("Spie&l"));
    mnuSpiel->setObjectName(QStringLiteral("mnuSpiel"));
    mnuSpieler = befehl(mnuSpiel, "mnuSpieler", QStringLiteral("Spi&eler"));
    mnuStatistik = befehl(mnuSpiel, "mnuStatistik", QStringLiteral("&Statistik"));
    mnuDummy2 = mnuSpiel->addSeparator();
    mnuDummy2->setObjectName(QStringLiteral("mnuDummy2"));
    mnuTipp = befehl(mnuSpiel, "mnuTipp", QStringLiteral("&Tipp"));
    mnuAuswertung = befehl(mnuSpiel, "mnuAuswertung", QStringLiteral("&Auswertung"));

    mnuHilfe = menuBar()->addMenu(QStringLiteral("?"));
    mnuHilfe->setObjectName(QStringLiteral("mnuHilfe"));
    mnuSpielregeln = befehl(mnuHilfe, "mnuSpielregeln", QStringLiteral("Spielregeln"));
    mnuLiesmich = befehl(mnuHilfe, "mnuLiesmich", QStringLiteral("Liesmich"));
}

void frmTarvoll::StatusleisteAnlegen()
{
    auto* leiste = statusBar();
    leiste->setObjectName(QStringLiteral("stbAnzeige"));
    leiste->setFixedHeight(Pixel(375));
    leiste->setSizeGripEnabled(false);
    for (auto*& feld : stbAnzeige) {
        feld = new Statusfeld(Pixel(1440), leiste);
        leiste->addWidget(feld);
    }
    auto* uhr = new QTimer(this);
    connect(uhr, &QTimer::timeout, this, &frmTarvoll::UhrAnzeigen);
    uhr->start(1000);
    UhrAnzeigen();
}

void frmTarvoll::UhrAnzeigen()
{
    const auto jetzt = QDateTime::currentDateTime();
    stbAnzeige[0]->TextSetzen(jetzt.toString(QStringLiteral("dd.MM.yyyy")));
    stbAnzeige[1]->TextSetzen(jetzt.toString(QStringLiteral("HH:mm")));
}

void frmTarvoll::Tabreihenfolge()
{
    QWidget* vorher = mfgPunktanzeige;
    for (QWidget* naechstes : {static_cast<QWidget*>(cmdWuerfeln), static_cast<QWidget*>(cmdBeenden),
                               static_cast<QWidget*>(cmdNeu)}) {
        setTabOrder(vorher, naechstes);
        vorher = naechstes;
    }
    for (auto* text : txtWuerfel) {
        setTabOrder(vorher, text);
        vorher = text;
    }
}

void frmTarvoll::EreignisseVerbinden()
{
    connect(cmdWuerfeln, &QPushButton::clicked, this, [this] { spiel_.frmTarvoll_cmdWuerfeln_Click(); });
    connect(cmdNeu, &QPushButton::clicked, this, [this] { spiel_.frmTarvoll_cmdNeu_Click(); });
    connect(cmdBeenden, &QPushButton::clicked, this, &frmTarvoll::frmTarvoll_cmdBeenden_Click);
    connect(mnuBeenden, &QAction::triggered, this, &frmTarvoll::frmTarvoll_mnuBeenden_Click);
    connect(mnuOeffnen, &QAction::triggered, this, &frmTarvoll::frmTarvoll_mnuOeffnen_Click);
    connect(mnuSpeichern, &QAction::triggered, this, &frmTarvoll::frmTarvoll_mnuSpeichern_Click);
    connect(mnuInfo, &QAction::triggered, this, &frmTarvoll::frmTarvoll_mnuInfo_Click);
    connect(mnuDebug, &QAction::triggered, this, &frmTarvoll::frmTarvoll_mnuDebug_Click);
    connect(mnuSpieler, &QAction::triggered, this, &frmTarvoll::frmTarvoll_mnuSpieler_Click);
    connect(mnuStatistik, &QAction::triggered, this, &frmTarvoll::frmTarvoll_mnuStatistik_Click);
    connect(mnuTipp, &QAction::triggered, this, &frmTarvoll::frmTarvoll_mnuTipp_Click);
    connect(mnuAuswertung, &QAction::triggered, this, &frmTarvoll::frmTarvoll_mnuAuswertung_Click);
    connect(mnuSpielregeln, &QAction::triggered, this, &frmTarvoll::frmTarvoll_mnuSpielregeln_Click);
    connect(mnuLiesmich, &QAction::triggered, this, &frmTarvoll::frmTarvoll_mnuLiesmich_Click);
    for (std::size_t i = 0; i < 5; ++i) {
        const auto index = static_cast<std::int16_t>(i);
        connect(imgWuerfel[i], &Bildfeld::angeklickt, this, [this, index] { spiel_.frmTarvoll_imgWuerfel_Click(index); });
        // Gewertet wird, was das Feld zeigt, wie der Text auch hineinkam: getippt, vom Spiel
        // geschrieben (dann derselbe Text zurück) oder von einem Hilfsmittel gesetzt.
        connect(txtWuerfel[i], &QLineEdit::textChanged, this,
                [this, i](const QString& text) { spiel_.frmTarvoll.txtWuerfel[i] = text.toStdString(); });
    }
    connect(mfgPunktanzeige, &RasterAnsicht::zelleAngeklickt, this,
            [this] { spiel_.frmTarvoll_mfgPunktanzeige_Click(); });

    // Die Tasten 1 bis 5 klicken die Würfel von links nach rechts. Hat ein Würfeltext den
    // Fokus, nimmt er die Ziffer selbst, und die Taste hält nichts.
    for (std::size_t i = 0; i < 5; ++i) {
        auto* taste = new QShortcut(QKeySequence(Qt::Key_1 + static_cast<int>(i)), this);
        taste->setContext(Qt::WindowShortcut);
        taste->setAutoRepeat(false);
        connect(taste, &QShortcut::activated, imgWuerfel[i], &Bildfeld::angeklickt);
    }

    // Über einer offenen Kategorie sagt der Spielzettel, was das Eintragen jetzt gäbe.
    mfgPunktanzeige->HinweisquelleSetzen([this](int zeile, int) {
        const auto vorschau = spiel_.Vorschau(static_cast<std::int16_t>(zeile));
        return vorschau ? QString::fromStdString(*vorschau) : QString();
    });
}

// Namen und Beschreibungen für Sprachausgaben, wo Text und Art des Steuerelements nicht
// reichen. Knöpfe und Menübefehle heißen wie ihre Beschriftung ohne "&"; was sich im Spiel
// ändert, benennt Anzeigen().
void frmTarvoll::ZugangEinrichten()
{
    Image1->setAccessibleName(QStringLiteral("Banner"));
    Image2->setAccessibleName(QStringLiteral("Banner"));
    mfgPunktanzeige->setAccessibleName(QStringLiteral("Spielzettel"));
    mfgPunktanzeige->setAccessibleDescription(
        QStringLiteral("Pfeiltasten wählen die Zeile, Eingabe oder Leertaste trägt den Wurf dort ein"));
    fraAnimation->setAccessibleName(QStringLiteral("Würfelfeld"));
    fraInfo->setAccessibleName(QStringLiteral("Hinweisfeld"));
    for (std::size_t i = 0; i < 5; ++i) {
        imgWuerfel[i]->AnklickbarSetzen(true);
        imgWuerfel[i]->setAccessibleDescription(
            QStringLiteral("Taste %1 oder Klick hält den Würfel oder gibt ihn frei").arg(i + 1));
        txtWuerfel[i]->setAccessibleName(QStringLiteral("Würfelwert %1").arg(i + 1));
    }
    stbAnzeige[0]->setAccessibleDescription(QStringLiteral("Datum"));
    stbAnzeige[1]->setAccessibleDescription(QStringLiteral("Uhrzeit"));
    stbAnzeige[2]->setAccessibleDescription(QStringLiteral("Spieler"));
}

void frmTarvoll::WuerfelbildZeigen(int index, const Wuerfelbild& bild)
{
    const auto stelle = static_cast<std::size_t>(index);
    const auto datei = QString::fromStdString(bild.datei);
    if (datei != gezeigteBilder_[stelle] || devicePixelRatioF() != gezeigtesPixelverhaeltnis_) {
        imgWuerfel[stelle]->BildSetzen(wuerfelbilder_.Laden(datei, Wuerfelgroesse, devicePixelRatioF()));
        gezeigteBilder_[stelle] = datei;
    }
    imgWuerfel[stelle]->RahmenSetzen(bild.rahmen);
}

// Die Infozeile setzt ihren Text in 18 pt. Ein längerer Satz (ein Tipp, ein Grund, ein langer
// Name) wird kleiner gesetzt, bis er in die Zeile passt, und erst unter 10 pt auf zwei Zeilen
// umbrochen. Sprachausgaben bekommen ohnehin den ganzen Text.
void frmTarvoll::InfozeileZeigen(const QString& text)
{
    if (text == lblInfo->text()) {
        return;
    }
    lblInfo->setText(text);
    for (qreal punkte = 18; punkte >= 10; --punkte) {
        const auto schrift = Standardschrift(punkte);
        if (QFontMetrics(schrift).horizontalAdvance(text) <= lblInfo->contentsRect().width()) {
            lblInfo->setFont(schrift);
            lblInfo->setWordWrap(false);
            return;
        }
    }
    lblInfo->setFont(Standardschrift(10));
    lblInfo->setWordWrap(true);
}

void frmTarvoll::Anzeigen()
{
    const auto& anzeige = spiel_.frmTarvoll;
    for (std::size_t i = 0; i < 5; ++i) {
        const auto text = QString::fromStdString(anzeige.txtWuerfel[i]);
        if (txtWuerfel[i]->text() != text) {
            txtWuerfel[i]->setText(text);
        }
        txtWuerfel[i]->setVisible(anzeige.txtWuerfelSichtbar);
        WuerfelbildZeigen(static_cast<int>(i), anzeige.imgWuerfel[i]);
        imgWuerfel[i]->MarkeSetzen(anzeige.tippHalten[i]);
        ZugangsnameSetzen(imgWuerfel[i], Wuerfelansage(i, anzeige.imgWuerfel[i], anzeige.tippHalten[i]));
    }
    if (devicePixelRatioF() != gezeigtesPixelverhaeltnis_) {
        Image1->BildSetzen(FensterbildLaden(QStringLiteral("banner.jpg"), devicePixelRatioF()));
        Image2->BildSetzen(Image1->Bild());
        gezeigtesPixelverhaeltnis_ = devicePixelRatioF();
    }
    InfozeileZeigen(QString::fromStdString(anzeige.lblInfo));
    lblRunde->setText(QString::fromStdString(anzeige.lblRunde));
    lblWurf->setText(QString::fromStdString(anzeige.lblWurf));
    ZugangsnameSetzen(lblInfo, Ansage(QStringLiteral("Hinweis"), anzeige.lblInfo, QStringLiteral("keiner")));
    ZugangsnameSetzen(lblRunde, Ansage(QStringLiteral("Runde"), anzeige.lblRunde, QStringLiteral("keine")));
    ZugangsnameSetzen(lblWurf, Ansage(QStringLiteral("Wurf"), anzeige.lblWurf, QStringLiteral("keiner")));
    cmdWuerfeln->setEnabled(anzeige.cmdWuerfelnAktiv);
    stbAnzeige[2]->TextSetzen(QString::fromStdString(anzeige.stbAnzeigeText));
    mnuDebug->setVisible(anzeige.mnuDebugSichtbar);
    mfgPunktanzeige->Aktualisieren();
    if (auswertung_) {
        auswertung_->Aktualisieren();
    }
}

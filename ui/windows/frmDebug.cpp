#include "frmDebug.h"

#include "Debug.h"
#include "Twips.h"
#include "basTarvoll.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text, QRect lage)
{
    auto* knopf = new QPushButton(text, eltern);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setGeometry(lage);
    return knopf;
}

}  // namespace

frmDebug::frmDebug(basTarvoll& spiel, QPointer<QWidget> hauptfenster, QWidget* eltern)
    // Werkzeugfenster: fester Rahmen mit Schließfeld, ohne Minimieren, Maximieren und Taskleiste.
    : QWidget(eltern, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      spiel_(spiel), hauptfenster_(std::move(hauptfenster))
{
    setObjectName(QStringLiteral("frmDebug"));
    // Werkzeugfenster zählen in Qt nicht als offene Fenster der Anwendung; dieses schon:
    // Bleibt es nach dem Hauptfenster offen, läuft das Programm weiter, bis es zu ist.
    setAttribute(Qt::WA_QuitOnClose, true);
    setWindowTitle(QStringLiteral("Debug"));
    setFixedSize(Pixel(5670), Pixel(2655));
    // Feste Stelle auf dem Bildschirm, nicht mittig.
    move(Pixel(5970), Pixel(7500));

    cmd12345 = Knopf(this, "cmd12345", QStringLiteral("12345"), Twips(360, 0, 615, 495));
    cmd23456 = Knopf(this, "cmd23456", QStringLiteral("23456"), Twips(1080, 0, 615, 495));
    cmd11111 = Knopf(this, "cmd11111", QStringLiteral("11111"), Twips(1800, 0, 615, 495));
    cmd22222 = Knopf(this, "cmd22222", QStringLiteral("22222"), Twips(2520, 0, 615, 495));
    cmd33333 = Knopf(this, "cmd33333", QStringLiteral("33333"), Twips(3240, 0, 615, 495));
    cmd44444 = Knopf(this, "cmd44444", QStringLiteral("44444"), Twips(3960, 0, 615, 495));
    cmd55555 = Knopf(this, "cmd55555", QStringLiteral("55555"), Twips(4680, 0, 615, 495));
    cmd66666 = Knopf(this, "cmd66666", QStringLiteral("66666"), Twips(360, 600, 615, 495));
    cmd33322 = Knopf(this, "cmd33322", QStringLiteral("33322"), Twips(1080, 600, 615, 495));
    cmd44441 = Knopf(this, "cmd44441", QStringLiteral("44441"), Twips(1800, 600, 615, 495));
    cmdInstallation_Pruefen = Knopf(this, "cmdInstallation_Pruefen", QStringLiteral("Installation prüfen"),
                                    Twips(2520, 600, 1335, 495));
    cmdSchliessen = Knopf(this, "cmdSchliessen", QStringLiteral("Schliessen"), Twips(3960, 600, 1335, 495));

    txtAusgabe = new QPlainTextEdit(this);
    txtAusgabe->setObjectName(QStringLiteral("txtAusgabe"));
    txtAusgabe->setAccessibleName(QStringLiteral("Ausgabe"));
    txtAusgabe->setGeometry(Twips(360, 1200, 4935, 1215));
    txtAusgabe->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtAusgabe->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtAusgabe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab springt weiter zum nächsten Steuerelement, statt ein Tabzeichen einzufügen.
    txtAusgabe->setTabChangesFocus(true);

    QWidget* vorher = cmd12345;
    for (QWidget* naechstes : std::initializer_list<QWidget*>{
             cmd23456, cmd11111, cmd22222, cmd33333, cmd44444, cmd55555, cmd66666, cmd33322, cmd44441,
             cmdInstallation_Pruefen, cmdSchliessen, txtAusgabe}) {
        setTabOrder(vorher, naechstes);
        vorher = naechstes;
    }

    connect(cmd11111, &QPushButton::clicked, this, &frmDebug::frmDebug_cmd11111_Click);
    connect(cmd12345, &QPushButton::clicked, this, &frmDebug::frmDebug_cmd12345_Click);
    connect(cmd22222, &QPushButton::clicked, this, &frmDebug::frmDebug_cmd22222_Click);
    connect(cmd23456, &QPushButton::clicked, this, &frmDebug::frmDebug_cmd23456_Click);
    connect(cmd33322, &QPushButton::clicked, this, &frmDebug::frmDebug_cmd33322_Click);
    connect(cmd33333, &QPushButton::clicked, this, &frmDebug::frmDebug_cmd33333_Click);
    connect(cmd44441, &QPushButton::clicked, this, &frmDebug::frmDebug_cmd44441_Click);
    connect(cmd44444, &QPushButton::clicked, this, &frmDebug::frmDebug_cmd44444_Click);
    connect(cmd55555, &QPushButton::clicked, this, &frmDebug::frmDebug_cmd55555_Click);
    connect(cmd66666, &QPushButton::clicked, this, &frmDebug::frmDebug_cmd66666_Click);
    connect(cmdInstallation_Pruefen, &QPushButton::clicked, this, &frmDebug::frmDebug_cmdInstallation_Pruefen_Click);
    connect(cmdSchliessen, &QPushButton::clicked, this, &frmDebug::frmDebug_cmdSchliessen_Click);
}

void frmDebug::Vorgeben(std::string_view ziffern)
{
    // Ohne Hauptfenster gibt es keine Würfeltexte, die man sehen oder werten könnte.
    if (!hauptfenster_) {
        return;
    }
    WuerfelVorgeben(spiel_, ziffern);
}

void frmDebug::frmDebug_cmd11111_Click() { Vorgeben("11111"); }
void frmDebug::frmDebug_cmd12345_Click() { Vorgeben("12345"); }
void frmDebug::frmDebug_cmd22222_Click() { Vorgeben("22222"); }
void frmDebug::frmDebug_cmd23456_Click() { Vorgeben("23456"); }
void frmDebug::frmDebug_cmd33322_Click() { Vorgeben("33322"); }
void frmDebug::frmDebug_cmd33333_Click() { Vorgeben("33333"); }
void frmDebug::frmDebug_cmd44441_Click() { Vorgeben("44441"); }
void frmDebug::frmDebug_cmd44444_Click() { Vorgeben("44444"); }
void frmDebug::frmDebug_cmd55555_Click() { Vorgeben("55555"); }
void frmDebug::frmDebug_cmd66666_Click() { Vorgeben("66666"); }

void frmDebug::frmDebug_cmdInstallation_Pruefen_Click()
{
    // Das Textfeld trennt Zeilen mit "\n"; setPlainText ersetzt den ganzen Inhalt.
    auto text = QString::fromStdString(InstallationsText(spiel_));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtAusgabe->setPlainText(text);
}

void frmDebug::frmDebug_cmdSchliessen_Click() { close(); }

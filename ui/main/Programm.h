#pragma once

#include "Umgebung.h"
#include "basTarvoll.h"

#include <QObject>
#include <QPointer>

class frmTarvoll;
class frmTitelbild;

// Der Ablauf des Programms: zuerst die Titelkarte, nach ihrem Klick das Hauptfenster.
// Das Spielmodul lebt so lange wie das Programm; das Hauptfenster gibt es höchstens einmal.
class Programm : public QObject {
    Q_OBJECT
public:
    Programm(const Umgebung& umgebung, std::string kommandozeile);
    ~Programm() override;

    void Starten();

    basTarvoll& spiel() { return spiel_; }
    frmTitelbild* titelbild() const;
    frmTarvoll* hauptfenster() const;

    // Verwirft die Titelkarte und zeigt das Hauptfenster; beim ersten Mal wird es angelegt und
    // lädt das Spiel.
    void HauptfensterZeigen();

private:
    Umgebung umgebung_;
    basTarvoll spiel_;
    QPointer<frmTitelbild> titelbild_;
    QPointer<frmTarvoll> hauptfenster_;
    bool imAufbau_ = false;  // das Hauptfenster lädt gerade
};

// Die Argumente hinter dem Programmnamen als ein Text, durch einzelne Leerzeichen getrennt.
std::string Kommandozeile(int argc, const char* const* argv);

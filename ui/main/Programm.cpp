#include "Programm.h"

#include "frmTarvoll.h"
#include "frmTitelbild.h"

Programm::Programm(const Umgebung& umgebung, std::string kommandozeile)
    : umgebung_(umgebung), spiel_(umgebung.meldungen, umgebung.zufall, umgebung.uhr, std::move(kommandozeile))
{
}

Programm::~Programm()
{
    delete titelbild_;
    delete hauptfenster_;
}

frmTitelbild* Programm::titelbild() const { return titelbild_; }

frmTarvoll* Programm::hauptfenster() const { return hauptfenster_; }

void Programm::Starten()
{
    titelbild_ = new frmTitelbild;
    titelbild_->setAttribute(Qt::WA_DeleteOnClose);
    // Erst, wenn der Klick auf der Karte ganz behandelt ist: dann ist sie zu und lässt sich
    // verwerfen, ohne dass ihr eigener Handler noch läuft.
    connect(titelbild_, &frmTitelbild::angeklickt, this, &Programm::HauptfensterZeigen, Qt::QueuedConnection);
    titelbild_->show();
}

void Programm::HauptfensterZeigen()
{
    delete titelbild_;  // vor dem Laden: hinter "Debug Modus!" steht sonst noch die Karte
    if (!hauptfenster_) {
        // Das Laden kann eine Meldung zeigen; deren Ereignisschleife liefert einen schon
        // eingereihten zweiten Druck auf die Karte hierher. Gebaut wird nur ein Hauptfenster.
        if (imAufbau_) {
            return;
        }
        imAufbau_ = true;
        auto* fenster = new frmTarvoll(spiel_, umgebung_);
        imAufbau_ = false;
        hauptfenster_ = fenster;
        hauptfenster_->setAttribute(Qt::WA_DeleteOnClose);
    }
    hauptfenster_->show();
    hauptfenster_->raise();
    hauptfenster_->activateWindow();
}

std::string Kommandozeile(int argc, const char* const* argv)
{
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            text += ' ';
        }
        text += argv[i];
    }
    return text;
}

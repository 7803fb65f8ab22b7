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
    connect(titelbild_, &frmTitelbild::angeklickt, this, &Programm::HauptfensterZeigen);
    titelbild_->show();
}

void Programm::HauptfensterZeigen()
{
    if (!hauptfenster_) {
        hauptfenster_ = new frmTarvoll(spiel_, umgebung_);
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

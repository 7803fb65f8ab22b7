#include "Programm.h"

#include "frmTarvoll.h"
#include "frmTitelbild.h"

Programm::Programm(Meldungen& meldungen, Zufallsquelle& zufall, Uhr& uhr, std::string kommandozeile,
                   QString programmordner)
    : spiel_(meldungen, zufall, uhr, std::move(kommandozeile)), programmordner_(std::move(programmordner))
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
        hauptfenster_ = new frmTarvoll(spiel_, programmordner_);
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

#include "Dateiauswahl.h"

#include <QFileDialog>

namespace {

bool Zeigen(Dateidialog& einstellungen, QWidget* besitzer, QFileDialog::AcceptMode art)
{
    QFileDialog dialog(besitzer, einstellungen.DialogTitle);
    dialog.setAcceptMode(art);
    dialog.setFileMode(art == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(einstellungen.Filter);
    dialog.setDefaultSuffix(einstellungen.DefaultExt);
    if (!einstellungen.FileName.isEmpty()) {
        dialog.selectFile(einstellungen.FileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    einstellungen.FileName = dialog.selectedFiles().constFirst();
    return true;
}

}  // namespace

bool QtDateiauswahl::ShowOpen(Dateidialog& dialog, QWidget* besitzer)
{
    return Zeigen(dialog, besitzer, QFileDialog::AcceptOpen);
}

bool QtDateiauswahl::ShowSave(Dateidialog& dialog, QWidget* besitzer)
{
    return Zeigen(dialog, besitzer, QFileDialog::AcceptSave);
}

#include "Dateiauswahl.h"

#include <QFileDialog>
#include <QSettings>

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

// Beim Schließen merkt sich der Dateidialog von Qt Ordner und Verlauf in den Einstellungen des
// Benutzers (~/.config/QtProject.conf). Das Programm führt keine Einstellungen: Sie bekommen
// einen Ort, an dem keine Datei entstehen kann, denn unter einer Gerätedatei lässt sich kein
// Ordner anlegen. Qt findet dort nichts zu lesen und lässt das Schreiben still.
QtDateiauswahl::QtDateiauswahl()
{
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
    }
}

bool QtDateiauswahl::ShowOpen(Dateidialog& dialog, QWidget* besitzer)
{
    return Zeigen(dialog, besitzer, QFileDialog::AcceptOpen);
}

bool QtDateiauswahl::ShowSave(Dateidialog& dialog, QWidget* besitzer)
{
    return Zeigen(dialog, besitzer, QFileDialog::AcceptSave);
}

// The frame the joint dialogs share: a line across the top, the picture on the left and the
// boxes beside it, and a first size that fits the window the dialog opens over. A joint dialog
// that opens right after File Open confirms the file's values: it says so in its title and in
// that line, and its cancel button, which opens the file as it was read, reads "Ava muutmata"
// rather than a Loobu that would read as "do not open".
#pragma once

#include <QString>

class QDialog;
class QLayout;
class QWidget;

namespace traxen {

// A joint dialog's frame: the line of a confirmation (hidden otherwise) across the top, the
// picture on the left and `right` beside it.
void SetJointDialogLayout(QDialog* dialog, QWidget* picture, QLayout* right);

// Makes `dialog` (laid out by SetJointDialogLayout, with its "cancelButton") the confirmation
// of the file `path` that File Open has just read.
void ShowAsConfirmationOf(QDialog* dialog, const QString& path);

// Before the dialog is first shown: no wider than the window it opens over, as long as that
// leaves it the room it needs (its picture then draws smaller).
void FitIntoParentWindow(QDialog* dialog);

}  // namespace traxen

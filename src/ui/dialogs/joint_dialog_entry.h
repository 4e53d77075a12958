// How the shell runs the two joint dialogs: the menu commands and toolbar buttons, and the
// confirmation of a job read by File Open. OK confirms the job with the derivations that
// `traxen-cli` applies too (brace 2 mirrored, N2 and N0,p from equilibrium).
#pragma once

#include <QString>

#include "model/job_document.h"

class QWidget;

namespace traxen {

// The T/Y/X (`family` 1) or K/N (`family` 2) joint dialog on a copy of `job`. Returns true
// when the user pressed OK; `job` then holds what OK writes (the family's fields, the family
// flags, the derived values). Cancel returns false and leaves `job` as it was. A section
// library that cannot be read is reported in a message box and counts as Cancel.
bool ExecJointDialog(QWidget* parent, int family, Job& job);

// After File Open: the joint dialog of the read file's family confirms the job (`dialog` 1
// T/Y/X, 2 K/N; 0 does nothing and returns true). The dialog says that it confirms the file,
// and its cancel button reads "Ava muutmata". Returns false when the user pressed it; the
// document then keeps the read values. A stored section type that is no hollow section is
// named, with the file, in a message over the opened dialog, whose OK then waits for a hollow
// section; without a user (SetJointDialogsInteractive(false)) it is an `error` as in
// `traxen-cli`. `error` is set when the confirmation failed (for
// example the section library is missing; the text names the job file and the library
// file); the document is then unchanged and no message box was shown.
bool ConfirmOpenedJob(QWidget* parent, JobDocument& doc, int dialog, QString* error);

// Without a user at the screen (the shell's tests, scripted runs) the joint dialogs are not
// shown: ExecJointDialog answers as a Cancel and ConfirmOpenedJob confirms the read job as
// `traxen-cli` does. Interactive is the default.
void SetJointDialogsInteractive(bool interactive);

}  // namespace traxen

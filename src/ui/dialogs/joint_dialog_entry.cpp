// The shell's entry to the joint dialogs: finds the section library, runs the dialog of the
// family on a copy of the job and hands back what OK wrote.
#include "ui/dialogs/joint_dialog_entry.h"

#include <QCoreApplication>

#include "families/joint_family.h"
#include "sections/library_dir.h"
#include "ui/dialogs/chs_dialog_common.h"
#include "ui/dialogs/dialog_numbers.h"
#include "ui/dialogs/kn_dialog.h"
#include "ui/dialogs/library_error_text.h"
#include "ui/dialogs/joint_dialog_frame.h"
#include "ui/dialogs/rc_dialog_common.h"
#include "ui/dialogs/tyx_dialog.h"

namespace traxen {

namespace {

bool g_interactive = true;

enum class Outcome { kConfirmed, kCancelled, kFailed };

template <typename Dialog>
Outcome Run(QWidget* parent, const std::string& dir, Job& job, LibraryError& error, const QString& source_file) {
  Dialog dialog(job, SectionLibrary(dir), parent);
  dialog.setSourceFile(source_file);
  if ((error = dialog.initialise())) return Outcome::kFailed;
  if (!source_file.isEmpty()) ShowAsConfirmationOf(&dialog, source_file);
  FitIntoParentWindow(&dialog);
  if (dialog.exec() != QDialog::Accepted) return Outcome::kCancelled;
  job = dialog.job();
  return Outcome::kConfirmed;
}

// Each joint family's dialog, by the family's group in the registry.
struct JointDialog {
  std::string_view group;
  Outcome (*run)(QWidget*, const std::string&, Job&, LibraryError&, const QString&);
};
// A dialog that finds its own sections (the circular tubes' table).
// No project file holds a circular joint, so none of these confirms an opened file.
template <bool (*RunDialog)(QWidget*, Job&)>
Outcome RunOwn(QWidget* parent, const std::string&, Job& job, LibraryError&, const QString&) {
  return RunDialog(parent, job) ? Outcome::kConfirmed : Outcome::kCancelled;
}

constexpr JointDialog kJointDialogs[] = {
    {"tyx", Run<CXYTDlg>},
    {"kn", Run<CKNytaDLG>},
    {"chs_tyx", RunOwn<RunChsTyxDialog>},
    {"chs_kn", RunOwn<RunChsKnDialog>},
    {"rc_tyx", RunOwn<RunRcTyxDialog>},
    {"rc_kn", RunOwn<RunRcKnDialog>},
};

// `source_file`: the project file the job was just read from, "" for a menu command.
Outcome RunJointDialog(QWidget* parent, int dialog, Job& job, LibraryError& error,
                       const QString& source_file = QString()) {
  const JointFamily* family = JointFamilyOfDialog(dialog);
  if (!family) return Outcome::kCancelled;
  std::string dir;
  const LibrarySearch search =
      LibrarySearchFromEnvironment("", QCoreApplication::applicationDirPath().toStdString());
  if ((error = FindLibraryDir(search, dir))) return Outcome::kFailed;
  for (const JointDialog& d : kJointDialogs)
    if (d.group == family->info.group) return d.run(parent, dir, job, error, source_file);
  return Outcome::kCancelled;
}

QString MessageOf(const LibraryError& error) { return LibraryErrorText(error, QStringLiteral("\n")); }

}  // namespace

void SetJointDialogsInteractive(bool interactive) { g_interactive = interactive; }

bool ExecJointDialog(QWidget* parent, int family, Job& job) {
  if (!g_interactive) return false;
  LibraryError error;
  Job edited = job;
  switch (RunJointDialog(parent, family, edited, error)) {
    case Outcome::kConfirmed:
      job = std::move(edited);
      return true;
    case Outcome::kFailed:
      // The dialog cannot open without its sections: as if cancelled, after saying why.
      ShowDialogMessage(parent, MessageOf(error));
      return false;
    case Outcome::kCancelled:
      break;
  }
  return false;
}

bool ConfirmOpenedJob(QWidget* parent, JobDocument& doc, int dialog, QString* error) {
  if (!JointFamilyOfDialog(dialog)) return true;
  if (!g_interactive) {
    const LoadError e =
        ConfirmJobDocument(doc, dialog, "", QCoreApplication::applicationDirPath().toStdString());
    if (e && error) *error = QString::fromStdString(e.message);
    return !e;
  }
  LibraryError failure;
  Job edited = doc.job;
  switch (RunJointDialog(parent, dialog, edited, failure, QString::fromStdString(doc.path))) {
    case Outcome::kConfirmed:
      doc.job = std::move(edited);
      doc.last_confirmed_dialog = dialog;
      return true;
    case Outcome::kFailed:
      if (error) *error = QString::fromStdString(doc.path + ": ") + MessageOf(failure);
      return false;
    case Outcome::kCancelled:
      break;
  }
  return false;
}

}  // namespace traxen

// Stand-ins until the joint dialogs exist.
#include "ui/dialogs/joint_dialog_entry.h"

#include <QCoreApplication>

namespace traxen {

bool ExecJointDialog(QWidget*, int, Job&) { return false; }

bool ConfirmOpenedJob(QWidget*, JobDocument& doc, int dialog, QString* error) {
  const LoadError e =
      ConfirmJobDocument(doc, dialog, "", QCoreApplication::applicationDirPath().toStdString());
  if (e) {
    if (error) *error = QString::fromStdString(e.message);
    return false;
  }
  return true;
}

}  // namespace traxen

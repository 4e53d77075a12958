// The member lengths dialog: the two chord members either side of the joint and the two
// braces, in metres.
#pragma once

#include <QDialog>

#include "model/job.h"
#include "ui/dialogs/dialog_numbers.h"

namespace traxen {

class LengthsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit LengthsDialog(const JobLengths& lengths, QWidget* parent = nullptr);
  const JobLengths& lengths() const { return lengths_; }  // what OK wrote; the input until then

  void accept() override;  // stays open when a field is not a number

 private:
  JobLengths lengths_;
  JobLengths edited_;
  NumericEdits fields_;
};

// Runs the dialog on a copy of `job.len`; true on OK, with `job.len` written.
bool EditLengths(QWidget* parent, Job& job);

}  // namespace traxen

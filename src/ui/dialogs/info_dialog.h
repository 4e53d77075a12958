// The job information dialog: the four texts every page header and footer prints.
#pragma once

#include <QDialog>

#include "model/job.h"

class QLineEdit;

namespace traxen {

class InfoDialog : public QDialog {
  Q_OBJECT
 public:
  explicit InfoDialog(const JobInfo& info, QWidget* parent = nullptr);
  JobInfo info() const;  // the texts as edited

 private:
  QLineEdit* job_name_;
  QLineEdit* client_;
  QLineEdit* calculated_by_;
  QLineEdit* owner_;
};

// Runs the dialog on a copy of `job.info`; true on OK, with `job.info` written.
bool EditJobInfo(QWidget* parent, Job& job);

}  // namespace traxen

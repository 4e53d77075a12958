// Four single-line fields; long texts scroll inside their field.
#include "ui/dialogs/info_dialog.h"

#include <QLineEdit>

#include "ui/dialogs/data_dialog_layout.h"

namespace traxen {

namespace {
QLineEdit* TextField(const std::string& text, const char* name, const QString& accessible, QWidget* parent) {
  auto* edit = new QLineEdit(QString::fromStdString(text), parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setAccessibleName(accessible);
  edit->setMinimumWidth(360);
  return edit;
}
}  // namespace

InfoDialog::InfoDialog(const JobInfo& info, QWidget* parent) : QDialog(parent) {
  DataDialogFrame frame(this, tr("ANDMED TÖÖ KOHTA"), QStringLiteral("infoDialog"));
  job_name_ = TextField(info.job_name, "job_name", tr("TÖÖ"), this);
  client_ = TextField(info.client, "client", tr("TELLIJA"), this);
  calculated_by_ = TextField(info.calculated_by, "calculated_by", tr("ARVUTAS"), this);
  owner_ = TextField(info.owner, "owner", tr("OMANIK"), this);
  frame.addRow(tr("TÖÖ"), {}, job_name_, {}, tr("Töö nimi"));
  frame.addRow(tr("TELLIJA"), {}, client_, {}, tr("Töö tellija"));
  frame.addRow(tr("ARVUTAS"), {}, calculated_by_, {}, tr("Arvutuse tegija"));
  frame.addRow(tr("OMANIK"), {}, owner_, {}, tr("Projekti omanik"));
}

JobInfo InfoDialog::info() const {
  JobInfo info;
  info.job_name = job_name_->text().toStdString();
  info.client = client_->text().toStdString();
  info.calculated_by = calculated_by_->text().toStdString();
  info.owner = owner_->text().toStdString();
  return info;
}

bool EditJobInfo(QWidget* parent, Job& job) {
  InfoDialog dialog(job.info, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  job.info = dialog.info();
  return true;
}

}  // namespace traxen

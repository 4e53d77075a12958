// The joint table's rows, checked and shown.
#include "ui/shell/joint_table_model.h"

#include <QBrush>
#include <QColor>
#include <cmath>
#include <fmt/format.h>
#include <limits>

#include "model/job_file.h"
#include "model/joint_table_save.h"
#include "families/dispatch.h"
#include "ui/i18n/interface_language.h"

namespace traxen {

namespace {

const QColor kFailRed(204, 0, 0);
const QColor kOutsideTint(255, 244, 214);  // a joint outside the range of validity
const QColor kBadRowTint(255, 226, 226);

QString OutcomeText(const TableJoint& j) {
  if (!j.error.isEmpty()) return JointTableModel::tr("Vigane rida");
  if (!j.checked) return QStringLiteral("…");
  switch (j.line.outcome) {
    case JointOutcome::kPassed: return JointTableModel::tr("Korras!");
    case JointOutcome::kFailed: return JointTableModel::tr("Ei rahulda!");
    case JointOutcome::kOutsideValidity: return JointTableModel::tr("Ei rahulda! (eeldused)");
  }
  return {};
}

// η sorts as a number; a joint without one (outside validity, a bad row, not yet checked)
// sorts above every figure, so that sorting the worst first shows it first.
double EtaSortKey(const TableJoint& j) {
  if (!j.checked || !j.error.isEmpty() || std::isnan(j.line.eta)) return std::numeric_limits<double>::max();
  return j.line.eta;
}

bool Failing(const TableJoint& j) {
  return j.checked && (!j.error.isEmpty() || j.line.outcome != JointOutcome::kPassed);
}

}  // namespace

void JointTableModel::setTable(const JointTable& table, const QString& file_name) {
  beginResetModel();
  file_name_ = file_name;
  joints_.clear();
  checked_ = 0;
  for (const JointRow& row : table.rows) {
    TableJoint j;
    j.row = row.row;
    j.name = QString::fromStdString(JointLabel(row));
    j.json = row.json;
    j.error = QString::fromStdString(row.error);
    joints_.push_back(std::move(j));
  }
  endResetModel();
}

void JointTableModel::check(TableJoint& j) {
  if (j.checked) return;
  j.checked = true;
  ++checked_;
  if (!j.error.isEmpty()) return;
  LoadedJob loaded;
  const std::string where = fmt::format("{} row {} ({})", file_name_.toStdString(), j.row, j.name.toStdString());
  if (const LoadError e = LoadJsonJobText(j.json, where, loaded)) {
    j.error = QString::fromStdString(e.message);
    return;
  }
  for (const std::string& w : loaded.warnings) j.warnings << QString::fromStdString(w);
  j.joint = {j.name.toStdString(), std::move(loaded.job), loaded.working, loaded.last_dialog};
  // The governing check is named in the interface's language, which the report's default follows.
  j.line = SummarizeJoint(j.joint.name, j.joint.job, CheckJob(j.joint.job, j.joint.working, j.joint.last_dialog),
                          InterfaceReportLanguage());
}

bool JointTableModel::checkSome(std::chrono::milliseconds budget) {
  const auto until = std::chrono::steady_clock::now() + budget;
  int first = -1, last = -1;
  for (int i = 0; i < size(); ++i) {
    if (joints_[i].checked) continue;
    if (first >= 0 && std::chrono::steady_clock::now() >= until) break;
    check(joints_[i]);
    if (first < 0) first = i;
    last = i;
  }
  if (first >= 0) emit dataChanged(index(first, 0), index(last, kColumnCount - 1));
  return allChecked();
}

void JointTableModel::setJob(int i, const Job& job, const ReportInputs& working, int last_dialog) {
  TableJoint& j = joints_.at(i);
  if (!j.checked) ++checked_;
  j.checked = true;
  j.edited = true;
  j.error.clear();
  j.warnings.clear();
  j.joint = {j.name.toStdString(), job, working, last_dialog};
  j.json = TableJobJson(job);
  j.line = SummarizeJoint(j.joint.name, job, CheckJob(job, working, last_dialog), InterfaceReportLanguage());
  rowChanged(i);
}

void JointTableModel::markSaved() {
  for (int i = 0; i < size(); ++i) {
    joints_[i].row = i + 2;  // the header is row 1
    joints_[i].edited = false;
  }
  emit dataChanged(index(0, 0), index(size() - 1, kColumnCount - 1));
}

void JointTableModel::rowChanged(int i) { emit dataChanged(index(i, 0), index(i, kColumnCount - 1)); }

int JointTableModel::failingCount() const {
  int n = 0;
  for (const TableJoint& j : joints_) n += Failing(j);
  return n;
}

int JointTableModel::badRowCount() const {
  int n = 0;
  for (const TableJoint& j : joints_) n += !j.error.isEmpty();
  return n;
}

int JointTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : size(); }
int JointTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant JointTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  static const char* const titles[] = {
      QT_TR_NOOP("Nr"),    QT_TR_NOOP("Sõlm"),    QT_TR_NOOP("Tüüp"), QT_TR_NOOP("Profiilid"), QT_TR_NOOP("Määrav kontroll"),
      QT_TR_NOOP("η max"), QT_TR_NOOP("Tulemus"), QT_TR_NOOP("Viga")};
  return section >= 0 && section < kColumnCount ? tr(titles[section]) : QVariant();
}

QVariant JointTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= size()) return {};
  const TableJoint& j = joints_[index.row()];
  const bool line = j.checked && j.error.isEmpty();
  const bool outside = line && j.line.outcome == JointOutcome::kOutsideValidity;
  const int column = index.column();

  if (role == kSortRole) {
    if (column == kNumber) return index.row() + 1;
    if (column == kEta) return EtaSortKey(j);
    return data(index, Qt::DisplayRole).toString();
  }
  if (role == Qt::DisplayRole) {
    switch (column) {
      case kNumber: return index.row() + 1;
      case kJoint: return j.name + (j.edited ? QStringLiteral(" *") : QString());
      case kFamily: return line ? QString::fromStdString(j.line.family) : QString();
      case kSections: return line ? QString::fromStdString(j.line.sections) : QString();
      case kGoverning:
        if (!line) return QString();
        return outside ? tr("eeldused pole täidetud: %1").arg(QString::fromStdString(j.line.governing))
                       : QString::fromStdString(j.line.governing);
      case kEta: return line ? QString::fromStdString(UtilisationText(j.line.eta)) : QString();
      case kOutcome: return OutcomeText(j);
      case kError: return !j.error.isEmpty() ? j.error : j.warnings.join(QStringLiteral("; "));
    }
  }
  if (role == Qt::ForegroundRole && Failing(j)) return QBrush(kFailRed);
  if (role == Qt::ForegroundRole && column == kError && !j.warnings.isEmpty()) return QBrush(QColor(120, 90, 0));
  if (role == Qt::BackgroundRole && !j.error.isEmpty()) return QBrush(kBadRowTint);
  if (role == Qt::BackgroundRole && outside) return QBrush(kOutsideTint);
  if (role == Qt::TextAlignmentRole && (column == kNumber || column == kEta))
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  if (role == Qt::ToolTipRole) {
    if (column == kError && !data(index, Qt::DisplayRole).toString().isEmpty()) return data(index, Qt::DisplayRole);
    if (outside) return tr("Eeldused pole täidetud: kandevõimet ei arvutatud");
    if (j.edited) return tr("Muudetud, salvestamata");
    if (line) return tr("Topeltklõps avab sõlme aruande");
  }
  return {};
}

}  // namespace traxen

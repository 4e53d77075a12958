// The rows of an imported joint table as the table window shows them: each joint's summary
// line (the figures of traxen-cli check and of the combined report's summary page), or the
// reason its row could not be read. Rows are checked a few at a time so that the window stays
// responsive while a long table is worked through.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <chrono>
#include <string>
#include <vector>

#include "model/joint_table.h"
#include "families/truss_report.h"
#include "families/truss_summary.h"

namespace traxen {

struct TableJoint {
  int row = 0;          // the table's row number, as a spreadsheet counts it
  QString name;         // the joint's name, or "row N"
  std::string json;     // the row as a JSON job; an edited joint's as it is now
  QString error;        // why the row could not be read, "" when it could
  QStringList warnings; // given values replaced by derived ones
  bool checked = false;
  bool edited = false;  // changed in a document window since the table was read or saved
  TrussJoint joint;     // the job as read and confirmed, when checked without error
  TrussJointLine line;  // its summary line, when checked without error
};

class JointTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { kNumber, kJoint, kFamily, kSections, kGoverning, kEta, kOutcome, kError, kColumnCount };
  static constexpr int kSortRole = Qt::UserRole;

  explicit JointTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  // The rows of `table` (read from `file_name`), none checked yet.
  void setTable(const JointTable& table, const QString& file_name);

  // Checks rows in their order until `budget` has passed (at least one row); true when every
  // row is checked.
  bool checkSome(std::chrono::milliseconds budget);
  void checkAll() { checkSome(std::chrono::hours(1)); }
  int checkedCount() const { return checked_; }
  bool allChecked() const { return checked_ == int(joints_.size()); }

  int size() const { return int(joints_.size()); }
  const TableJoint& joint(int index) const { return joints_.at(index); }
  // A joint changed in its document window: checked again and marked edited.
  void setJob(int index, const Job& job, const ReportInputs& working, int last_dialog);
  // After a save: the rows are numbered as written and no joint counts as edited.
  void markSaved();

  int failingCount() const;  // checked joints that do not pass, bad rows included
  int badRowCount() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  void check(TableJoint& j);
  void rowChanged(int index);

  std::vector<TableJoint> joints_;
  QString file_name_;
  int checked_ = 0;
};

}  // namespace traxen

// The window of an imported joint table: every joint's summary line in a sortable table,
// checked with a progress bar; a double-click opens the joint as a document window whose
// changes come back into its row; the combined report is exported as one PDF and the table
// saved back as CSV.
#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <string>

#include "model/joint_table.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTimer;

namespace traxen {

class Document;
class JointTableModel;
class MainWindow;

class JointTableWindow : public QWidget {
  Q_OBJECT
 public:
  // `text` is the table file's content as read from `path`, `table` what it read as.
  JointTableWindow(MainWindow* main, const QString& path, std::string text, const JointTable& table);

  JointTableModel* model() const { return model_; }
  QTableView* view() const { return view_; }
  QString path() const { return path_; }
  bool isModified() const { return isWindowModified(); }

  // Opens the joint in row `row` of the model (not the view) as a document window, or shows
  // the one already open; null for a row that could not be read.
  Document* openJoint(int row);
  // The combined report of every joint into `path`; false, with the reason, when any row is
  // bad or the file cannot be written.
  bool exportPdf(const QString& path, QString* error);
  // Writes the table to `path` as CSV, atomically; on success the table names that file.
  bool saveTo(const QString& path, QString* error);

  // The commands of the window's buttons, with their file dialogs and messages.
  void exportPdfAsked();
  bool save();
  bool saveAs();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void checkNext();
  void updateStatus();
  void jointChanged(int row, Document* document);
  void setModified(bool modified);  // the flag and the title's "*"
  void showError(const QString& message);

  MainWindow* main_;
  QString path_;
  std::string text_;  // the table as last read or written, for the rows kept as they were
  JointTableModel* model_;
  QSortFilterProxyModel* sorted_;
  QTableView* view_;
  QLabel* status_;
  QProgressBar* progress_;
  QPushButton* export_button_;
  QPushButton* save_button_;
  QPushButton* save_as_button_;
  QTimer* checker_;
  QHash<int, QPointer<Document>> documents_;  // by model row
};

// File → "Impordi sõlmede tabel...": asks for the table, reads it and opens its window; a
// table that cannot be read is refused in a message box naming the file and the reason.
JointTableWindow* ImportJointTable(MainWindow* main);
// The same for a named file, without asking.
JointTableWindow* OpenJointTable(MainWindow* main, const QString& path);

}  // namespace traxen

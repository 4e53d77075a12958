// The joint table window and its import.
#include "ui/shell/joint_table_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPalette>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>
#include <ctime>

#include "model/atomic_file.h"
#include "model/job_file.h"
#include "model/job_file_reader.h"
#include "model/joint_table_save.h"
#include "ui/qt/combined_report.h"
#include "ui/shell/app_settings.h"
#include "ui/shell/document.h"
#include "ui/shell/file_dialog_labels.h"
#include "ui/shell/joint_table_model.h"
#include "ui/shell/main_window.h"
#include "ui/shell/report_view.h"
#include "ui/shell/section_places.h"
#include "ui/shell/unsaved_prompt.h"

namespace traxen {

namespace {

// A table is read up to this size, as traxen-cli reads one: 100 000 joints of a few hundred
// bytes each.
constexpr std::size_t kMaxTableBytes = 64u * 1024 * 1024;
// How long one turn of checking may hold the event loop.
constexpr std::chrono::milliseconds kCheckSlice(30);

QStringList TableFilters() {
  return JointTableWindow::tr("Sõlmede tabelid (*.csv);;Kõik failid (*.*)").split(QStringLiteral(";;"));
}

QString AskPath(QWidget* parent, const char* name, const QString& title, const QStringList& filters,
                const QString& suffix, const QString& accept, const QString& suggested) {
  QFileDialog dialog(parent, title);
  dialog.setObjectName(QLatin1String(name));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(suffix);
  SetFileDialogLabels(dialog, accept);
  if (!suggested.isEmpty()) dialog.selectFile(suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QPushButton* Button(const char* name, const QString& text, const QString& tip) {
  auto* button = new QPushButton(text);
  button->setObjectName(QLatin1String(name));
  button->setToolTip(tip);
  return button;
}

}  // namespace

JointTableWindow::JointTableWindow(MainWindow* main, const QString& path, std::string text, const JointTable& table)
    : main_(main), path_(path), text_(std::move(text)) {
  setObjectName(QStringLiteral("jointTableWindow"));
  model_ = new JointTableModel(this);
  model_->setTable(table, QFileInfo(path).fileName());
  sorted_ = new QSortFilterProxyModel(this);
  sorted_->setSourceModel(model_);
  sorted_->setSortRole(JointTableModel::kSortRole);
  sorted_->setDynamicSortFilter(false);  // a row changing under the user stays where it is

  export_button_ = Button("exportCombinedPdf", tr("Ekspordi PDF..."),
                          tr("Kokkuvõte ja iga sõlme aruanne ühte PDF-faili"));
  save_button_ = Button("saveTable", tr("Salvesta"), tr("Salvesta tabel CSV-failina"));
  save_as_button_ = Button("saveTableAs", tr("Salvesta nagu..."),
                           tr("Salvesta tabel uue CSV-failina"));
  connect(export_button_, &QPushButton::clicked, this, &JointTableWindow::exportPdfAsked);
  connect(save_button_, &QPushButton::clicked, this, &JointTableWindow::save);
  connect(save_as_button_, &QPushButton::clicked, this, &JointTableWindow::saveAs);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(export_button_);
  buttons->addWidget(save_button_);
  buttons->addWidget(save_as_button_);
  buttons->addStretch(1);

  view_ = new QTableView;
  view_->setObjectName(QStringLiteral("jointTable"));
  view_->setAccessibleName(tr("Sõlmede tabel"));
  view_->setModel(sorted_);
  view_->setSortingEnabled(true);
  view_->sortByColumn(JointTableModel::kNumber, Qt::AscendingOrder);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setAlternatingRowColors(true);
  view_->setWordWrap(false);
  view_->verticalHeader()->hide();
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  const int widths[] = {44, 80, 44, 300, 320, 60, 160};
  for (int c = 0; c < int(std::size(widths)); ++c) view_->setColumnWidth(c, widths[c]);
  connect(view_, &QTableView::doubleClicked, this,
          [this](const QModelIndex& index) { openJoint(sorted_->mapToSource(index).row()); });

  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("tableStatus"));
  progress_ = new QProgressBar;
  progress_->setObjectName(QStringLiteral("checkProgress"));
  progress_->setRange(0, model_->size());
  progress_->setFormat(tr("Kontrollin: %v / %m"));
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(status_, 1);
  bottom->addWidget(progress_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(buttons);
  layout->addWidget(view_, 1);
  layout->addLayout(bottom);

  setModified(false);
  connect(model_, &QAbstractItemModel::dataChanged, this, &JointTableWindow::updateStatus);
  checker_ = new QTimer(this);
  checker_->setInterval(0);
  connect(checker_, &QTimer::timeout, this, &JointTableWindow::checkNext);
  checker_->start();
  updateStatus();
}

void JointTableWindow::checkNext() {
  if (model_->checkSome(kCheckSlice)) {
    checker_->stop();
    // The figures are all in: every column but the errors as wide as its longest text.
    for (int c = 0; c < JointTableModel::kError; ++c) view_->resizeColumnToContents(c);
  }
  updateStatus();
}

void JointTableWindow::updateStatus() {
  const bool done = model_->allChecked();
  progress_->setValue(model_->checkedCount());
  progress_->setVisible(!done);
  export_button_->setEnabled(done);
  if (!done) {
    status_->setText(tr("%1 sõlme, kontrollitud %2").arg(model_->size()).arg(model_->checkedCount()));
    return;
  }
  const int failing = model_->failingCount(), bad = model_->badRowCount();
  QString text = failing == 0 ? tr("%1 sõlme: kõik Korras!").arg(model_->size())
                              : tr("%1 sõlme: %2 ei rahulda").arg(model_->size()).arg(failing - bad);
  if (bad > 0) text += tr(", %1 vigast rida").arg(bad);
  status_->setText(text);
  QPalette palette = status_->palette();
  palette.setColor(QPalette::WindowText, failing == 0 ? palette.color(QPalette::Text) : QColor(204, 0, 0));
  status_->setPalette(palette);
}

Document* JointTableWindow::openJoint(int row) {
  if (row < 0 || row >= model_->size()) return nullptr;
  if (Document* open = documents_.value(row)) {
    const QList<ReportView*> views = main_->viewsOf(open);
    if (!views.isEmpty()) main_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(views.first()->parentWidget()));
    return open;
  }
  model_->checkSome(std::chrono::milliseconds(0));  // at least this row is read before it opens
  while (!model_->joint(row).checked) model_->checkSome(kCheckSlice);
  const TableJoint& j = model_->joint(row);
  if (!j.error.isEmpty()) {
    showError(j.error);
    return nullptr;
  }
  // A table gives sections by size; the joint dialogs pick them by their place in the
  // library's lists, so the places are found first, or the dialog would show (and its OK
  // write) the list's first choices instead of the joint's sections.
  Job job = j.joint.job;
  const std::string unplaced = PlaceSectionsBySize(job, path_.toStdString());
  auto* document = new Document(main_);
  document->restore({job, j.joint.working, j.joint.last_dialog}, nullptr);
  document->setTitle(QStringLiteral("%1 (%2)").arg(j.name, QFileInfo(path_).fileName()));
  // The joint belongs to the table: its changes are the table's to save, so its own window
  // never asks to save them as a job file of its own.
  QUndoStack* undo = document->undoStack();
  connect(undo, &QUndoStack::indexChanged, document, [undo] { undo->setClean(); });
  connect(document, &Document::changed, this, [this, row, document] { jointChanged(row, document); });
  documents_.insert(row, document);
  main_->newDocumentWindow(document);
  if (!unplaced.empty())
    showError(tr("%1: sõlme profiile ei leitud profiilide loendist, sõlme dialoog näitab loendi "
                 "esimesi profiile ja OK kirjutaks need sõlmele: %2")
                  .arg(j.name, QString::fromStdString(unplaced)));
  return document;
}

// The title is written out with its "*", as the documents' are: Qt's "[*]" placeholder would
// stand as it is in the window list and in a maximised window's caption.
void JointTableWindow::setModified(bool modified) {
  setWindowModified(modified);
  setWindowTitle(tr("Sõlmede tabel: %1%2")
                     .arg(QFileInfo(path_).fileName(), modified ? QStringLiteral("*") : QString()));
}

void JointTableWindow::jointChanged(int row, Document* document) {
  const JobContent content = document->content();
  model_->setJob(row, content.job, content.working, content.last_confirmed_dialog);
  setModified(true);
}

bool JointTableWindow::exportPdf(const QString& path, QString* error) {
  model_->checkAll();
  // Every row, a row that cannot be read listed in the summary with its reason.
  std::vector<TrussJoint> joints;
  const JobInfo* first_read = nullptr;
  const std::string table = QFileInfo(path_).fileName().toStdString();
  for (int i = 0; i < model_->size(); ++i) {
    const TableJoint& j = model_->joint(i);
    if (!j.error.isEmpty()) {
      const std::string name = j.name.toStdString();
      joints.push_back({name, {}, {}, 0, RefusedRowReason(j.error.toStdString(), table, name)});
    } else {
      joints.push_back(j.joint);
      if (!first_read) first_read = &j.joint.job.info;
    }
  }
  if (joints.empty()) {
    if (error) *error = tr("%1: PDF-i ei kirjutatud: tabelis pole sõlmi").arg(path);
    return false;
  }
  const std::time_t now = std::time(nullptr);
  JobInfo info = first_read ? *first_read : JobInfo{};
  info.job_name = QFileInfo(path_).completeBaseName().toStdString();

  QProgressDialog progress(tr("Koostan aruannet..."), QString(), 0, int(2 * joints.size() + 1), this);
  progress.setObjectName(QStringLiteral("exportProgress"));
  progress.setWindowTitle(tr("Ekspordi PDF"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(300);
  const std::vector<CombinedPart> parts = TrussReportParts(
      joints, info, now, AppSettings::braceWelds(), [&](std::size_t i) { progress.setValue(int(i) + 1); },
      AppSettings::reportLanguage());
  ReportFileOptions options;
  options.title = QString::fromStdString(info.job_name);
  options.created = now;
  const bool written = WriteCombinedReportPdf(parts, path, error, options, [&](std::size_t part) {
    progress.setValue(int(joints.size() + part) + 1);
  });
  progress.setValue(progress.maximum());
  return written;
}

bool JointTableWindow::saveTo(const QString& path, QString* error) {
  if (const QString refused = CheckSaveTarget(path); !refused.isEmpty()) {
    if (error) *error = refused;
    return false;
  }
  model_->checkAll();
  std::vector<SavedRow> rows;
  for (int i = 0; i < model_->size(); ++i) {
    const TableJoint& j = model_->joint(i);
    if (!j.error.isEmpty()) rows.push_back({{}, j.row});
    else rows.push_back({{j.name.toStdString(), j.json, QStringLiteral("%1 row %2").arg(path).arg(j.row).toStdString()}, 0});
  }
  std::string why;
  const std::string text = WriteJointTableKeepingRows(rows, text_, QFileInfo(path_).fileName().toStdString(), why);
  if (!why.empty()) {
    if (error) *error = tr("%1: ei salvestatud: %2").arg(path, QString::fromStdString(why));
    return false;
  }
  if (const LoadError e = WriteFileAtomically(path.toLocal8Bit().toStdString(), text)) {
    if (error) *error = QString::fromStdString(e.message);
    return false;
  }
  path_ = path;
  text_ = text;
  model_->markSaved();
  setModified(false);
  return true;
}

void JointTableWindow::showError(const QString& message) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("TRAXEN"), message, QMessageBox::Ok, this);
  box.setObjectName(QStringLiteral("errorMessage"));
  box.exec();
}

void JointTableWindow::exportPdfAsked() {
  const QFileInfo table(path_);
  const QString path = AskPath(this, "exportPdfDialog", tr("Ekspordi PDF"),
                               {tr("PDF failid (*.pdf)"), tr("Kõik failid (*.*)")},
                               QStringLiteral("pdf"), tr("Ekspordi"),
                               table.path() + QLatin1Char('/') + table.completeBaseName() + QStringLiteral(".pdf"));
  if (path.isEmpty()) return;
  QString error;
  if (!exportPdf(path, &error)) showError(error);
  else main_->statusBar()->showMessage(tr("PDF kirjutatud: %1").arg(QDir::toNativeSeparators(path)), 5000);
}

bool JointTableWindow::save() {
  QString error;
  if (!saveTo(path_, &error)) {
    showError(error);
    return false;
  }
  main_->statusBar()->showMessage(tr("Salvestatud: %1").arg(QDir::toNativeSeparators(path_)), 5000);
  return true;
}

bool JointTableWindow::saveAs() {
  const QString path = AskPath(this, "saveTableDialog", tr("Salvesta tabel nagu"), TableFilters(),
                               QStringLiteral("csv"), tr("Salvesta"), path_);
  if (path.isEmpty()) return false;
  QString error;
  if (!saveTo(path, &error)) {
    showError(error);
    return false;
  }
  return true;
}

void JointTableWindow::closeEvent(QCloseEvent* event) {
  if (isWindowModified()) {
    const UnsavedAnswer answer = AskAboutUnsavedChanges(
        this, tr("Kas salvestada %1 muudatused?").arg(QFileInfo(path_).fileName()));
    if (answer == UnsavedAnswer::kCancel || (answer == UnsavedAnswer::kSave && !save())) {
      event->ignore();
      return;
    }
  }
  checker_->stop();
  // The joints' windows show rows of this table: they go with it.
  for (const QPointer<Document>& document : std::as_const(documents_)) {
    if (!document) continue;
    disconnect(document, nullptr, this, nullptr);
    for (ReportView* view : main_->viewsOf(document)) view->parentWidget()->close();
  }
  event->accept();
}

JointTableWindow* OpenJointTable(MainWindow* main, const QString& path) {
  auto fail = [main](const QString& message) -> JointTableWindow* {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("TRAXEN"), message, QMessageBox::Ok, main);
    box.setObjectName(QStringLiteral("errorMessage"));
    box.exec();
    return nullptr;
  };
  std::string text;
  if (const LoadError e = ReadJobFileBytes(path.toLocal8Bit().toStdString(), text, kMaxTableBytes))
    return fail(QString::fromStdString(e.message));
  // Rows name the file alone: the window's title says which one it is.
  JobLibrary library("", QCoreApplication::applicationDirPath().toStdString());
  const JointTable table = ReadJointTable(text, QFileInfo(path).fileName().toStdString(), library);
  if (!table.error.empty()) return fail(QString::fromStdString(table.error));

  auto* window = new JointTableWindow(main, path, std::move(text), table);
  QMdiSubWindow* frame = main->mdiArea()->addSubWindow(window);
  frame->setObjectName(QStringLiteral("jointTableFrame"));
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->setWindowIcon(main->windowIcon());
  frame->resize(std::max(700, std::min(main->mdiArea()->width() - 20, 1060)), std::max(400, main->mdiArea()->height() - 40));
  frame->move(0, 0);
  frame->show();
  main->mdiArea()->setActiveSubWindow(frame);
  window->setFocus();
  // The closing file dialog hands the focus back to the window that had it, which would
  // bring that window to the front again: the table takes it once that has happened.
  QTimer::singleShot(0, frame, [main, frame, window] {
    main->mdiArea()->setActiveSubWindow(frame);
    window->setFocus();
  });
  main->statusBar()->showMessage(JointTableWindow::tr("Imporditud: %1").arg(QDir::toNativeSeparators(path)), 5000);
  return window;
}

JointTableWindow* ImportJointTable(MainWindow* main) {
  QFileDialog dialog(main, JointTableWindow::tr("Impordi sõlmede tabel"));
  dialog.setObjectName(QStringLiteral("importTableDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(TableFilters());
  SetFileDialogLabels(dialog, JointTableWindow::tr("Impordi"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return nullptr;
  return OpenJointTable(main, dialog.selectedFiles().first());
}

}  // namespace traxen

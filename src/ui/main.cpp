// traxen: the desktop program. For now one main window showing the report of a job: the job
// file named on the command line (a project file or a JSON job), or else a new job.
#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QScrollArea>

#include "model/job_file.h"
#include "ui/shell/report_widget.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("TRAXEN"));
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("TRAXEN"));
  auto* report = new traxen::ReportWidget;
  auto* scroll = new QScrollArea(&window);
  scroll->setWidget(report);
  scroll->setAlignment(Qt::AlignHCenter);
  window.setCentralWidget(scroll);
  window.resize(960, 1000);
  window.show();

  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) {
    const QString path = arguments.at(1);
    traxen::LoadedJob loaded;
    const traxen::LoadError error =
        traxen::LoadJobFile(path.toStdString(), "", loaded,
                            QApplication::applicationDirPath().toStdString());
    if (error) {
      // A file that cannot be read leaves the new job on screen and says why.
      QMessageBox::warning(&window, QStringLiteral("TRAXEN"),
                           QString::fromStdString(error.message));
    } else {
      report->job() = loaded.job;
      report->document().last_confirmed_dialog = loaded.last_dialog;
      report->document().working = loaded.working;
      report->update();
      window.setWindowTitle(QFileInfo(path).fileName() + QStringLiteral(" - TRAXEN"));
    }
  }
  return app.exec();
}

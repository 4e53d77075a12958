// traxen: the desktop program. For now one main window showing the report of a new job.
#include <QApplication>
#include <QMainWindow>
#include <QScrollArea>

#include "ui/shell/report_widget.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("TRAXEN"));
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("TRAXEN"));
  auto* scroll = new QScrollArea(&window);
  scroll->setWidget(new traxen::ReportWidget);
  scroll->setAlignment(Qt::AlignHCenter);
  window.setCentralWidget(scroll);
  window.resize(960, 1000);
  window.show();
  return app.exec();
}

// The About box: the program's icon, its three lines and the build's version and licence.
#pragma once

#include <QDialog>
#include <QIcon>

namespace traxen {

// The program's icon from the resources; a null icon when the resource is not built in.
QIcon ProgramIcon();

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace traxen

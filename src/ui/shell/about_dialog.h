// The About box: the program's icon, its three lines and the build's version and licence.
#pragma once

#include <QDialog>

namespace traxen {

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace traxen

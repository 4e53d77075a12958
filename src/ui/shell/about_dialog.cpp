// A fixed-size box; a missing icon resource falls back to the style's information icon.
#include "ui/shell/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/shell/program_icon.h"
#include "version.h"

namespace traxen {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("INFO PROGRAMMI TRAXEN KOHTA"));
  setObjectName(QStringLiteral("aboutDialog"));
  setAccessibleName(windowTitle());
  QIcon icon = ProgramIcon();
  if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("icon"));
  picture->setPixmap(icon.pixmap(48, 48));
  picture->setAlignment(Qt::AlignTop);

  // One version: the program's own, as `traxen --version` prints it.
  auto* text = new QLabel(
      tr("TRAXEN\nVersioon %1\nendise TRAXEN Windows variant").arg(QStringLiteral(TRAXEN_VERSION)), this);
  text->setObjectName(QStringLiteral("text"));
  auto* build = new QLabel(tr("Litsents %1").arg(QStringLiteral(TRAXEN_LICENSE)), this);
  build->setObjectName(QStringLiteral("build"));
  build->setEnabled(false);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setText(tr("OK"));
  ok->setObjectName(QStringLiteral("ok"));
  ok->setAccessibleName(ok->text());
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->addWidget(text);
  texts->addSpacing(6);
  texts->addWidget(build);
  auto* row = new QHBoxLayout;
  row->addWidget(picture);
  row->addSpacing(12);
  row->addLayout(texts);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace traxen

// The joint dialogs' frame and the confirmation of an opened file.
#include "ui/dialogs/joint_dialog_frame.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace traxen {

namespace {
struct Texts {
  Q_DECLARE_TR_FUNCTIONS(traxen::OpenConfirmation)
};

const QString kNoteName = QStringLiteral("openConfirmationNote");
}  // namespace

void SetJointDialogLayout(QDialog* dialog, QWidget* picture, QLayout* right) {
  auto* frame = new QVBoxLayout(dialog);
  auto* note = new QLabel;
  note->setObjectName(kNoteName);
  note->setWordWrap(true);
  note->setTextFormat(Qt::PlainText);
  note->setContentsMargins(8, 6, 8, 6);
  // Black on pale yellow, as a bar that tells what a window is for: the dialog's own texts are
  // blue on grey.
  note->setStyleSheet(QStringLiteral("QLabel { color: black; background: #fff6d5; border: 1px solid #e0c878; }"));
  // The line wraps to the dialog's width; its length never widens the dialog.
  note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
  note->hide();
  frame->addWidget(note);
  auto* main = new QHBoxLayout;
  main->addWidget(picture, 1);
  main->addLayout(right);
  frame->addLayout(main, 1);
}

void ShowAsConfirmationOf(QDialog* dialog, const QString& path) {
  const QString file = QFileInfo(path).fileName();
  dialog->setWindowTitle(Texts::tr("Faili %1 väärtuste kinnitamine — %2").arg(file, dialog->windowTitle()));
  if (auto* note = dialog->findChild<QLabel*>(kNoteName)) {
    note->setText(Texts::tr("Fail %1 on loetud. Kontrolli selle väärtusi: OK võtab need koos sinu muudatustega, "
                            "„Ava muutmata“ avab faili nii, nagu see on kirjutatud.")
                      .arg(file));
    note->show();
  }
  if (auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))) {
    cancel->setText(Texts::tr("Ava muutmata"));
    cancel->setToolTip(Texts::tr("Avab faili selle väärtustega, ilma dialoogis tehtud muudatusteta"));
  }
}

void FitIntoParentWindow(QDialog* dialog) {
  QWidget* parent = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
  if (!parent || !parent->isVisible()) return;
  const QSize wanted = dialog->sizeHint();
  const int width = std::max(dialog->minimumSizeHint().width(), std::min(wanted.width(), parent->width()));
  dialog->resize(width, std::max(dialog->minimumSizeHint().height(), wanted.height()));
}

}  // namespace traxen

// The unsaved-changes question.
#include "ui/shell/unsaved_prompt.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace traxen {

namespace {
struct Texts {
  Q_DECLARE_TR_FUNCTIONS(traxen::UnsavedPrompt)
};
}  // namespace

UnsavedAnswer AskAboutUnsavedChanges(QWidget* parent, const QString& question) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("TRAXEN"), question, QMessageBox::NoButton, parent);
  box.setObjectName(QStringLiteral("unsavedChanges"));
  QPushButton* save_button = box.addButton(Texts::tr("&Salvesta"), QMessageBox::AcceptRole);
  save_button->setObjectName(QStringLiteral("save"));
  QPushButton* discard = box.addButton(Texts::tr("Ä&ra salvesta"), QMessageBox::DestructiveRole);
  discard->setObjectName(QStringLiteral("discard"));
  QPushButton* cancel = box.addButton(Texts::tr("&Loobu"), QMessageBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cancel"));
  box.setDefaultButton(save_button);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save_button) return UnsavedAnswer::kSave;
  if (box.clickedButton() == discard) return UnsavedAnswer::kDiscard;
  return UnsavedAnswer::kCancel;
}

}  // namespace traxen

// The one question the program asks before unsaved work would go: Salvesta, Ära salvesta or
// Loobu, with Salvesta the default and Esc for Loobu.
#pragma once

#include <QString>

class QWidget;

namespace traxen {

enum class UnsavedAnswer { kSave, kDiscard, kCancel };

UnsavedAnswer AskAboutUnsavedChanges(QWidget* parent, const QString& question);

}  // namespace traxen

// A joint family's texts in the desktop program: its entry under "Sõlmede tüübid", its button
// on the job toolbar with its tip, and the name of the undo step its dialog's OK makes. The
// shell takes them from here only, so the family registry's texts reach the menus, the
// toolbar and the undo history in one place.
#pragma once

#include <QString>

namespace traxen {

struct JointFamily;

struct FamilyDesktopTexts {
  QString menu;    // "&" before the mnemonic
  QString button;  // "" for no toolbar button
  QString tip;
  QString undo;
};

FamilyDesktopTexts DesktopTextsOf(const JointFamily& family);

}  // namespace traxen

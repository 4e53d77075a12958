// The registry keeps each family's desktop texts in Estonian, the program's own language.
#include "ui/shell/family_texts.h"

#include <string_view>

#include "families/joint_family.h"

namespace traxen {

namespace {
QString Text(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
}  // namespace

FamilyDesktopTexts DesktopTextsOf(const JointFamily& family) {
  return {Text(family.menu_text), Text(family.toolbar_text), Text(family.toolbar_tip), Text(family.undo_text)};
}

}  // namespace traxen

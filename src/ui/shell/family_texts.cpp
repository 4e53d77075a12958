// The registry keeps each family's desktop texts in Estonian and in English beside each other,
// so a new family brings its own; the shell shows those of the interface's language.
#include "ui/shell/family_texts.h"

#include <string_view>

#include "families/joint_family.h"
#include "ui/i18n/interface_language.h"

namespace traxen {

namespace {
QString Text(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
}  // namespace

FamilyDesktopTexts DesktopTextsOf(const JointFamily& family) {
  const JointFamilyTexts texts = JointFamilyTextsIn(family, MessageLanguage());
  return {Text(texts.menu_text), Text(texts.toolbar_text), Text(texts.toolbar_tip), Text(texts.undo_text)};
}

}  // namespace traxen

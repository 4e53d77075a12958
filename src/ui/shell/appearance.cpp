// Palettes for the appearance identifiers: the Office 2007 colour schemes get their tints,
// every other entry the plain Fusion palette.
#include "ui/shell/appearance.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <algorithm>

#include "ui/shell/program_style.h"

namespace traxen {

const std::vector<Appearance>& Appearances() {
  static const std::vector<Appearance> list{
      {205, "Windows &2000"},       {206, "Office &XP"},          {207, "&Windows XP"},
      {208, "Office 200&3"},        {209, "Visual Studio 200&5"}, {210, "Visual Studio 200&8"},
      {215, "&Blue Style"},         {216, "B&lack Style"},        {217, "&Silver Style"},
      {218, "&Aqua Style"},
  };
  return list;
}

bool IsKnownAppearance(int id) {
  // 219 (Windows 7) exists only in the original's drop-down; it is kept if stored.
  return id == 219 || std::any_of(Appearances().begin(), Appearances().end(),
                                  [id](const Appearance& a) { return a.id == id; });
}

namespace {
QPalette Tinted(const QColor& window, const QColor& highlight) {
  QPalette palette = QApplication::style()->standardPalette();
  palette.setColor(QPalette::Window, window);
  palette.setColor(QPalette::Button, window);
  palette.setColor(QPalette::Highlight, highlight);
  return palette;
}

QPalette Dark() {
  QPalette p;
  const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  p.setColor(QPalette::ToolTipBase, window);
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, window);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::Highlight, QColor(90, 120, 160));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
  p.setColor(QPalette::Dark, QColor(25, 25, 25));
  return p;
}
}  // namespace

void ApplyAppearance(int id) {
  InstallProgramStyle();
  QPalette palette = QApplication::style()->standardPalette();
  switch (id) {
    case 215: palette = Tinted(QColor(214, 226, 242), QColor(51, 102, 187)); break;
    case 216: palette = Dark(); break;
    case 217: palette = Tinted(QColor(226, 229, 233), QColor(110, 120, 135)); break;
    case 218: palette = Tinted(QColor(215, 238, 240), QColor(30, 140, 160)); break;
    default: break;
  }
  QApplication::setPalette(palette);
}

}  // namespace traxen

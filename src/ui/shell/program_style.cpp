#include "ui/shell/program_style.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

#include "ui/shell/painted_icons.h"
#include "ui/shell/program_icon.h"

namespace traxen {

namespace {

class ProgramStyle : public QProxyStyle {
 public:
  ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {
    setObjectName(QStringLiteral("traxenStyle"));
  }

  // Fusion reads these from image files, and the menu bar, the toolbars and each document
  // window ask for them as they are built. Every other picture is Fusion's own.
  QIcon standardIcon(StandardPixmap picture, const QStyleOption* option, const QWidget* widget) const override {
    switch (picture) {
      case SP_ToolBarHorizontalExtensionButton: return PaintedIcon(PaintedPicture::kMoreRight);
      case SP_ToolBarVerticalExtensionButton: return PaintedIcon(PaintedPicture::kMoreDown);
      case SP_TitleBarMenuButton: {
        const QIcon icon = ProgramIcon();
        return icon.isNull() ? PaintedIcon(PaintedPicture::kNewPage) : icon;
      }
      case SP_TitleBarMaxButton: return PaintedIcon(PaintedPicture::kMaximize);
      case SP_TitleBarMinButton: return PaintedIcon(PaintedPicture::kMinimize);
      case SP_TitleBarNormalButton: return PaintedIcon(PaintedPicture::kRestore);
      case SP_TitleBarCloseButton: return PaintedIcon(PaintedPicture::kClose);
      default: return QProxyStyle::standardIcon(picture, option, widget);
    }
  }
};

}  // namespace

void InstallProgramStyle() {
  if (QApplication::style()->objectName() == QLatin1String("traxenStyle")) return;
  QApplication::setStyle(new ProgramStyle);
}

}  // namespace traxen

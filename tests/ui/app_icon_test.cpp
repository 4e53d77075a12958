// The application icon is compiled into the programs: the window, the document windows and
// the About box show the truss joint at every size they ask for, read from the PNG renderings
// of the drawing when a size is first asked for.
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtTest>

#include "ui/shell/painted_icons.h"
#include "ui/shell/program_icon.h"

using namespace traxen;

class AppIconTest : public QObject {
  Q_OBJECT
 private slots:
  void theDrawingAndItsRenderingsAreResourcesOfTheProgram() {
    QVERIFY(QFile::exists(QStringLiteral(":/icons/traxen.svg")));
    for (int side : {16, 24, 32, 48, 64, 128, 256})
      QVERIFY2(QFile::exists(QStringLiteral(":/icons/traxen-%1.png").arg(side)), qPrintable(QString::number(side)));
  }

  void theIconOffersEveryRendering() {
    const QList<QSize> sizes = ProgramIcon().availableSizes();
    QCOMPARE(sizes.size(), 7);
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(256, 256)));
  }

  void theIconIsDrawnAtEachSize_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("menu") << 16;
    QTest::newRow("title bar") << 32;
    QTest::newRow("about box") << 48;
    QTest::newRow("between renderings") << 100;  // scaled down from the 128 one
    QTest::newRow("task switcher") << 256;
  }
  void theIconIsDrawnAtEachSize() {
    QFETCH(int, size);
    const QIcon icon = ProgramIcon();
    QVERIFY(!icon.isNull());
    const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(size, size));
    // The tile's teal border at the top edge, the white page in the middle: the drawing itself,
    // not an empty or placeholder image.
    const QColor border = image.pixelColor(size / 2, size * 3 / 64);
    QVERIFY2(border.red() < 60 && border.green() > 140 && border.blue() > 160,
             qPrintable(QStringLiteral("border pixel %1").arg(border.name())));
    const QColor page = image.pixelColor(size / 2, size * 20 / 128);
    QVERIFY2(page.red() > 235 && page.green() > 235 && page.blue() > 235,
             qPrintable(QStringLiteral("page pixel %1").arg(page.name())));
  }

  // The toolbar's pictures are painted: each one must show something at the sizes toolbars
  // and menus use, and look fainter when its command is disabled.
  void paintedPicturesAreNotBlank_data() {
    QTest::addColumn<int>("picture");
    for (PaintedPicture p : {PaintedPicture::kNewPage, PaintedPicture::kOpenFolder, PaintedPicture::kSaveDisk,
                             PaintedPicture::kPrinter, PaintedPicture::kQuestion, PaintedPicture::kMoreRight,
                             PaintedPicture::kMoreDown, PaintedPicture::kMaximize, PaintedPicture::kMinimize,
                             PaintedPicture::kRestore, PaintedPicture::kClose})
      QTest::newRow(qPrintable(QString::number(int(p)))) << int(p);
  }
  void paintedPicturesAreNotBlank() {
    QFETCH(int, picture);
    const QIcon icon = PaintedIcon(PaintedPicture(picture));
    for (int side : {16, 24, 32}) {
      const QImage normal = icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
      const QImage faded = icon.pixmap(side, side, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
      QCOMPARE(normal.size(), QSize(side, side));
      int inked = 0, normal_alpha = 0, faded_alpha = 0;
      for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
          inked += qAlpha(normal.pixel(x, y)) > 128;
          normal_alpha += qAlpha(normal.pixel(x, y));
          faded_alpha += qAlpha(faded.pixel(x, y));
        }
      QVERIFY2(inked >= side / 2, qPrintable(QStringLiteral("%1 px: %2 inked pixels").arg(side).arg(inked)));
      QVERIFY(faded_alpha < normal_alpha);
    }
  }
};

QTEST_MAIN(AppIconTest)
#include "app_icon_test.moc"

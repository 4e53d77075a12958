// What every start of the program pays for: built, given a job and painted, the main window
// loads no image-format plug-in and no SVG library. Qt loads all of them (and the JPEG library)
// as soon as anything lets it guess the format of an image file, which costs milliseconds at
// each start; the program's own pictures are painted or read as PNG by name.
//
// A process of its own: any earlier test in the same process could have loaded them.
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/shell/main_window.h"
#include "ui/ui_test_support.h"

using namespace traxen;

namespace {
QString MappedFiles() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(maps.readAll()) : QString();
}
}  // namespace

class StartupCostTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    test::UsePrivateSettings(settings_.path());
    qputenv("TRAXEN_LIBRARY", QByteArray(TRAXEN_TEST_DIR "/../data/Profiilid"));
    SetJointDialogsInteractive(false);
  }

  void theFirstPaintedReportLoadsNoImageCodec() {
    if (!QFile::exists(QStringLiteral("/proc/self/maps"))) QSKIP("needs /proc/self/maps");
    MainWindow window;
    window.show();
    window.openInNewWindow(test::ExampleFile("kn_windows.trx"), true);
    const QImage painted = window.grab().toImage();  // every widget paints once
    QVERIFY(!painted.isNull());
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(!window.windowIcon().pixmap(32, 32).isNull());

    const QString maps = MappedFiles();
    QVERIFY2(!maps.isEmpty(), "cannot read /proc/self/maps");
    QVERIFY2(!maps.contains(QStringLiteral("/imageformats/")), "an image-format plug-in was loaded");
    QVERIFY2(!maps.contains(QStringLiteral("libQt6Svg")), "the SVG library was loaded");
    QVERIFY2(!maps.contains(QStringLiteral("/iconengines/")), "an icon-engine plug-in was loaded");
  }

 private:
  QTemporaryDir settings_;
};

QTEST_MAIN(StartupCostTest)
#include "startup_cost_test.moc"

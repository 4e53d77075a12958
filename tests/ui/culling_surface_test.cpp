// Replaying a report through the culling surface draws the clip rectangle exactly as a full
// replay does, while passing on only the drawing that can touch it.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "report/recording_surface.h"
#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/qt/painter_surface.h"
#include "ui/shell/culling_surface.h"
#include "ui/shell/document.h"
#include "ui/ui_test_support.h"

using namespace traxen;

namespace {
QImage Render(const LaidOutReport& report, const ReportRect* cull, QRect pixels, double zoom) {
  QImage image(pixels.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.translate(-pixels.topLeft());
  painter.scale(zoom, zoom);
  QPainterSurface surface(painter);
  if (cull) {
    CullingSurface culling(surface, *cull);
    ReplayReport(report, culling, nullptr);
  } else {
    ReplayReport(report, surface, nullptr);
  }
  return image;
}
}  // namespace

class CullingSurfaceTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    qputenv("TRAXEN_LIBRARY", QByteArray(TRAXEN_TEST_DIR "/../data/Profiilid"));
    SetJointDialogsInteractive(false);  // opened files are confirmed without a dialog
  }

  void aCulledReplayDrawsTheClipAsAFullReplay_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QRect>("strip");  // report units
    QTest::addColumn<double>("zoom");
    QTest::newRow("K/N schematic band") << "kn_windows.trx" << QRect(0, 250, 900, 220) << 1.0;
    QTest::newRow("K/N page break") << "kn_windows.trx" << QRect(0, 1100, 900, 260) << 1.0;
    QTest::newRow("T/Y/X text rows, zoomed") << "tyx_windows.trx" << QRect(100, 1500, 300, 120) << 2.5;
    QTest::newRow("thin band through a frame edge") << "tyx_windows.trx" << QRect(840, 600, 20, 40) << 4.0;
  }
  void aCulledReplayDrawsTheClipAsAFullReplay() {
    QFETCH(QString, file);
    QFETCH(QRect, strip);
    QFETCH(double, zoom);
    Document doc;
    QString error;
    QVERIFY2(doc.open(test::ExampleFile(qPrintable(file)), nullptr, &error), qPrintable(error));
    const LaidOutReport report = LayOutReport(doc.job(), doc.data().working, doc.data().last_confirmed_dialog, 0);
    const QRect pixels(int(strip.left() * zoom), int(strip.top() * zoom), int(strip.width() * zoom),
                       int(strip.height() * zoom));
    const ReportRect clip{strip.left() - 1, strip.top() - 1, strip.right() + 2, strip.bottom() + 2};
    const QImage full = Render(report, nullptr, pixels, zoom);
    const QImage culled = Render(report, &clip, pixels, zoom);
    QCOMPARE(culled, full);

    // And it passes on far fewer drawings than the report holds.
    RecordingSurface all, passed;
    ReplayReport(report, all, nullptr);
    CullingSurface culling(passed, clip);
    ReplayReport(report, culling, nullptr);
    QVERIFY2(passed.texts().size() * 3 < all.texts().size(),
             qPrintable(QStringLiteral("%1 of %2 texts").arg(passed.texts().size()).arg(all.texts().size())));
  }

  void operationsOutsideTheClipAreDropped_data() {
    QTest::addColumn<int>("kind");  // 0 line, 1 rectangle, 2 text, 3 polyline
    QTest::addColumn<QPoint>("a");
    QTest::addColumn<QPoint>("b");
    QTest::addColumn<bool>("passed");
    // Clip: x 100..200, y 100..200.
    QTest::newRow("line inside") << 0 << QPoint(120, 120) << QPoint(180, 180) << true;
    QTest::newRow("line crossing") << 0 << QPoint(0, 150) << QPoint(900, 150) << true;
    QTest::newRow("line above") << 0 << QPoint(0, 50) << QPoint(900, 50) << false;
    QTest::newRow("line just above, within the pen's reach") << 0 << QPoint(0, 99) << QPoint(900, 99) << true;
    QTest::newRow("rectangle around the clip") << 1 << QPoint(0, 0) << QPoint(900, 900) << true;
    QTest::newRow("rectangle below") << 1 << QPoint(0, 300) << QPoint(900, 400) << false;
    QTest::newRow("text row starting left of the clip") << 2 << QPoint(0, 150) << QPoint() << true;
    QTest::newRow("text row above, its cell reaching in") << 2 << QPoint(120, 85) << QPoint() << true;
    QTest::newRow("text row far above") << 2 << QPoint(120, 20) << QPoint() << false;
    QTest::newRow("text starting right of the clip") << 2 << QPoint(300, 150) << QPoint() << false;
    QTest::newRow("polyline passing through") << 3 << QPoint(0, 0) << QPoint(900, 900) << true;
    QTest::newRow("polyline beside") << 3 << QPoint(300, 0) << QPoint(400, 900) << false;
  }
  void operationsOutsideTheClipAreDropped() {
    QFETCH(int, kind);
    QFETCH(QPoint, a);
    QFETCH(QPoint, b);
    QFETCH(bool, passed);
    RecordingSurface target;
    CullingSurface culling(target, ReportRect{100, 100, 200, 200});
    culling.setFont({"Times New Roman", 19, 400});
    const Point p{a.x(), a.y()}, q{b.x(), b.y()};
    switch (kind) {
      case 0: culling.drawLine(p, q); break;
      case 1: culling.drawRect(p, q); break;
      case 2: culling.drawText(p, "Korras!"); break;
      default: {
        const Point points[] = {p, q};
        culling.drawPolyline(points);
      }
    }
    int drawings = 0;
    for (const DrawOp& op : target.ops()) drawings += op.kind == DrawOp::Kind::Line || op.kind == DrawOp::Kind::Rect ||
                                                      op.kind == DrawOp::Kind::Text || op.kind == DrawOp::Kind::Polyline;
    QCOMPARE(drawings, passed ? 1 : 0);
  }
};

QTEST_MAIN(CullingSurfaceTest)
#include "culling_surface_test.moc"

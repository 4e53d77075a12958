// The report view's zoom and scrolling: the slider and rectangle arithmetic, a click that
// scrolls without zooming, a scroll height that follows the pages, and a page drawn whole.
#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

#include "ui/dialogs/joint_dialog_entry.h"
#include "ui/shell/document.h"
#include "ui/shell/report_view.h"
#include "ui/shell/zoom_math.h"
#include "ui/ui_test_support.h"

using namespace traxen;

namespace {
// A view whose client area is exactly `client` pixels.
void SetClientSize(ReportView& view, QSize client) {
  view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view.setFrameStyle(QFrame::NoFrame);
  view.resize(client);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  QCOMPARE(view.viewport()->size(), client);
}

QPointF CentreInReportUnits(const ReportView& view) {
  return view.toReportUnits(QPointF(view.viewport()->width() / 2.0, view.viewport()->height() / 2.0));
}
}  // namespace

class ReportViewTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    qputenv("TRAXEN_LIBRARY", QByteArray(TRAXEN_TEST_DIR "/../data/Profiilid"));
    SetJointDialogsInteractive(false);  // opened files are confirmed without a dialog
  }

  void sliderPositionsGiveZoom_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("zoom");
    QTest::newRow("first") << 1 << 0.2;
    QTest::newRow("start") << 5 << 1.0;
    QTest::newRow("last") << 10 << 2.0;
  }
  void sliderPositionsGiveZoom() {
    QFETCH(int, position);
    QFETCH(double, zoom);
    QCOMPARE(SliderZoom(position), zoom);
    QCOMPARE(SliderPosition(zoom), position);
  }

  void rectangleZoom_data() {
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("expected");
    const QSizeF client(1000, 800);
    QTest::newRow("200x100 at 1: f = 5") << QRectF(100, 100, 200, 100) << 1.0 << 5.0;
    QTest::newRow("200x100 at 2: f = 2.5") << QRectF(100, 100, 200, 100) << 2.0 << 5.0;
    QTest::newRow("100x50 at 4: 10 clamped") << QRectF(100, 100, 100, 50) << 4.0 << 5.0;
    QTest::newRow("dragged right to left") << QRectF(300, 200, -200, -100) << 1.0 << 5.0;
    QTest::newRow("400x400 at 1: f = 2") << QRectF(0, 0, 400, 400) << 1.0 << 2.0;
    QTest::newRow("a click does not zoom") << QRectF(300, 400, 0, 0) << 1.5 << 1.5;
    QTest::newRow("a tiny rectangle does not zoom") << QRectF(300, 400, 5, 5) << 1.0 << 1.0;
    QTest::newRow("a thin line zooms by its length") << QRectF(300, 400, 0, 100) << 1.0 << 5.0;
  }
  void rectangleZoom() {
    QFETCH(QRectF, rect);
    QFETCH(double, zoom);
    QFETCH(double, expected);
    const QSizeF client(1000, 800);
    const RectangleZoom z = ZoomToRectangle(rect, client, zoom);
    QCOMPARE(z.zoom, expected);
    // The rectangle's centre lands in the middle of the client area.
    const QPointF centre = (z.scroll + QPointF(500, 400)) / z.zoom;
    QVERIFY(std::abs(centre.x() - rect.normalized().center().x()) < 1e-9);
    QVERIFY(std::abs(centre.y() - rect.normalized().center().y()) < 1e-9);
  }

  void zoomAboutKeepsTheCentre() {
    const QPointF scroll(120, 3000);
    const QSizeF client(800, 600);
    const QPointF before = (scroll + QPointF(400, 300)) / 1.0;
    const QPointF after_scroll = ScrollForZoomAbout(scroll, client, 1.0, 2.0);
    QCOMPARE((after_scroll + QPointF(400, 300)) / 2.0, before);
    QCOMPARE(ClampZoom(100), kZoomMax);
    QCOMPARE(ClampZoom(0), kZoomMin);
    QCOMPARE(ClampZoom(std::nan("")), 1.0);
  }

  void theViewZoomsToADraggedRectangleAndScrollsOnAClick() {
    Document doc;
    ReportView view(&doc);
    SetClientSize(view, QSize(1000, 800));

    view.zoomToRectangle(QRectF(100, 100, 200, 100));
    QCOMPARE(view.zoom(), 5.0);
    QPointF centre = CentreInReportUnits(view);
    QVERIFY2(std::abs(centre.x() - 200) < 0.5 && std::abs(centre.y() - 150) < 0.5,
             qPrintable(QStringLiteral("%1, %2").arg(centre.x()).arg(centre.y())));

    // A click (press and release at one point) keeps the zoom and centres the point.
    const QPoint click(700, 500);
    const QPointF clicked_units = view.toReportUnits(click);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, click);
    QCOMPARE(view.zoom(), 5.0);
    centre = CentreInReportUnits(view);
    QVERIFY2(std::abs(centre.x() - clicked_units.x()) < 0.5 && std::abs(centre.y() - clicked_units.y()) < 0.5,
             qPrintable(QStringLiteral("%1, %2").arg(centre.x()).arg(centre.y())));
  }

  void ctrlWheelZoomsAboutTheMouse() {
    Document doc;
    ReportView view(&doc);
    SetClientSize(view, QSize(600, 500));
    view.zoomAbout(2.0);
    const QPointF mouse(150, 300);
    const QPointF under_mouse = view.toReportUnits(mouse);
    QWheelEvent wheel(mouse, view.viewport()->mapToGlobal(mouse), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &wheel);
    QCOMPARE(view.zoom(), 2.5);
    const QPointF after = view.toReportUnits(mouse);
    QVERIFY2(std::abs(after.x() - under_mouse.x()) < 1 && std::abs(after.y() - under_mouse.y()) < 1,
             qPrintable(QStringLiteral("%1, %2").arg(after.x()).arg(after.y())));
    // Without Ctrl the wheel scrolls and keeps the zoom.
    const int before = view.verticalScrollBar()->value();
    QWheelEvent plain(mouse, view.viewport()->mapToGlobal(mouse), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &plain);
    QCOMPARE(view.zoom(), 2.5);
    QVERIFY(view.verticalScrollBar()->value() > before);
  }

  // The wheel and the keys scroll as elsewhere on the desktop, in report lines scaled by the
  // zoom; the scroll bar's own arrows keep their long step.
  void wheelAndKeysScrollByDesktopAmounts_data() {
    QTest::addColumn<double>("zoom");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("250 %") << 2.5;
    QTest::newRow("33 %") << 0.33;
  }
  void wheelAndKeysScrollByDesktopAmounts() {
    QFETCH(double, zoom);
    Document doc;
    QString error;
    QVERIFY2(doc.open(test::ExampleFile("kn_windows.trx"), nullptr, &error), qPrintable(error));
    ReportView view(&doc);
    view.resize(1000, 700);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.zoomAbout(zoom);
    QApplication::setWheelScrollLines(3);
    QScrollBar* bar = view.verticalScrollBar();
    const int line = int(std::lround(20 * zoom));
    const int start = bar->maximum() / 2;
    bar->setValue(start);

    const QPointF mouse(300, 300);
    QWheelEvent notch(mouse, view.viewport()->mapToGlobal(mouse), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &notch);
    QCOMPARE(bar->value(), start + int(std::lround(60 * zoom)));
    QWheelEvent back(mouse, view.viewport()->mapToGlobal(mouse), QPoint(), QPoint(0, 120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &back);
    QCOMPARE(bar->value(), start);

    const struct {
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
      int expected;
    } keys[] = {
        {Qt::Key_Down, Qt::NoModifier, start + line},
        {Qt::Key_Up, Qt::NoModifier, start},
        {Qt::Key_PageDown, Qt::NoModifier, std::min(bar->maximum(), start + view.viewport()->height())},
        {Qt::Key_PageUp, Qt::NoModifier, std::max(0, std::min(bar->maximum(), start + view.viewport()->height()) - view.viewport()->height())},
        {Qt::Key_End, Qt::NoModifier, bar->maximum()},
        {Qt::Key_Home, Qt::NoModifier, 0},
        {Qt::Key_Up, Qt::NoModifier, 0},  // stays at the start
        {Qt::Key_End, Qt::ControlModifier, bar->maximum()},
        {Qt::Key_Down, Qt::NoModifier, bar->maximum()},  // stays at the end
        {Qt::Key_Home, Qt::ControlModifier, 0},
    };
    for (const auto& k : keys) {
      QTest::keyClick(&view, k.key, k.modifiers);
      QCOMPARE(bar->value(), k.expected);
    }
    QCOMPARE(bar->singleStep(), 220);  // the scroll bar's arrow buttons
    QCOMPARE(view.zoom(), zoom);
  }

  void theScrollPositionOutlivesABrieflyShorterReport() {
    Document doc;
    QString error;
    QVERIFY2(doc.open(test::ExampleFile("tyx_windows.trx"), nullptr, &error), qPrintable(error));
    ReportView view(&doc);
    view.resize(1000, 700);
    view.show();
    QScrollBar* bar = view.verticalScrollBar();
    bar->setValue(bar->maximum());
    const int bottom = bar->value();
    // A joint dialog drops the schematic while it is open, which may shorten the report;
    // its OK brings the schematic back, and the user is where they were.
    view.setLastDialog(0);
    view.setLastDialog(1);
    QCOMPARE(bar->value(), bottom);
    JobContent c = doc.content();
    c.job.info.job_name = "Teine nimi";
    doc.change(c, "info");
    QCOMPARE(bar->value(), bottom);
    // Once the user scrolls, the held position is given up.
    view.setLastDialog(0);
    QTest::keyClick(&view, Qt::Key_Home);
    view.setLastDialog(1);
    QCOMPARE(bar->value(), 0);
  }

  void theZoomLadderSteps_data() {
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("next");
    QTest::addColumn<double>("previous");
    QTest::newRow("100 %") << 1.0 << 1.1 << 0.9;
    QTest::newRow("a third") << 0.33 << 0.5 << 0.25;
    QTest::newRow("slider's 40 %, between steps") << 0.4 << 0.5 << 0.33;
    QTest::newRow("just off 100 % by rounding") << 1.0000001 << 1.1 << 0.9;
    QTest::newRow("top") << 5.0 << 5.0 << 4.0;
    QTest::newRow("below the ladder") << 0.2 << 0.25 << 0.2;
    QTest::newRow("not a number") << std::nan("") << 1.1 << 0.9;
  }
  void theZoomLadderSteps() {
    QFETCH(double, zoom);
    QFETCH(double, next);
    QFETCH(double, previous);
    QCOMPARE(NextLadderZoom(zoom), next);
    QCOMPARE(PreviousLadderZoom(zoom), previous);
  }

  void fitZoomArithmetic() {
    QCOMPARE(FitWidthZoom(900, 900), 1.0);
    QCOMPARE(FitWidthZoom(450, 900), 0.5);
    QCOMPARE(FitWidthZoom(90000, 900), kZoomMax);
    QCOMPARE(FitWidthZoom(0, 900), 1.0);
    QCOMPARE(FitPageZoom(QSizeF(1800, 1229), QSizeF(900, 1229)), 1.0);  // the height limits
    QCOMPARE(FitPageZoom(QSizeF(450, 2458), QSizeF(900, 1229)), 0.5);   // the width limits
    QCOMPARE(FitPageZoom(QSizeF(10, 10), QSizeF(900, 1229)), kZoomMin);
    QCOMPARE(FitPageZoom(QSizeF(), QSizeF(900, 1229)), 1.0);
    QCOMPARE(LineScrollPixels(1.0), 20);
    QCOMPARE(LineScrollPixels(0.2), 4);
    QCOMPARE(WheelScrollPixels(-120, 1.0, 3), 60);
    QCOMPARE(WheelScrollPixels(240, 0.5, 3), -60);
    QCOMPARE(WheelScrollPixels(-60, 1.0, 3), 30);  // half a notch of a fine wheel
  }

  void theViewFitsWidthAndPage() {
    Document doc;
    QString error;
    QVERIFY2(doc.open(test::ExampleFile("kn_windows.trx"), nullptr, &error), qPrintable(error));
    ReportView view(&doc);
    SetClientSize(view, QSize(1000, 800));
    view.fitWidth();
    QCOMPARE(view.zoom(), 1000.0 / 900);
    QCOMPARE(view.contentSize().width(), 1000);
    QCOMPARE(view.horizontalScrollBar()->maximum(), 0);

    // Fit page shows the page at the client centre whole, from its top.
    view.zoomToActualSize();
    QCOMPARE(view.zoom(), 1.0);
    view.verticalScrollBar()->setValue(1229 + 300);  // page 2 is at the centre
    view.fitPage();
    const double zoom = 800.0 / 1229;
    QCOMPARE(view.zoom(), zoom);
    QCOMPARE(view.verticalScrollBar()->value(), int(std::lround(1229 * zoom)));
    QVERIFY(std::lround(1229 * zoom) <= 800);

    view.zoomIn();
    QCOMPARE(view.zoom(), 0.67);
    view.zoomOut();
    QCOMPARE(view.zoom(), 0.5);
  }

  void theScrollHeightFollowsThePages_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("zoom");
    QTest::newRow("new job") << "" << 1.0;
    QTest::newRow("K/N example") << "kn_windows.trx" << 1.0;
    QTest::newRow("T/Y/X example, small") << "tyx_windows.trx" << 0.2;
    QTest::newRow("T/Y/X example, large") << "tyx_windows.trx" << 2.0;
  }
  void theScrollHeightFollowsThePages() {
    QFETCH(QString, file);
    QFETCH(double, zoom);
    Document doc;
    QString error;
    if (!file.isEmpty()) QVERIFY2(doc.open(test::ExampleFile(qPrintable(file)), nullptr, &error), qPrintable(error));
    ReportView view(&doc);
    view.resize(900, 700);
    view.show();
    view.zoomAbout(zoom);
    const int pages = view.pageCount();
    QVERIFY(pages >= 1);
    const int expected_height = int(std::lround((pages * 1229.0 + 2) * zoom));
    QCOMPARE(view.contentSize().height(), expected_height);
    // The page's frame reaches x = 850: the scrolled width must take in its right edge.
    QVERIFY(view.contentSize().width() >= int(std::ceil(851 * zoom)));
    QCOMPARE(view.verticalScrollBar()->maximum(), std::max(0, expected_height - view.viewport()->height()));
  }

  void thePageFramesRightEdgeIsPainted() {
    Document doc;
    ReportView view(&doc);
    SetClientSize(view, QSize(1000, 600));
    const QImage image = view.viewport()->grab().toImage();
    // The page is centred: report x = 850 lies at (1000 - 900) / 2 + 850 = 900.
    int dark = 0;
    for (int y = 200; y < 600; ++y)
      if (qGray(image.pixel(900, y)) < 128) ++dark;
    QVERIFY2(dark > 300, qPrintable(QStringLiteral("%1 dark pixels").arg(dark)));
  }

  // A repaint of part of the client area (the strip a scroll uncovers) replays only what
  // touches it; it must still look exactly as the same part of a whole repaint, at page
  // breaks, in the margins beside the page, on drawings and on text, at any zoom.
  void anExposedStripLooksAsInAWholeRepaint_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("scroll");  // vertical scroll position, pixels
    QTest::addColumn<QRect>("strip");  // client pixels
    QTest::newRow("K/N schematic, a line scrolled in below") << "kn_windows.trx" << 1.0 << 220 << QRect(0, 680, 1000, 220);
    QTest::newRow("K/N schematic, a line scrolled in above") << "kn_windows.trx" << 1.0 << 220 << QRect(0, 0, 1000, 220);
    QTest::newRow("K/N page break") << "kn_windows.trx" << 1.0 << 1000 << QRect(0, 80, 1000, 260);
    QTest::newRow("T/Y/X text rows, zoomed") << "tyx_windows.trx" << 2.5 << 3700 << QRect(0, 300, 1000, 131);
    QTest::newRow("thin band through the frame's edge") << "tyx_windows.trx" << 4.0 << 2400 << QRect(0, 37, 1000, 9);
    QTest::newRow("small, several pages in the strip") << "tyx_windows.trx" << 0.2 << 0 << QRect(0, 333, 1000, 567);
  }
  void anExposedStripLooksAsInAWholeRepaint() {
    QFETCH(QString, file);
    QFETCH(double, zoom);
    QFETCH(int, scroll);
    QFETCH(QRect, strip);
    Document doc;
    QString error;
    QVERIFY2(doc.open(test::ExampleFile(qPrintable(file)), nullptr, &error), qPrintable(error));
    ReportView view(&doc);
    SetClientSize(view, QSize(1000, 900));
    view.zoomAbout(zoom);
    view.verticalScrollBar()->setValue(scroll);
    QCOMPARE(view.verticalScrollBar()->value(), scroll);

    QImage whole(view.viewport()->size(), QImage::Format_RGB32);
    view.viewport()->render(&whole);
    QImage part(view.viewport()->size(), QImage::Format_RGB32);
    part.fill(Qt::magenta);  // anything the strip's repaint leaves out shows
    view.viewport()->render(&part, strip.topLeft(), QRegion(strip));
    QCOMPARE(part.copy(strip), whole.copy(strip));
  }

  void aDocumentChangeRepaintsEveryViewWithTheNewJob() {
    Document doc;
    ReportView first(&doc), second(&doc);
    JobContent c = doc.content();
    c.job.info.job_name = "Uus nimi";
    doc.change(c, "info");
    for (ReportView* view : {&first, &second}) {
      bool found = false;
      for (const auto& t : view->report().ops.texts()) found = found || t.text.find("Uus nimi") != std::string::npos;
      QVERIFY(found);
    }
  }
};

QTEST_MAIN(ReportViewTest)
#include "report_view_test.moc"

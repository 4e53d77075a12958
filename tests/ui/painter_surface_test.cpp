// The QPainter backend keeps the text conventions of Windows GDI: cell-height fonts from
// the Liberation faces, text by its top-left corner, Greek letters available, and a report
// replayed from a recording looks exactly like one drawn directly.
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <memory>

#include "model/job.h"
#include "model/job_file.h"
#include "families/dispatch.h"
#include "report/text_metrics.h"
#include "ui/qt/painter_surface.h"
#include "ui/qt/report_export.h"

using namespace traxen;

class PainterSurfaceTest : public QObject {
  Q_OBJECT
 private slots:
  void fontsResolveToLiberationWithTheCellHeight_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("family");
    QTest::newRow("body") << "Times New Roman" << 19 << "Liberation Serif";
    QTest::newRow("small") << "Times New Roman" << 13 << "Liberation Serif";
    QTest::newRow("title") << "Times New Roman" << 24 << "Liberation Serif";
    QTest::newRow("footer") << "Arial" << 14 << "Liberation Sans";
  }
  void fontsResolveToLiberationWithTheCellHeight() {
    QFETCH(QString, face);
    QFETCH(int, height);
    QFETCH(QString, family);
    const ResolvedFont& f = ResolveFont({face.toStdString(), height, 400});
    QCOMPARE(QFontInfo(f.font).family(), family);
    const QFontMetrics m(f.font);
    QVERIFY2(std::abs(m.ascent() + m.descent() - height) <= 1,
             qPrintable(QStringLiteral("cell %1 for height %2").arg(m.ascent() + m.descent()).arg(height)));
    QVERIFY(m.inFont(QChar(0x03B8)));  // θ
    QVERIFY(m.inFont(QChar(0x03C3)));  // σ
  }

  void textIsPlacedByItsTopLeftCorner() {
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter p(&image);
      QPainterSurface s(p);
      s.setFont({"Times New Roman", 40, 700});
      s.drawText({50, 30}, "ÉH");
    }
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height() && top < 0; ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) { top = y; break; }
    for (int y = image.height() - 1; y >= 0 && bottom < 0; --y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) { bottom = y; break; }
    QVERIFY2(top >= 30 && top < 36, qPrintable(QString::number(top)));  // the accent sits just below the cell top
    QVERIFY2(bottom < 70, qPrintable(QString::number(bottom)));         // glyphs stay inside the 40-unit cell
  }

  // The layout measures with the fonts' tables; they must agree with the fonts Qt draws.
  void measuredWidthsMatchTheDrawnFonts_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("weight");
    QTest::addColumn<QString>("text");
    QTest::newRow("body") << "Times New Roman" << 19 << 400 << "SÕLME KANDEVÕIME ARVUTUSE EELDUSED: 355.0 kN";
    QTest::newRow("bold") << "Times New Roman" << 19 << 700 << "N1,Rd = 606.6 kN >= |N1,Ed| θβγ";
    QTest::newRow("small") << "Times New Roman" << 13 << 400 << "0,Ed yk0";
    QTest::newRow("label") << "Arial" << 14 << 400 << " 200x200x8.0 -271.6 kN Leht 12";
  }
  void measuredWidthsMatchTheDrawnFonts() {
    QFETCH(QString, face);
    QFETCH(int, height);
    QFETCH(int, weight);
    QFETCH(QString, text);
    const Font font{face.toStdString(), height, weight};
    const double drawn = QFontMetricsF(ResolveFont(font).font).horizontalAdvance(text);
    const int measured = ReportTextWidth(font, text.toStdString());
    QVERIFY2(std::abs(drawn - measured) <= 1.0, qPrintable(QStringLiteral("drawn %1, measured %2").arg(drawn).arg(measured)));
  }

  void textCellIsOpaque() {
    QImage image(100, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter p(&image);
      QPainterSurface s(p);
      s.setPen({PenStyle::Solid, 0, kBlack});
      s.drawLine({0, 30}, {100, 30});
      s.setFont({"Arial", 14, 400});
      s.drawText({10, 22}, "    ");  // blanks only: nothing but the background
    }
    QCOMPARE(image.pixel(20, 30), qRgb(255, 255, 255));  // the line is covered by the text cell
    QCOMPARE(image.pixel(80, 30), qRgb(0, 0, 0));
  }

  // Every page of a long report carries its text, not only the first.
  void everyPageOfAnExportHasItsText() {
    LoadedJob loaded;
    QVERIFY(!LoadJobFile(TRAXEN_TEST_DIR "/joints/kn/reports/gap_joint.json", "", loaded));
    const auto report = std::make_unique<LaidOutReport>(LayOutReport(loaded.job, loaded.working, loaded.last_dialog, 0));
    QVERIFY(report->page_count >= 2);
    for (int page = 0; page < report->page_count; ++page) {
      QImage image(900, 1229, QImage::Format_RGB32);
      image.fill(Qt::white);
      {
        QPainter p(&image);
        PaintReportPage(p, *report, page, QRectF(0, 0, 900, 1229));
      }
      int dark = 0;
      for (int y = 20; y < 60; ++y)  // the header title
        for (int x = 120; x < 590; ++x) dark += qGray(image.pixel(x, y)) < 128;
      QVERIFY2(dark > 500, qPrintable(QStringLiteral("page %1: %2 dark pixels").arg(page + 1).arg(dark)));
    }
  }

  // The view paints the whole strip at its zoom: text must appear on every page there too.
  void zoomedStripHasTextOnEveryPage() {
    LoadedJob loaded;
    QVERIFY(!LoadJobFile(TRAXEN_TEST_DIR "/joints/kn/reports/gap_joint.json", "", loaded));
    const double zoom = 2.0;
    QImage image(int(900 * zoom), int(4 * 1229 * zoom), QImage::Format_RGB32);
    image.fill(Qt::white);
    int pages = 0;
    {
      QPainter p(&image);
      p.scale(zoom, zoom);
      QPainterSurface s(p);
      pages = RenderReport(s, loaded.job, loaded.working, loaded.last_dialog, {}).page_count;
    }
    for (int page = 0; page < std::min(pages, 4); ++page) {
      int dark = 0;
      for (int y = int((page * 1229 + 20) * zoom); y < int((page * 1229 + 60) * zoom); ++y)
        for (int x = int(120 * zoom); x < int(590 * zoom); ++x) dark += qGray(image.pixel(x, y)) < 128;
      QVERIFY2(dark > 1000, qPrintable(QStringLiteral("page %1: %2 dark pixels").arg(page + 1).arg(dark)));
    }
  }

  void replayedReportMatchesDirectRendering() {
    Job job;
    QImage direct(900, 1229, QImage::Format_RGB32), replayed(900, 1229, QImage::Format_RGB32);
    direct.fill(Qt::white);
    replayed.fill(Qt::white);
    {
      QPainter p(&direct);
      QPainterSurface s(p);
      RenderReport(s, job, ReportInputs{}, 0, {});
    }
    const auto laid_out = std::make_unique<LaidOutReport>(LayOutReport(job, ReportInputs{}, 0, 0));
    {
      QPainter p(&replayed);
      PaintReportPage(p, *laid_out, 0, QRectF(0, 0, 900, 1229));
    }
    QCOMPARE(replayed, direct);
  }
};

QTEST_MAIN(PainterSurfaceTest)
#include "painter_surface_test.moc"

// The QPainter backend keeps the original platform's text conventions: cell-height fonts from
// the Liberation faces, text by its top-left corner, Greek letters available, and a report
// replayed from a recording looks exactly like one drawn directly.
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "model/job.h"
#include "report/dispatch.h"
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

  void replayedReportMatchesDirectRendering() {
    Job job;
    ViewState view;
    QImage direct(900, 1229, QImage::Format_RGB32), replayed(900, 1229, QImage::Format_RGB32);
    direct.fill(Qt::white);
    replayed.fill(Qt::white);
    {
      QPainter p(&direct);
      QPainterSurface s(p);
      RenderReport(s, job, view, {});
    }
    const auto laid_out = LayOutReport(job, view, 0);
    {
      QPainter p(&replayed);
      PaintReportPage(p, *laid_out, 0, QRectF(0, 0, 900, 1229));
    }
    QCOMPARE(replayed, direct);
  }
};

QTEST_MAIN(PainterSurfaceTest)
#include "painter_surface_test.moc"

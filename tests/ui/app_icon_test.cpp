// The application icon is compiled into the programs and drawn by Qt's SVG support: the
// window, the About box and the task bar show the truss joint at every size they ask for.
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtTest>

class AppIconTest : public QObject {
  Q_OBJECT
 private slots:
  void theIconIsAResourceOfTheProgram() { QVERIFY(QFile::exists(QStringLiteral(":/icons/traxen.svg"))); }

  void theIconIsDrawnAtEachSize_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("menu") << 16;
    QTest::newRow("title bar") << 32;
    QTest::newRow("about box") << 64;
    QTest::newRow("task switcher") << 256;
  }
  void theIconIsDrawnAtEachSize() {
    QFETCH(int, size);
    const QIcon icon(QStringLiteral(":/icons/traxen.svg"));
    QVERIFY(!icon.isNull());
    const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(size, size));
    // The tile's teal border at the top edge, the white page in the middle: the drawing itself,
    // not an empty or placeholder image.
    const QColor border = image.pixelColor(size / 2, size * 3 / 64);
    QVERIFY2(border.red() < 60 && border.green() > 140 && border.blue() > 160,
             qPrintable(QStringLiteral("border pixel %1").arg(border.name())));
    QCOMPARE(image.pixelColor(size / 2, size * 20 / 128).name(), QStringLiteral("#ffffff"));
  }
};

QTEST_MAIN(AppIconTest)
#include "app_icon_test.moc"

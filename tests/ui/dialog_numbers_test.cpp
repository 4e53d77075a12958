// Numbers typed into the dialogs: what reads as a number (a decimal comma too), what does
// not, that a shown value reads back unchanged, and that reading is all or nothing.
#include <QLineEdit>
#include <QtTest>
#include <cmath>

#include "ui/dialogs/dialog_numbers.h"

using namespace traxen;

class DialogNumbersTest : public QObject {
  Q_OBJECT
 private slots:
  void parsesNumbersAndRejectsTheRest_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "52" << true << 52.0;
    QTest::newRow("negative with point") << "-271.6" << true << -271.6;
    QTest::newRow("decimal comma, blanks") << "  -271,6 " << true << -271.6;
    QTest::newRow("plus sign") << "+3.5" << true << 3.5;
    QTest::newRow("exponent") << "1e3" << true << 1000.0;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blank") << "   " << false << 0.0;
    QTest::newRow("word") << "abc" << false << 0.0;
    QTest::newRow("unit after number") << "12 mm" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("two commas") << "1,2,3" << false << 0.0;
    QTest::newRow("point and comma") << "1.234,5" << false << 0.0;
    QTest::newRow("infinity") << "inf" << false << 0.0;
    QTest::newRow("not a number") << "nan" << false << 0.0;
    QTest::newRow("out of range") << "1e999" << false << 0.0;
    QTest::newRow("double sign") << "+-1" << false << 0.0;
  }
  void parsesNumbersAndRejectsTheRest() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const std::optional<double> parsed = ParseDialogNumber(text);
    QCOMPARE(parsed.has_value(), ok);
    if (ok) QCOMPARE(*parsed, value);
  }

  void aShownValueReadsBackUnchanged() {
    for (double v : {-271.6, 84.3, 0.1 + 0.2, 1.0 / 3.0, 69.63254909, -0.0, 1e-7, 123456789.123}) {
      const QString text = FormatDialogNumber(v);
      QCOMPARE(ParseDialogNumber(text).value(), v);
    }
    QCOMPARE(FormatDialogNumber(-52.0), QStringLiteral("-52"));
    QCOMPARE(FormatDialogNumber(2.81), QStringLiteral("2.81"));
  }

  void readingIsAllOrNothing() {
    double a = 1, b = 2;
    QLineEdit ea, eb;
    NumericEdits edits;
    edits.add(&ea, &a);
    edits.add(&eb, &b);
    edits.show();
    QCOMPARE(ea.text(), QStringLiteral("1"));
    ea.setText(QStringLiteral("10"));
    eb.setText(QStringLiteral("x"));
    QCOMPARE(edits.read(), &eb);
    QCOMPARE(a, 1.0);
    eb.setText(QStringLiteral("2,5"));
    QCOMPARE(edits.read(), nullptr);
    QCOMPARE(a, 10.0);
    QCOMPARE(b, 2.5);
  }
};

QTEST_MAIN(DialogNumbersTest)
#include "dialog_numbers_test.moc"

// Numbers typed into the dialogs: what reads as a number (a decimal comma too), what does
// not, how a value is shown, that a shown value reads back unchanged, and that reading is
// all or nothing.
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
    QTest::newRow("strength") << "355" << true << 355.0;
    QTest::newRow("negative with point") << "-271.6" << true << -271.6;
    QTest::newRow("point") << "0.5" << true << 0.5;
    QTest::newRow("comma") << "0,5" << true << 0.5;
    QTest::newRow("decimal comma, blanks") << "  -271,6 " << true << -271.6;
    QTest::newRow("blanks and sign") << "  -1,25 " << true << -1.25;
    QTest::newRow("plus sign") << "+3.5" << true << 3.5;
    QTest::newRow("plus, integer") << "+4" << true << 4.0;
    QTest::newRow("exponent") << "1e3" << true << 1000.0;
    QTest::newRow("exponent with a point") << "2.1e5" << true << 210000.0;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blank") << "   " << false << 0.0;
    QTest::newRow("word") << "abc" << false << 0.0;
    QTest::newRow("trailing junk") << "12a" << false << 0.0;
    QTest::newRow("unit after number") << "12 mm" << false << 0.0;
    QTest::newRow("thousands") << "1 000" << false << 0.0;
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

  // The general form with fifteen digits where they read back, more where they would not.
  void numbersAreShownInTheShortestForm_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << 355.0 << "355";
    QTest::newRow("modulus") << 210000.0 << "210000";
    QTest::newRow("factor") << 1.25 << "1.25";
    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("negative") << -52.0 << "-52";
    QTest::newRow("moment") << 2.81 << "2.81";
    QTest::newRow("small") << 1e-7 << "1e-07";
    QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("large") << 1e15 << "1e+15";
    QTest::newRow("a third needs sixteen digits") << 1.0 / 3.0 << "0.3333333333333333";
    QTest::newRow("a sum needs seventeen digits") << 0.1 + 0.2 << "0.30000000000000004";
  }
  void numbersAreShownInTheShortestForm() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatDialogNumber(value), text);
  }

  void aShownValueReadsBackUnchanged() {
    for (double v : {-271.6, 84.3, 0.1 + 0.2, 1.0 / 3.0, 69.63254909, -0.0, 1e-7, 123456789.123, 1e300, 5e-324}) {
      const QString text = FormatDialogNumber(v);
      QCOMPARE(ParseDialogNumber(text).value(), v);
    }
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

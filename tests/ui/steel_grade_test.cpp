// The steel dialog's grade boxes: a grade fills f_y and f_u of its member from the grade
// table, typed strengths that match no grade show "muu", and the plates take f_y alone.
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "model/steel_grades.h"
#include "ui/dialogs/steel_dialog.h"
#include "ui/dialogs/steel_grade_box.h"

using namespace traxen;

namespace {
QLineEdit* Field(SteelDialog& d, const char* name) { return d.findChild<QLineEdit*>(QLatin1String(name)); }
SteelGradeBox* Box(SteelDialog& d, const char* name) { return d.findChild<SteelGradeBox*>(QLatin1String(name)); }

void Pick(SteelGradeBox* box, std::string_view name, std::string_view standard) {
  const auto grades = SteelGrades();
  for (std::size_t i = 0; i < grades.size(); ++i) {
    if (grades[i].name != name || grades[i].standard != standard) continue;
    box->setCurrentIndex(int(i) + 1);
    emit box->activated(int(i) + 1);  // as a choice from the list
    return;
  }
  QFAIL("no such grade");
}
}  // namespace

class SteelGradeTest : public QObject {
  Q_OBJECT
 private slots:
  void aGradeFillsItsMembersStrengths_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("fy");
    QTest::addColumn<QString>("fu");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("standard");
    QTest::addColumn<double>("fy_value");
    QTest::addColumn<double>("fu_value");
    QTest::newRow("chord S420NH hot-finished") << "grade0" << "fy0" << "fu0" << "S420NH/NLH" << "EN 10210-1" << 420.0 << 540.0;
    QTest::newRow("brace 1 S275NH cold-formed") << "grade1" << "fy1" << "fu1" << "S275NH/NLH" << "EN 10219-1" << 275.0 << 370.0;
    QTest::newRow("brace 2 S460MH") << "grade2" << "fy2" << "fu2" << "S460MH/MLH" << "EN 10219-1" << 460.0 << 530.0;
  }
  void aGradeFillsItsMembersStrengths() {
    QFETCH(QString, box);
    QFETCH(QString, fy);
    QFETCH(QString, fu);
    QFETCH(QString, grade);
    QFETCH(QString, standard);
    QFETCH(double, fy_value);
    QFETCH(double, fu_value);
    JobSteel steel;
    SteelDialog dialog(steel);
    SteelGradeBox* b = Box(dialog, qPrintable(box));
    QVERIFY(b);
    QCOMPARE(b->currentText(), QString::fromUtf8(kOtherGrade));  // 355 / 520 is no grade
    Pick(b, grade.toStdString(), standard.toStdString());
    QCOMPARE(b->currentText(), grade + "  " + standard);
    QCOMPARE(ParseDialogNumberOr(Field(dialog, qPrintable(fy))), fy_value);
    QCOMPARE(ParseDialogNumberOr(Field(dialog, qPrintable(fu))), fu_value);
    dialog.accept();
    const JobSteel& out = dialog.steel();
    const double values[][2] = {{out.fy0, out.fu0}, {out.fy1, out.fu1}, {out.fy2, out.fu2}};
    const int member = box.back().digitValue();
    QCOMPARE(values[member][0], fy_value);
    QCOMPARE(values[member][1], fu_value);
    // The other members keep their strengths.
    QCOMPARE(values[(member + 1) % 3][0], 355.0);
    QCOMPARE(values[(member + 1) % 3][1], 520.0);
  }

  void typedStrengthsShowTheirGradeOrOther() {
    JobSteel steel;
    SteelDialog dialog(steel);
    SteelGradeBox* box = Box(dialog, "grade0");
    QLineEdit* fy = Field(dialog, "fy0");
    QLineEdit* fu = Field(dialog, "fu0");
    fu->setText("510");
    QCOMPARE(box->currentText(), QStringLiteral("S355H  EN 10210-1"));
    fu->setText("511");
    QCOMPARE(box->currentText(), QStringLiteral("muu"));
    fu->setText("");
    QCOMPARE(box->currentText(), QStringLiteral("muu"));
    fy->setText("275,0");  // a decimal comma reads as the number
    fu->setText("390");
    QCOMPARE(box->currentText(), QStringLiteral("S275NH/NLH  EN 10210-1"));
    // Two grades with the same strengths: the one picked stays shown.
    Pick(box, "S355MH/MLH", "EN 10219-1");
    fy->setText("355");
    QCOMPARE(box->currentText(), QStringLiteral("S355MH/MLH  EN 10219-1"));
    // Picking "muu" leaves the typed strengths.
    box->setCurrentIndex(0);
    emit box->activated(0);
    QCOMPARE(fy->text(), QStringLiteral("355"));
    QCOMPARE(fu->text(), QStringLiteral("470"));
  }

  void thePlatesTakeTheYieldStrengthAlone() {
    JobSteel steel;
    steel.fy_plate = 300;
    SteelDialog dialog(steel);
    SteelGradeBox* box = Box(dialog, "gradePlate");
    QVERIFY(box);
    QCOMPARE(box->currentText(), QStringLiteral("muu"));
    Pick(box, "S420MH/MLH", "EN 10219-1");
    QCOMPARE(Field(dialog, "fy_plate")->text(), QStringLiteral("420"));
    QCOMPARE(Field(dialog, "fu0")->text(), QStringLiteral("520"));  // untouched
    dialog.accept();
    QCOMPARE(dialog.steel().fy_plate, 420.0);
    QCOMPARE(dialog.steel().fu0, 520.0);
  }

 private:
  static double ParseDialogNumberOr(QLineEdit* edit) {
    const auto v = ParseDialogNumber(edit->text());
    return v ? *v : -1;
  }
};

QTEST_MAIN(SteelGradeTest)
#include "steel_grade_test.moc"

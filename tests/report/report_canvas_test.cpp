// Formula runs, check lines and number formatting on a recording surface.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "base/number_format.h"
#include "report/recording_surface.h"
#include "report/report_canvas.h"

namespace traxen {
namespace {

TEST(ValueRun, PrintsPiecesThenNumberAndAdvancesByAllWidths) {
  RecordingSurface s;
  ReportCanvas c(s);
  const int end = ValueRun(c, 110, 173, "f ", kNormal, "yk", kSubscript, " = ", kNormal, "%3.0lf", "normal", 355.0);
  const auto& t = s.texts();
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0].text, "f ");
  EXPECT_EQ(t[1].text, "yk");
  EXPECT_EQ(t[1].at.y, 173 + 7);       // lowered subscript
  EXPECT_EQ(t[1].font.height, 13);
  EXPECT_EQ(t[2].text, " = ");
  EXPECT_EQ(t[3].text, "355");
  EXPECT_EQ(t[3].at.y, 173);
  int width = 0;
  for (const auto& r : t) width += ReportTextWidth(r.font, r.text);
  EXPECT_EQ(end, 110 + width);
  EXPECT_EQ(t[1].at.x, t[0].at.x + ReportTextWidth(t[0].font, "f "));  // pieces touch
}

TEST(GreekPieces, AreDrawnAsGreekLettersAtTheirOffsets) {
  RecordingSurface s;
  ReportCanvas c(s);
  TextRun(c, 110, 200, "q", kGreek, "", kNormal, "", kNormal, "normal");
  ValueRun(c, 110, 300, "q", kGreek, "s", kGreekLarge, "bghclpaN", kGreek, "%3.1lf", "bold", 1.0);
  const auto& t = s.texts();
  ASSERT_EQ(t.size(), 5u);
  EXPECT_EQ(t[0].text, "θ");
  EXPECT_EQ(t[0].at.y, 200);  // on the line in a text run
  EXPECT_EQ(t[1].text, "θ");
  EXPECT_EQ(t[1].at.y, 299);  // one unit higher in a value run
  EXPECT_EQ(t[2].text, "σ");
  EXPECT_EQ(t[2].font.height, 23);
  EXPECT_EQ(t[2].at.y, 295);
  EXPECT_EQ(t[3].text, "βγηχλπαΝ");
  EXPECT_EQ(t[3].font.weight, 700);
  EXPECT_NE(t[3].font.face, "Symbol");  // drawn from the body face
}

TEST(CheckLine, FailedConditionIsRedSetsFailedAndEndsBlack) {
  RecordingSurface s;
  ReportCanvas c(s);
  BeginCheck(c, false, CheckKind::Condition);
  int x = ValueRun(c, 110, 173, "t", kNormal, "0 ", kSubscript, " = ", kNormal, "%3.1lf", "normal", 2.0);
  x = WriteVerdict(c, x + 30, 173, false);
  EXPECT_EQ(c.failed, 1);
  EXPECT_EQ(c.failed_count, 1);
  EXPECT_EQ(c.text_color, kBlack);
  const auto& t = s.texts();
  EXPECT_EQ(t.back().text, "Ei rahulda! ");
  EXPECT_EQ(t.back().color, kRed);
  EXPECT_EQ(t.front().color, kRed);
  EXPECT_EQ(t.back().at.x, t[t.size() - 2].at.x + ReportTextWidth(t[t.size() - 2].font, "2.0") + 30);

  // The next line is black again; a passed check leaves everything as it was.
  BeginCheck(c, true, CheckKind::Condition);
  WriteVerdict(c, 140, 196, true);
  EXPECT_EQ(s.texts().back().text, "Korras! ");
  EXPECT_EQ(s.texts().back().color, kBlack);
  EXPECT_EQ(c.failed_count, 1);
}

TEST(CheckLine, FailedVerdictIsRedButLeavesFailedAlone) {
  RecordingSurface s;
  ReportCanvas c(s);
  BeginCheck(c, false, CheckKind::Verdict);
  EXPECT_EQ(c.text_color, kRed);
  WriteVerdict(c, 230, 173, false);
  EXPECT_EQ(c.failed, 0);
  EXPECT_EQ(c.text_color, kBlack);
}

TEST(NumberFormat, IgnoresTheProcessLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old ? old : "C";
  // Any comma-decimal locale the machine has; the formatter must not care.
  const bool comma = std::setlocale(LC_ALL, "et_EE.UTF-8") || std::setlocale(LC_ALL, "de_DE.UTF-8") ||
                     std::setlocale(LC_ALL, "fr_FR.UTF-8");
  struct Case { const char* format; double value; const char* expected; };
  const Case cases[] = {
      {"%3.1lf", -271.6, "-271.6"}, {"%3.0lf", 355.0, "355"},   {"%3.2lf", 0.85, "0.85"},
      {"%3.1lf kN", 52, "52.0 kN"}, {"%3.1lf%%", 29.3, "29.3%"}, {"%3.0lf", 210000, "210000"},
      {"%3.1lf", -52, "-52.0"},     {"%lf", 1.5, "1.500000"},    {"%3.3lf", 1.0 / 3, "0.333"},
  };
  for (const Case& k : cases) EXPECT_EQ(FormatNumber(k.format, k.value), k.expected) << k.format;
  EXPECT_EQ(FormatInt("%d", 7), "7");
  std::setlocale(LC_ALL, saved.c_str());
  if (!comma) GTEST_SKIP() << "no comma-decimal locale installed; formatted in the C locale only";
}

TEST(NumberFormat, NonFiniteValuesPrintWithoutCrashing) {
  EXPECT_EQ(FormatNumber("%3.1lf", std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(FormatNumber("%3.1lf", -std::numeric_limits<double>::infinity()), "-inf");
  EXPECT_EQ(FormatNumber("%3.1lf", std::nan("")), "nan");
  EXPECT_EQ(FormatNumber("%3.1lf", 1e300).size(), 303u);
}

}  // namespace
}  // namespace traxen

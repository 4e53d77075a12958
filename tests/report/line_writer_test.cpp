// The report-line writer all joint families share: where its verdicts land and in what
// weight and colour, and how the second column keeps clear of a long left column.
#include "report/line_writer.h"

#include <gtest/gtest.h>

#include "report/recording_surface.h"

namespace traxen {
namespace {

TEST(LineWriter, VerdictPlacesWeightsAndColours) {
  struct Case {
    const char* name;
    bool passed;
    std::string_view weight;
    int verdict_x;       // 0: 30 units after the text
    int expected_gap;    // from the end of the text, -1: at verdict_x
    const char* text;
    int expected_weight;
  };
  for (const Case c : {Case{"pass after text", true, "normal", 0, 30, "Korras! ", 400},
                       Case{"fail after text", false, "normal", 0, 30, "Ei rahulda! ", 400},
                       Case{"bold column with room", true, "bold", 600, -1, "Korras! ", 700},
                       Case{"column pushed by long text", false, "bold", 120, 30, "Ei rahulda! ", 700}}) {
    SCOPED_TRACE(c.name);
    RecordingSurface s;
    ReportCanvas canvas(s);
    canvas.y = 173;
    LineWriter w(canvas);
    w.AtLeft().Check(c.passed, CheckKind::Verdict).Text("N", {"1,Rd", kSub}, " = 123.4 kN");
    const int text_end = w.x();
    w.Verdict(c.passed, c.weight, c.verdict_x);
    const auto& verdict = s.texts().back();
    EXPECT_EQ(verdict.text, c.text);
    EXPECT_EQ(verdict.at.x, c.expected_gap < 0 ? c.verdict_x : text_end + c.expected_gap);
    EXPECT_EQ(verdict.at.y, 173);
    EXPECT_EQ(verdict.font.weight, c.expected_weight);
    EXPECT_EQ(verdict.color, c.passed ? kBlack : kRed);
    EXPECT_EQ(canvas.text_color, kBlack);  // the next line starts black
    EXPECT_EQ(canvas.failed, 0);            // a resistance verdict never fails the report
  }
}

TEST(LineWriter, SecondColumnStartsAt350OrClearOfTheLeftColumn) {
  struct Case {
    const char* left;
    bool pushed;
  };
  for (const Case c : {Case{"short", false},
                       Case{"a left column long enough to reach into the second column's place", true}}) {
    RecordingSurface s;
    ReportCanvas canvas(s);
    LineWriter w(canvas);
    w.AtLeft().Text(c.left);
    const int left_end = w.x();
    w.AtRight().Text("right");
    const int right_x = s.texts().back().at.x;
    EXPECT_EQ(right_x, c.pushed ? left_end + 20 : canvas.left_margin + 350) << c.left;
    // After a line advance the second column is back at its place.
    w.NewLine().AtRight();
    EXPECT_EQ(w.x(), canvas.left_margin + 350);
  }
}

}  // namespace
}  // namespace traxen

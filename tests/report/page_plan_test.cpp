// Page breaks that do not part what belongs together: a formula from the lines that carry on
// with its left-hand side or begin with "=", a wrapped line from its continuation. Each case
// is laid out in rounds as the dispatcher does, until the plan asks for nothing more.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "report/line_writer.h"
#include "report/pages.h"
#include "report/recording_surface.h"

namespace traxen {
namespace {

struct Line {
  std::string lead;  // written first, e.g. "N1,Rd = "
  std::string rest;
};

// Writes `filler` plain lines, then `lines`; returns each of `lines`' page (by its y).
std::vector<int> LayOut(int filler, const std::vector<Line>& lines, int* rounds = nullptr) {
  PagePlan plan;
  std::vector<int> pages;
  for (int round = 1; round <= 12; ++round) {
    RecordingSurface s;
    ReportCanvas c(s);
    c.plan = &plan;
    plan.Restart();
    pages.clear();
    for (int i = 0; i < filler; ++i) {
      NewLine(c);
      LineWriter(c, c.left_margin).Text("filler line " + std::to_string(i));
    }
    for (const Line& l : lines) {
      NewLine(c);
      LineWriter w(c, c.left_margin);
      w.Text(l.lead).Text(l.rest);
      pages.push_back(c.y / c.page_height);
      if (rounds) *rounds = round;
    }
    if (!plan.AdoptRequests()) break;
  }
  return pages;
}

// Filler that puts the next line on the first page's last line (offset 874).
constexpr int kToLastLine = 37;

TEST(PagePlan, AFormulaKeepsItsResultAndCheckOnItsPage) {
  const std::vector<Line> formula = {{"N1,Rd = ", "(8.9×kn×fyk0×t0²) / sinθ1"},
                                     {"N1,Rd  = ", "(8.9×1.000×355×8.0²) / sin50° = 264.1 kN"},
                                     {"N1,Rd = ", "264.1 kN >= |N1,Ed| = 85.5 kN  Korras!"}};
  // The break would fall after the first or the second line: all three move on.
  for (int filler : {kToLastLine - 1, kToLastLine}) {
    SCOPED_TRACE(filler);
    const std::vector<int> pages = LayOut(filler, formula);
    EXPECT_EQ(pages, (std::vector<int>{1, 1, 1}));
  }
  // A formula that fits stays where it is.
  EXPECT_EQ(LayOut(kToLastLine - 2, formula), (std::vector<int>{0, 0, 0}));
}

TEST(PagePlan, ALineBeginningWithEqualsStaysWithTheLineBefore) {
  const std::vector<Line> lines = {{"n = σ0,Ed / fyk0 = 53.8 / 355.0 = 0.152 ", "kn = 1.3 - 0.4×n / β ="},
                                   {"= 1.199 > 1 ", "kn = 1.000"}};
  EXPECT_EQ(LayOut(kToLastLine, lines), (std::vector<int>{1, 1}));
  // Lines of different formulas may part at a page break.
  const std::vector<Line> different = {{"β = b1 / b0 = ", "0.600"}, {"γ = b0 / 2t0 = ", "12.5"}};
  EXPECT_EQ(LayOut(kToLastLine, different), (std::vector<int>{0, 1}));
}

TEST(PagePlan, AWrappedLineMovesWholeToTheNextPage) {
  std::string long_text;
  for (int i = 0; i < 40; ++i) long_text += "abc + ";
  PagePlan plan;
  int first_y = 0, last_y = 0;
  for (int round = 1; round <= 12; ++round) {
    RecordingSurface s;
    ReportCanvas c(s);
    c.plan = &plan;
    plan.Restart();
    for (int i = 0; i < kToLastLine; ++i) NewLine(c);
    NewLine(c);
    LineWriter w(c, c.left_margin);
    first_y = c.y;
    w.Text("x = ").Text(long_text).Text(long_text);  // runs past the frame: continued
    last_y = c.y;
    if (!plan.AdoptRequests()) break;
  }
  EXPECT_GT(last_y, first_y);  // it did wrap
  EXPECT_EQ(first_y / 1229, last_y / 1229);
  EXPECT_EQ(first_y, 1229 + 150);  // at the top of the second page
}

TEST(PagePlan, AFormulaLongerThanAPageMovesOnceAndThenBreaks) {
  // Sixty lines of one formula cannot share a page: it starts a page once and then breaks
  // where the page is full; the rounds end rather than move it on and on.
  std::vector<Line> chain(60, Line{"N = ", "1 + 1"});
  int rounds = 0;
  const std::vector<int> pages = LayOut(10, chain, &rounds);
  EXPECT_LE(rounds, 3);
  ASSERT_EQ(pages.size(), 60u);
  EXPECT_EQ(pages.front(), 1);
  EXPECT_EQ(std::count(pages.begin(), pages.end(), 1), 39);  // a full page
  EXPECT_EQ(pages.back(), 2);
}

}  // namespace
}  // namespace traxen

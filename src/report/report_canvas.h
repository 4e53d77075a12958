// The canvas of one rendering with its running position, and the formula runs every report
// line is written with: text pieces placed normally, as sub- or superscripts or as Greek
// letters, optionally followed by one printf-formatted number, and the check line verdicts.
#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "report/page_geometry.h"
#include "report/report_language.h"
#include "report/report_texts.h"
#include "report/surface.h"

namespace traxen {

struct JobInfo;
struct PagePlan;

// One piece of report text as the text output sees it: the line it belongs to, where it
// starts and ends, and the text with Greek letters already in Unicode.
struct ReportTextPiece {
  int line_y = 0;
  int x = 0;
  int x_end = 0;
  std::string text;
};

struct ReportCanvas {
  explicit ReportCanvas(DrawingSurface& s) : surface(s) {}

  DrawingSurface& surface;
  const JobInfo* info = nullptr;   // job texts of the page header and footer
  std::time_t now = 0;             // the footer's date
  // The footer's page numbers: a report alone is "Leht k"; one of several in one document
  // counts on from the pages before it and names the document's total ("Leht 3 / 41").
  int first_page_number = 1;
  int page_total = 0;  // 0: a report alone
  std::vector<ReportTextPiece>* text_log = nullptr;  // collects report text when set
  ReportLanguage language = ReportLanguage::kEstonian;  // the words of every line
  // The page header's first line: it names the kind of tubes the joint is made of.
  ReportTextKey header_title = ReportTextKey::kHeaderTitle;
  PagePlan* plan = nullptr;  // where pages break, and what a break must not separate

  int page_height = kReportPageHeight;
  int line_offset = 0;
  int page_index = 0;
  int page_number = 1;
  int x = 110;
  int line_step = 23;
  int font_height = 19;
  int left_margin = 110;
  int y = 0;
  int failed = 0;
  int failed_count = 0;  // how many check lines set `failed` in this rendering
  Color text_color = kBlack;

  void SetTextColor(Color c) {
    text_color = c;
    surface.setTextColor(c);
  }
  // Draws report text directly (the titles) and logs it for the text output.
  void DrawLoggedText(Point at, std::string_view text, int line_y);
};

// Placement codes of a run piece.
inline constexpr int kNormal = 1;
inline constexpr int kSubscript = 2;
inline constexpr int kGreekLarge = 3;
inline constexpr int kSuperscript = 4;
inline constexpr int kGreek = 31;

// Draws three pieces from (x, y) in the weight "normal" or "bold"; returns the x after them.
int TextRun(ReportCanvas& canvas, int x, int y, std::string_view piece1, int code1,
            std::string_view piece2, int code2, std::string_view piece3, int code3,
            std::string_view weight);

// As TextRun, then `value` formatted with the printf `format` in the body font.
int ValueRun(ReportCanvas& canvas, int x, int y, std::string_view piece1, int code1,
             std::string_view piece2, int code2, std::string_view piece3, int code3,
             std::string_view format, std::string_view weight, double value);

// Body font, normal weight, at (x, y); used for numbered sub-headings.
void PlainText(ReportCanvas& canvas, int x, int y, std::string_view text);

// Check lines. A condition (a validity condition or a plate requirement) sets the canvas's
// `failed` flag when it fails; a resistance verdict never does.
enum class CheckKind { Condition, Verdict };

// Before the pieces of a check: turns the text red and records the failure when it failed.
void BeginCheck(ReportCanvas& canvas, bool passed, CheckKind kind);
// The one writer of a verdict: the passing word or `failed_text` at (x, y) in `weight`, then
// the text is black again. Returns the x after the verdict.
int WriteVerdict(ReportCanvas& canvas, int x, int y, bool passed, std::string_view weight = "normal",
                 ReportTextKey failed_text = ReportTextKey::kFailed);

// Latin letters of the symbol font as the Greek letters they show (q θ, b β, N capital Ν, ...).
std::string SymbolToGreek(std::string_view latin);

}  // namespace traxen

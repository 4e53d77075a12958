// Report pages: the line advance with its page break, and the frame, header, footer and
// separators drawn on every page of the vertical strip of 1229-unit pages.
#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "model/job.h"
#include "report/report_canvas.h"

namespace traxen {

// The emblem's two lines: the owning firm's name.
inline constexpr const char* kEmblemLine1 = "NÄIDISFIRMA";
inline constexpr const char* kEmblemLine2 = "TRAXEN";

// Which lines start a page besides those the full text area starts. A line is not parted
// from what completes it: a wrapped line from its continuation, a formula from the lines
// that carry on with its left-hand side ("N1,Rd = ..." in symbols, with numbers, and its
// check) or begin with "=". A rendering that breaks a page between them asks (`requests`)
// for a break before the group instead; the next rendering makes it.
struct PagePlan {
  struct Request {
    int break_before = 0;  // the line to start a page with
    int replaces = -1;     // a planned break it takes the place of, moved up to the group
  };
  std::vector<int> break_before;  // line numbers, sorted
  std::vector<Request> requests;  // found by the last rendering

  // Ready for a rendering: counting restarts, the breaks asked for are kept.
  void Restart();
  // Takes the requests into `break_before`; false when there was nothing new.
  bool AdoptRequests();

  // Called by the line advance, the text runs and a wrapped line's continuation.
  void StartLine(bool continuation);
  bool BreaksBefore() const;
  void AfterAdvance(bool at_page_top);
  void NoteText(std::string_view text);
  void WrappedAcrossPage();

  int line = 0;               // the current line's number in the rendering
  int group_start = 0;        // the first line of the current line (a wrapped line's parts)
  bool group_at_top = false;  // ... opens a page
  int chain_start = 0;        // the first line of the formula the current line carries on
  bool chain_at_top = false;  // ... opens a page: a formula longer than a page stays parted
  int previous_chain = -1;
  bool previous_chain_at_top = false;
  bool at_page_top = false;   // the current line opens a page
  std::string lead, previous_lead;  // the text up to the line's first "=", blanks left out
  bool lead_done = false;
};

// Advances the current line by `step`; starts a new page (frame, header, footer,
// separator) when the text area cannot take `step` + `reserve` more. Returns the new y.
int NextLine(ReportCanvas& canvas, int step, int reserve);
// The advance of NextLine without starting a line of the plan: for a wrapped line's
// continuation, which the plan counts itself.
int AdvanceLine(ReportCanvas& canvas, int step, int reserve);

// Keeps the current line and the `lines` − 1 lines after it on one page: when they would not
// all fit (and the current line is not already the page's first), the current line moves to
// the top of a new page. The text colour is kept. Returns the current line's y.
int KeepLinesTogether(ReportCanvas& canvas, int lines);

void DrawPageHeader(ReportCanvas& canvas, int page_index, int page_height);
void DrawPageFooter(ReportCanvas& canvas, int page_index, int page_height);
// Frame rectangle, header, footer and the dashed separator below page `page_index`.
void DrawPageDecoration(ReportCanvas& canvas, int page_index);

// A job text as the page shows it: one printable line (PrintableText) that fits `width` units
// in the surface's current font, cut after a whole character and ended with "…" when it is
// too long, rather than running under the emblem, over the next label or off the page.
std::string FittedJobText(DrawingSurface& s, std::string_view job_text, int width);

// A job text as lines of a column `width` units wide in the surface's current font, none of it
// cut: broken between words, and a word wider than the column between its characters. One
// line when it fits (an empty text is one empty line).
std::vector<std::string> WrappedJobText(DrawingSurface& s, std::string_view job_text, int width);

// The job texts a report in `language` prints in its header and footer (and a PDF names it
// by): a text still a new job's placeholder reads in the report's language.
JobInfo ReportJobInfo(const JobInfo& info, ReportLanguage language);

// "Tue Dec 08 21:07:08 2026": English names, never the locale's.
std::string FooterDate(std::time_t when);

}  // namespace traxen

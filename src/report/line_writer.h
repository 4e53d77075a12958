// The one writer of report lines for every joint family: pieces with their placement
// (normal, subscript, superscript, Greek), runs chained from a running x on the current
// line, the second column, line advances and the verdict of a check line.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "base/number_format.h"
#include "report/pages.h"
#include "report/recording_surface.h"
#include "report/report_canvas.h"

namespace traxen {

// One piece of a run: text and placement code (normal unless made otherwise).
struct Piece {
  std::string_view text;
  int code = kNormal;
  Piece() = default;
  Piece(const char* t) : text(t) {}         // NOLINT: a plain string is a normal piece
  Piece(const std::string& t) : text(t) {}  // NOLINT: must outlive the run it is written in
  Piece(std::string_view t, int c = kNormal) : text(t), code(c) {}
};
inline constexpr int kSub = kSubscript;
inline constexpr int kSup = kSuperscript;
inline Piece Sub(std::string_view t) { return {t, kSubscript}; }
inline Piece Sup(std::string_view t) { return {t, kSuperscript}; }
inline Piece Greek(std::string_view t) { return {t, kGreek}; }
inline Piece GreekLarge(std::string_view t) { return {t, kGreekLarge}; }

// No report text goes past this x: the frame's right edge is at 850.
inline constexpr int kLineRightLimit = 846;
// A line continued on the next one starts this far in from the left margin.
inline constexpr int kContinuationIndent = 30;

// Where a verdict goes that the layout puts at `fixed`: there, unless the line's text
// reaches it (ends less than 10 units before it); then 30 units after the text, as every
// other verdict, so that it never covers the number it judges.
inline int VerdictPlace(int text_end, int fixed) { return text_end + 10 <= fixed ? fixed : text_end + 30; }

// Width of what `write` draws from x = 0 on a scratch canvas, without drawing on the report.
template <class Write>
int MeasureRun(Write&& write) {
  RecordingSurface scratch;
  ReportCanvas canvas(scratch);
  return write(canvas);
}

// Continues the current line on the next one when `width` units written from `x` would
// cross the frame: a line advance (which may start a page) keeping the text colour, so a
// failing check stays red. Returns the x to write at.
inline int ContinueIfPastFrame(ReportCanvas& canvas, int x, int width) {
  const int indent = canvas.left_margin + kContinuationIndent;
  if (x + width <= kLineRightLimit || x <= indent) return x;
  const Color colour = canvas.text_color;
  PagePlan* plan = canvas.plan;
  const int page = canvas.page_index;
  if (plan) plan->StartLine(true);
  AdvanceLine(canvas, canvas.line_step, canvas.line_step);
  // Parted from its start, the line asks to begin on the next page whole.
  if (plan && canvas.page_index != page) plan->WrappedAcrossPage();
  canvas.SetTextColor(colour);
  return indent;
}

// Writes runs one after the other on the canvas's current line (canvas.y) from a running x.
class LineWriter {
 public:
  // From x = 0 until At, AtLeft or AtRight places it.
  explicit LineWriter(ReportCanvas& canvas) : canvas_(canvas) {}
  LineWriter(ReportCanvas& canvas, int x, std::string_view weight = "normal")
      : canvas_(canvas), x_(x), line_end_(x), weight_(weight) {}

  ReportCanvas& canvas() { return canvas_; }
  int x() const { return x_; }
  int y() const { return canvas_.y; }

  // Keeps the current line and the `lines` − 1 after it on one page (a heading with the line
  // after it, a resistance formula with its verdict), moving them to the next page together.
  LineWriter& KeepTogether(int lines) {
    KeepLinesTogether(canvas_, lines);
    return *this;
  }

  // Ends the line: one line advance with the report's step (may start a new page).
  LineWriter& NewLine() {
    NextLine(canvas_, canvas_.line_step, canvas_.line_step);
    line_end_ = 0;
    return *this;
  }
  LineWriter& NewLines(int count) {
    for (int i = 0; i < count; ++i) NewLine();
    return *this;
  }

  // The left margin, or the second column of the current line: 350 units in, pushed right
  // when the left column reaches into it rather than written over.
  LineWriter& AtLeft() { return At(canvas_.left_margin); }
  LineWriter& AtRight() { return At(std::max(canvas_.left_margin + 350, line_end_ + 20)); }
  LineWriter& At(int x) {
    x_ = x;
    return *this;
  }
  LineWriter& Skip(int dx) { return At(x_ + dx); }
  LineWriter& Weight(std::string_view weight) {
    weight_ = weight;
    return *this;
  }

  LineWriter& Text(Piece a, Piece b = {}, Piece c = {}) {
    Fit(MeasureRun([&](ReportCanvas& s) {
      return TextRun(s, 0, 0, a.text, a.code, b.text, b.code, c.text, c.code, weight_);
    }));
    return Wrote(TextRun(canvas_, x_, y(), a.text, a.code, b.text, b.code, c.text, c.code, weight_));
  }
  LineWriter& Value(Piece a, Piece b, Piece c, std::string_view format, double value) {
    const int width = MeasureRun([&](ReportCanvas& s) {
      return ValueRun(s, 0, 0, a.text, a.code, b.text, b.code, c.text, c.code, format, weight_, value);
    });
    if (width > kLineRightLimit - canvas_.left_margin - kContinuationIndent) return LongValue(a, b, c, format, value);
    Fit(width);
    return Wrote(
        ValueRun(canvas_, x_, y(), a.text, a.code, b.text, b.code, c.text, c.code, format, weight_, value));
  }
  // A catalogue sentence whose subscripts are marked as EN 1993-1-8's symbols are spelt in
  // plain text, "d_0 − 2t_0", "b_e,p": what follows a '_' up to a blank, a bracket, a colon,
  // a semicolon or a full stop is lowered; a sentence without '_' is one normal piece.
  LineWriter& Marked(std::string_view text) {
    static constexpr std::string_view kSubscriptEnds = " )]:;.";
    while (!text.empty()) {
      const std::size_t mark = text.find('_');
      if (mark == std::string_view::npos) return Text({text});
      if (mark > 0) Text({text.substr(0, mark)});
      text.remove_prefix(mark + 1);
      const std::size_t end = std::min(text.find_first_of(kSubscriptEnds), text.size());
      if (end > 0) Text(Sub(text.substr(0, end)));
      text.remove_prefix(end);
    }
    return *this;
  }

  LineWriter& Value(Piece a, Piece b, std::string_view format, double value) {
    return Value(a, b, {}, format, value);
  }
  LineWriter& Value(Piece a, std::string_view format, double value) { return Value(a, {}, {}, format, value); }

  // Starts a check line: red, and a failed condition sets the report's failure flag.
  LineWriter& Check(bool passed, CheckKind kind) {
    BeginCheck(canvas_, passed, kind);
    return *this;
  }
  // A check line's verdict 30 units right of the last piece, or at `verdict_x` unless the
  // text reaches it, in the given weight; the colour returns to black.
  LineWriter& Verdict(bool passed, std::string_view weight = "normal", int verdict_x = 0) {
    const int at = verdict_x > 0 ? VerdictPlace(x_, verdict_x) : x_ + 30;
    const int width = MeasureRun([&](ReportCanvas& s) { return WriteVerdict(s, 0, 0, passed, weight); });
    const int x = ContinueIfPastFrame(canvas_, at, width);
    if (x != at) line_end_ = 0;
    return Wrote(WriteVerdict(canvas_, x, y(), passed, weight));
  }

 private:
  // A number too long for any line (a hostile input such as 1e308 kN printed in full) is
  // written over as many continuation lines as it needs, digits unchanged.
  LineWriter& LongValue(Piece a, Piece b, Piece c, std::string_view format, double value) {
    Text(a, b, c);
    std::string number = FormatNumber(format, value);
    while (!number.empty()) {
      size_t n = number.size();
      auto width = [&](size_t count) {
        const std::string part = number.substr(0, count);
        return MeasureRun([&](ReportCanvas& s) { return TextRun(s, 0, 0, part, kNormal, "", kNormal, "", kNormal, weight_); });
      };
      const int room = std::max(kLineRightLimit - x_, kLineRightLimit - canvas_.left_margin - kContinuationIndent);
      while (n > 1 && width(n) > room) --n;
      Text(number.substr(0, n));
      number.erase(0, n);
    }
    return *this;
  }

  // Continues on the next line when a run of `width` would cross the frame.
  void Fit(int width) {
    const int x = ContinueIfPastFrame(canvas_, x_, width);
    if (x == x_) return;
    x_ = x;
    line_end_ = 0;
  }

  LineWriter& Wrote(int x) {
    x_ = x;
    line_end_ = std::max(line_end_, x_);
    return *this;
  }

  ReportCanvas& canvas_;
  int x_ = 0;
  int line_end_ = 0;  // the rightmost x written on the current line
  std::string_view weight_ = "normal";
};

// A line advance as the reports make it.
inline int NewLine(ReportCanvas& canvas) { return NextLine(canvas, canvas.line_step, canvas.line_step); }

// The verdict of a condition `spacing` units after x on the current line (the passing or
// the failing text), then black again. Returns the x after it.
inline int ConditionVerdict(ReportCanvas& canvas, int x, bool passed, int spacing = 30,
                            ReportTextKey failed_text = ReportTextKey::kFailed) {
  const int width =
      MeasureRun([&](ReportCanvas& s) { return WriteVerdict(s, 0, 0, passed, "normal", failed_text); });
  const int at = ContinueIfPastFrame(canvas, x + spacing, width);
  return WriteVerdict(canvas, at, canvas.y, passed, "normal", failed_text);
}

}  // namespace traxen

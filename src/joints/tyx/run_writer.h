// A small writer for the joint reports: keeps the running x and y of a report line so that
// a line reads as the list of its runs, and advances lines with the report's step.
#pragma once

#include <algorithm>
#include <string_view>

#include "report/pages.h"
#include "report/report_canvas.h"

namespace traxen {

// One text piece of a run with its placement code.
struct Piece {
  std::string_view text;
  int code = kNormal;
};

inline constexpr int kSub = kSubscript;
inline constexpr int kSup = kSuperscript;

class RunWriter {
 public:
  explicit RunWriter(ReportCanvas& canvas) : canvas_(canvas), y_(canvas.y) {}

  ReportCanvas& canvas() { return canvas_; }
  int x() const { return x_; }
  int y() const { return y_; }

  // Ends the line: one line advance with the report's step (may start a new page).
  void NewLine() {
    y_ = NextLine(canvas_, canvas_.line_step, canvas_.line_step);
    line_end_ = 0;
  }
  void NewLines(int count) {
    for (int i = 0; i < count; ++i) NewLine();
  }

  // Moves to the left margin or to the second column of the current line. A left column
  // that reaches into the second one pushes it right rather than being written over.
  RunWriter& AtLeft() { return At(canvas_.left_margin); }
  RunWriter& AtRight() { return At(std::max(canvas_.left_margin + 350, line_end_ + 20)); }
  RunWriter& At(int x) {
    x_ = x;
    return *this;
  }
  RunWriter& Weight(std::string_view weight) {
    weight_ = weight;
    return *this;
  }

  RunWriter& Text(Piece a, Piece b = {}, Piece c = {}) {
    x_ = TextRun(canvas_, x_, y_, a.text, a.code, b.text, b.code, c.text, c.code, weight_);
    line_end_ = std::max(line_end_, x_);
    return *this;
  }
  RunWriter& Value(Piece a, Piece b, Piece c, std::string_view format, double value) {
    x_ = ValueRun(canvas_, x_, y_, a.text, a.code, b.text, b.code, c.text, c.code, format, weight_,
                  value);
    line_end_ = std::max(line_end_, x_);
    return *this;
  }
  RunWriter& Value(Piece a, Piece b, std::string_view format, double value) {
    return Value(a, b, {}, format, value);
  }
  RunWriter& Value(Piece a, std::string_view format, double value) {
    return Value(a, {}, {}, format, value);
  }

  // Starts a check line: red, and a failed condition sets the report's failure flag.
  RunWriter& Check(bool passed, CheckKind kind) {
    BeginCheck(canvas_, passed, kind);
    return *this;
  }
  // A check line's verdict 30 units right of the last piece, or at `verdict_x` when the text
  // leaves room there, in the given weight; the colour returns to black.
  RunWriter& Verdict(bool passed, std::string_view weight = "normal", int verdict_x = 0);

 private:
  ReportCanvas& canvas_;
  int x_ = 0;
  int y_ = 0;
  int line_end_ = 0;  // the rightmost x written on the current line
  std::string_view weight_ = "normal";
};

}  // namespace traxen

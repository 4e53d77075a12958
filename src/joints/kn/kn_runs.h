// A compact way to write one report line of formula runs: pieces with their placement
// (normal, subscript, superscript, Greek), chained runs from a running x, and the verdict
// of a condition at a given distance after the text.
#pragma once

#include <string>
#include <string_view>

#include "report/pages.h"
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
inline Piece Sub(std::string_view t) { return {t, kSubscript}; }
inline Piece Sup(std::string_view t) { return {t, kSuperscript}; }
inline Piece Greek(std::string_view t) { return {t, kGreek}; }
inline Piece GreekLarge(std::string_view t) { return {t, kGreekLarge}; }

// Runs written one after the other on the current line (canvas.y), from x.
class LineWriter {
 public:
  LineWriter(ReportCanvas& canvas, int x, std::string_view weight = "normal")
      : canvas_(canvas), x_(x), weight_(weight) {}

  LineWriter& Text(Piece a, Piece b = {}, Piece c = {}) {
    x_ = TextRun(canvas_, x_, canvas_.y, a.text, a.code, b.text, b.code, c.text, c.code, weight_);
    return *this;
  }
  LineWriter& Value(Piece a, Piece b, Piece c, std::string_view format, double value) {
    x_ = ValueRun(canvas_, x_, canvas_.y, a.text, a.code, b.text, b.code, c.text, c.code, format,
                  weight_, value);
    return *this;
  }
  LineWriter& Value(Piece a, std::string_view format, double value) {
    return Value(a, {}, {}, format, value);
  }
  LineWriter& Skip(int dx) {
    x_ += dx;
    return *this;
  }
  LineWriter& Weight(std::string_view weight) {
    weight_ = weight;
    return *this;
  }
  int x() const { return x_; }

 private:
  ReportCanvas& canvas_;
  int x_;
  std::string_view weight_;
};

// A line advance as the reports make it.
inline int NewLine(ReportCanvas& canvas) {
  return NextLine(canvas, canvas.line_step, canvas.line_step);
}

// The verdict of a condition `spacing` units after x ("Korras! " or the failing text), then
// black again. Returns the x after it.
int ConditionVerdict(ReportCanvas& canvas, int x, bool passed, int spacing = 30,
                     std::string_view failed_text = "Ei rahulda! ");

}  // namespace traxen

// One report line built from its segments in reading order: text pieces with their
// placement codes and numbers with their printf formats. The pieces are drawn as formula
// runs of up to three pieces; a number closes the run of the pieces before it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/report_canvas.h"

namespace traxen {

class FormulaLine {
 public:
  // Starts at (x, canvas.y) in the weight "normal" or "bold".
  FormulaLine(ReportCanvas& canvas, int x, std::string_view weight = "normal");
  FormulaLine(const FormulaLine&) = delete;
  FormulaLine& operator=(const FormulaLine&) = delete;
  ~FormulaLine() { End(); }

  FormulaLine& Text(std::string_view piece) { return Piece(piece, kNormal); }
  FormulaLine& Sub(std::string_view piece) { return Piece(piece, kSubscript); }
  FormulaLine& Sup(std::string_view piece) { return Piece(piece, kSuperscript); }
  FormulaLine& Greek(std::string_view latin) { return Piece(latin, kGreek); }
  FormulaLine& GreekLarge(std::string_view latin) { return Piece(latin, kGreekLarge); }
  FormulaLine& Piece(std::string_view piece, int code);
  // The pieces so far, then `value` formatted with `format`.
  FormulaLine& Value(std::string_view format, double value);
  // Continues the line at another x (the pending pieces are drawn first).
  FormulaLine& MoveTo(int x);
  // Draws what is pending; returns the x after the last piece.
  int End();

 private:
  struct Pending {
    std::string text;
    int code;
  };
  void FlushTextRuns(std::size_t keep);

  ReportCanvas& canvas_;
  int x_;
  std::string weight_;
  std::vector<Pending> pending_;
};

}  // namespace traxen

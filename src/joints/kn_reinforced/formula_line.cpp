// Segments of a report line drawn as formula runs.
#include "joints/kn_reinforced/formula_line.h"

namespace traxen {

FormulaLine::FormulaLine(ReportCanvas& canvas, int x, std::string_view weight)
    : canvas_(canvas), x_(x), weight_(weight) {}

FormulaLine& FormulaLine::Piece(std::string_view piece, int code) {
  pending_.push_back({std::string(piece), code});
  return *this;
}

// Draws text runs of three pieces until at most `keep` pieces are left pending.
void FormulaLine::FlushTextRuns(std::size_t keep) {
  std::size_t i = 0;
  while (pending_.size() - i > keep) {
    const std::size_t n = std::min<std::size_t>(3, pending_.size() - i - keep);
    const Pending empty{"", kNormal};
    const Pending& a = pending_[i];
    const Pending& b = n > 1 ? pending_[i + 1] : empty;
    const Pending& c = n > 2 ? pending_[i + 2] : empty;
    x_ = TextRun(canvas_, x_, canvas_.y, a.text, a.code, b.text, b.code, c.text, c.code, weight_);
    i += n;
  }
  pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(i));
}

FormulaLine& FormulaLine::Value(std::string_view format, double value) {
  FlushTextRuns(3);
  const Pending empty{"", kNormal};
  const Pending& a = !pending_.empty() ? pending_[0] : empty;
  const Pending& b = pending_.size() > 1 ? pending_[1] : empty;
  const Pending& c = pending_.size() > 2 ? pending_[2] : empty;
  x_ = ValueRun(canvas_, x_, canvas_.y, a.text, a.code, b.text, b.code, c.text, c.code, format,
                weight_, value);
  pending_.clear();
  return *this;
}

FormulaLine& FormulaLine::MoveTo(int x) {
  End();
  x_ = x;
  return *this;
}

int FormulaLine::End() {
  FlushTextRuns(0);
  return x_;
}

}  // namespace traxen

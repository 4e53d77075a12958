// A note of a joint report: one catalogue sentence laid out over as many lines as the frame
// needs, broken between words, its continuation indented as every continued line is, kept
// together on one page and in the colour it began in.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "report/report_note.h"
#include "report/report_words.h"

namespace traxen {

namespace {

int WidthOf(std::string_view text, std::string_view weight) {
  return MeasureRun([&](ReportCanvas& s) { return TextRun(s, 0, 0, text, kNormal, "", kNormal, "", kNormal, weight); });
}

// The units a note may be broken between: its words, except that a reference in brackets,
// "(EN 1993-1-8 7.1.1(6))." with what follows it, stays in one piece.
std::vector<std::string> Units(std::string_view text) {
  std::vector<std::string> units;
  std::string unit;
  int depth = 0;
  for (const char c : text) {
    if (c == ' ' && depth == 0) {
      if (!unit.empty()) units.push_back(unit);
      unit.clear();
      continue;
    }
    depth += c == '(' ? 1 : c == ')' && depth > 0 ? -1 : 0;
    unit += c;
  }
  if (!unit.empty()) units.push_back(unit);
  return units;
}

// The note's lines: as many units on each as fit between its start and the frame; a unit
// wider than a whole line stands alone on its own.
std::vector<std::string> BreakIntoLines(std::string_view text, int first_x, int next_x, std::string_view weight) {
  std::vector<std::string> lines;
  std::string line;
  int x = first_x;
  for (const std::string& word : Units(text)) {
    const std::string longer = line.empty() ? word : line + " " + word;
    if (!line.empty() && x + WidthOf(longer, weight) > kLineRightLimit) {
      lines.push_back(line);
      line = word;
      x = next_x;
    } else {
      line = longer;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

void PrintNote(LineWriter& w, std::string_view text, std::string_view weight,
               const std::function<void(LineWriter&)>& lead) {
  const int left = w.canvas().left_margin;
  const int indent = left + kContinuationIndent;
  const int lead_width = lead ? MeasureRun([&](ReportCanvas& s) {
    LineWriter scratch(s, 0, weight);
    lead(scratch);
    return scratch.x();
  }) : 0;
  const std::vector<std::string> lines = BreakIntoLines(text, left + lead_width, indent, weight);
  const Color colour = w.canvas().text_color;
  w.AtLeft().KeepTogether(std::max(1, static_cast<int>(lines.size()))).Weight(weight);
  if (lead) lead(w);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) {
      w.NewLine();
      w.canvas().SetTextColor(colour);
      w.At(indent);
    }
    w.Text({lines[i]});
  }
  w.Weight("normal");
}

void PrintChordWallNote(LineWriter& w) {
  w.canvas().SetTextColor(kBlack);
  PrintNote(w, Say(w, ReportTextKey::kChordWallThroughThickness));
}

void PrintHiddenSeamNote(LineWriter& w) {
  w.canvas().SetTextColor(kBlack);
  PrintNote(w, Say(w, ReportTextKey::kHiddenSeamNote), "bold");
}

}  // namespace traxen

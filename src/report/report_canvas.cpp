// Formula runs and check lines on the report canvas.
#include "report/report_canvas.h"

#include "report/pages.h"

#include "base/number_format.h"

namespace traxen {

namespace {

constexpr const char* kBodyFace = "Times New Roman";

int WeightValue(std::string_view name) { return name == "bold" ? 700 : 400; }

struct Placement {
  Font font;
  int text_offset;
  int value_offset;
  bool greek;
};

// The font and vertical offset of each placement code; Greek pieces are drawn from the body
// face at the symbol font's size.
Placement PlacementFor(int code, int weight) {
  switch (code) {
    case kSubscript: return {{kBodyFace, 13, weight}, 7, 7, false};
    case kGreekLarge: return {{kBodyFace, 23, weight}, -5, -5, true};
    case kSuperscript: return {{kBodyFace, 13, weight}, -5, -5, false};
    case kGreek: return {{kBodyFace, 19, weight}, 0, -1, true};
    default: return {{kBodyFace, 19, weight}, 0, 0, false};
  }
}

int DrawPiece(ReportCanvas& canvas, int x, int y, std::string_view piece, int code, int weight,
              bool value_run) {
  if (piece.empty()) return x;
  const Placement p = PlacementFor(code, weight);
  const std::string text = p.greek ? SymbolToGreek(piece) : std::string(piece);
  canvas.surface.setFont(p.font);
  const int width = canvas.surface.textWidth(text);
  canvas.surface.drawText({x, y + (value_run ? p.value_offset : p.text_offset)}, text);
  if (canvas.text_log) canvas.text_log->push_back({y, x, x + width, text});
  if (canvas.plan && y == canvas.y) canvas.plan->NoteText(text);
  return x + width;
}

int DrawPieces(ReportCanvas& canvas, int x, int y, std::string_view piece1, int code1,
               std::string_view piece2, int code2, std::string_view piece3, int code3,
               int weight, bool value_run) {
  x = DrawPiece(canvas, x, y, piece1, code1, weight, value_run);
  x = DrawPiece(canvas, x, y, piece2, code2, weight, value_run);
  return DrawPiece(canvas, x, y, piece3, code3, weight, value_run);
}

}  // namespace

void ReportCanvas::DrawLoggedText(Point at, std::string_view text, int line_y) {
  surface.drawText(at, text);
  if (text_log) text_log->push_back({line_y, at.x, at.x + surface.textWidth(text), std::string(text)});
}

std::string SymbolToGreek(std::string_view latin) {
  std::string out;
  for (char c : latin) {
    switch (c) {
      case 'a': out += "α"; break;
      case 'b': out += "β"; break;
      case 'c': out += "χ"; break;
      case 'g': out += "γ"; break;
      case 'h': out += "η"; break;
      case 'l': out += "λ"; break;
      case 'p': out += "π"; break;
      case 'q': out += "θ"; break;
      case 's': out += "σ"; break;
      case 'N': out += "Ν"; break;  // capital nu, as the symbol font shows it
      default: out += c; break;
    }
  }
  return out;
}

int TextRun(ReportCanvas& canvas, int x, int y, std::string_view piece1, int code1,
            std::string_view piece2, int code2, std::string_view piece3, int code3,
            std::string_view weight) {
  return DrawPieces(canvas, x, y, piece1, code1, piece2, code2, piece3, code3,
                    WeightValue(weight), false);
}

int ValueRun(ReportCanvas& canvas, int x, int y, std::string_view piece1, int code1,
             std::string_view piece2, int code2, std::string_view piece3, int code3,
             std::string_view format, std::string_view weight, double value) {
  const int w = WeightValue(weight);
  x = DrawPieces(canvas, x, y, piece1, code1, piece2, code2, piece3, code3, w, true);
  return DrawPiece(canvas, x, y, FormatNumber(format, value), kNormal, w, true);
}

void PlainText(ReportCanvas& canvas, int x, int y, std::string_view text) {
  DrawPiece(canvas, x, y, text, kNormal, 400, false);
}

void BeginCheck(ReportCanvas& canvas, bool passed, CheckKind kind) {
  if (passed) return;
  if (kind == CheckKind::Condition) {
    canvas.failed = 1;
    ++canvas.failed_count;
  }
  canvas.SetTextColor(kRed);
}

int WriteVerdict(ReportCanvas& canvas, int x, int y, bool passed, std::string_view weight,
                 ReportTextKey failed_text) {
  const std::string_view verdict = ReportText(passed ? ReportTextKey::kPassed : failed_text, canvas.language);
  const int end = TextRun(canvas, x, y, verdict, kNormal, "", kNormal, "", kNormal, weight);
  canvas.SetTextColor(kBlack);
  return end;
}


}  // namespace traxen

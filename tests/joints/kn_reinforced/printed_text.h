// Test helper: what a print function writes, as the report's text output shows it, and the
// canvas state it leaves.
#pragma once

#include <string>
#include <vector>

#include "report/recording_surface.h"
#include "report/report_canvas.h"
#include "families/report_text.h"

namespace traxen::testing {

struct Printed {
  std::string text;
  int failed = 0;
  int failed_count = 0;
  std::vector<RecordingSurface::TextRecord> records;  // every text drawn, with font and colour
};

// Runs `print` on a fresh canvas over a recording surface.
template <class Print>
Printed PrintOnCanvas(Print print) {
  RecordingSurface surface;
  ReportCanvas canvas(surface);
  std::vector<ReportTextPiece> pieces;
  canvas.text_log = &pieces;
  print(canvas);
  return {ReportPiecesToText(std::move(pieces)), canvas.failed, canvas.failed_count,
          surface.texts()};
}

// True when `text` holds `line` as one whole line.
inline bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

}  // namespace traxen::testing

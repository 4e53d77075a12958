// Working values of a few K/N joints shared by the K/N tests.
#pragma once

#include <string>
#include <vector>

#include "report/recording_surface.h"
#include "report/report_canvas.h"
#include "model/report_inputs.h"
#include "families/report_text.h"

namespace traxen::testing {

// A valid gap joint: chord 200×200×8, braces 100×100×5 at 45°, no eccentricity (g ≈ 58.6 mm).
inline ReportInputs KnGapInputs() {
  ReportInputs in;
  in.fy0 = in.fy1 = in.fy2 = 355;
  in.gamma_M0 = 1.0;
  in.E = 210000;
  in.h0 = 200, in.b0 = 200, in.t0 = 8;
  in.h1 = 100, in.b1 = 100, in.t1 = 5;
  in.h2 = 100, in.b2 = 100, in.t2 = 5;
  in.theta1 = 45, in.theta2 = 45;
  in.N0_left = -271.6, in.N1 = -152, in.N2 = 152, in.N0_right = -486.6;
  in.M0 = 2.5;
  in.A0 = 5924, in.Wel0 = 353000;
  in.L0_left = in.L0_right = in.L1 = in.L2 = 4;
  in.chord_class = in.brace1_class = in.brace2_class = 1;
  return in;
}

// A valid overlap joint: chord 100 deep, braces 100 deep at 45° (g ≈ −41.4 mm, λov ≈ 29.3 %).
inline ReportInputs KnOverlapInputs() {
  ReportInputs in = KnGapInputs();
  in.h0 = 100, in.b0 = 150, in.t0 = 6;
  in.A0 = 2800, in.Wel0 = 80000;
  return in;
}

// The report text of whatever `print` writes on a fresh canvas.
template <typename Print>
std::string PrintedText(Print print) {
  RecordingSurface surface;
  ReportCanvas canvas(surface);
  std::vector<ReportTextPiece> log;
  canvas.text_log = &log;
  print(canvas);
  return ReportPiecesToText(log);
}

}  // namespace traxen::testing

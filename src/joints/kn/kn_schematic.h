// The K/N joint schematic at the top of page 1: chord, braces with the gap or overlap and
// its hidden edges, plates, forces, sections and dimensions. Its construction in drawing
// units is exposed for tests; DrawKnSchematic (kn_report.h) draws it and stores g and p.
#pragma once

#include "joints/kn/kn_geometry.h"
#include "report/report_inputs.h"

namespace traxen {

struct DrawPoint {
  double x = 0, y = 0;
};

// One brace as drawn: angle φ from the left horizontal, footprint toes on the chord face,
// far-end centre F and corners A (left) and B (right).
struct KnBraceDrawing {
  double phi_deg = 0;
  double left_toe = 0, right_toe = 0;  // x on the chord's upper face
  DrawPoint far_end, A, B;
};

struct KnSchematicLayout {
  double scale = 0;  // mm per drawing unit: h0 / 55
  double x0 = 465, y_c = 475, x_L = 285, x_R = 645, depth = 55;
  double brace_length = 252;
  double y_top = 0, y_bottom = 0;  // chord faces
  DrawPoint axes_meet;             // P: the brace axes' intersection
  KnBraceDrawing brace1, brace2;
  KnGeometry geometry;             // g, p and the top brace
  bool drawable = false;           // a positive finite scale
};

KnSchematicLayout ComputeKnSchematicLayout(const ReportInputs& in);

}  // namespace traxen

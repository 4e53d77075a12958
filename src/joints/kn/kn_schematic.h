// The K/N joint schematic: chord, braces with the gap or overlap and its hidden edges,
// plates, forces, sections and dimensions, drawn at the top of report page 1 or as the
// joint dialog's preview. Its construction in drawing units is exposed for tests.
#pragma once

#include "joints/kn/kn_geometry.h"
#include "report/drawing_primitives.h"
#include "model/report_inputs.h"
#include "report/report_language.h"
#include "report/surface.h"

namespace traxen {

// Room the report leaves above its first line for the sketch: the line offset it starts from.
inline constexpr int kKnSketchRoom = 380;
inline constexpr int kKnBetweenPlateSketchRoom = 550;  // the between-braces plate stands tall

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

// Where the joint is drawn, in drawing units.
struct KnSchematicFrame {
  SketchUse use = SketchUse::Report;
  ReportLanguage language = ReportLanguage::kEstonian;  // of the labels
  Point area_from{165, 165}, area_to{765, 525};  // cleared before drawing
  double x0 = 465, y_c = 475, x_L = 285, x_R = 645;  // joint vertical, chord axis, chord ends
  double depth = 55;                                  // the chord's drawn depth
  double brace_length = 252;                          // 1.4 × (x0 − x_L)
};

// The report's frame at the top of page 1.
KnSchematicFrame KnReportFrame();
// A picture area of width × height units with its origin at the top-left corner: the joint
// at its middle, the chord from 0.2 to 0.8 of the width and 40 units deep.
KnSchematicFrame KnPreviewFrame(int width, int height);

struct KnSchematicLayout {
  double scale = 0;  // mm per drawing unit: h0 / depth
  double x0 = 465, y_c = 475, x_L = 285, x_R = 645, depth = 55;
  double brace_length = 252;
  double y_top = 0, y_bottom = 0;  // chord faces
  DrawPoint axes_meet;             // P: the brace axes' intersection
  KnBraceDrawing brace1, brace2;
  KnGeometry geometry;             // g, p and the top brace
  bool drawable = false;           // a positive finite scale
};

KnSchematicLayout ComputeKnSchematicLayout(const ReportInputs& in,
                                           const KnSchematicFrame& frame = KnReportFrame());

// Draws the joint into `frame` from `in` and the layout computed from it; reads the inputs
// only. Draws nothing without a positive chord depth except a preview's empty picture.
void DrawKnSketch(DrawingSurface& surface, const ReportInputs& in, const KnSchematicFrame& frame);

// The dialog's preview of `values` in a picture area of width × height units, origin at its
// top-left corner: the joint, its title, and the gap g (with p and λov for an overlap)
// computed for the preview only. Its words speak `language`, the dialog's.
void DrawKnPreview(DrawingSurface& surface, const ReportInputs& values, int width, int height,
                   ReportLanguage language = ReportLanguage::kEstonian);

}  // namespace traxen

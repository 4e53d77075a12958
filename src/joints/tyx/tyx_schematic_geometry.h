// Geometry of the T/Y/X joint sketch, independent of where it is drawn: the chord frame
// (drawing area, joint point, chord ends, depth, scale) and a brace's axis, footprint and
// far edge. The report schematic and the dialog preview differ only in their frames and in
// the label places the frame's use selects.
#pragma once

#include "report/drawing_primitives.h"
#include "report/coord.h"
#include "report/report_language.h"
#include "report/surface.h"

namespace traxen {

struct SchematicPoint {
  double x = 0, y = 0;
  Point ToPoint() const { return {ToCoord(x), ToCoord(y)}; }
};

// Where the joint is drawn. Lengths in drawing units; `scale` is millimetres per unit.
struct TyxSchematicFrame {
  SketchUse use = SketchUse::Report;
  ReportLanguage language = ReportLanguage::kEstonian;  // of the joint type label
  Point area_from, area_to;  // cleared before drawing; an X joint adds `x_joint_extra` below
  int x_joint_extra = 0;
  double joint_x = 0, joint_y = 0;
  double chord_left = 0, chord_right = 0;
  double half_depth = 0;          // the chord is 2 × half_depth deep on the drawing
  double scale = 1;               // h0 / (2 × half_depth)
  double brace_length = 0;        // drawn length of the brace axis
  double lower_brace_length = 0;  // drawn length of an X joint's lower brace axis
  double arc_radius = 0;          // of the angle arcs

  int TopFace() const { return ToCoord(joint_y - half_depth); }
  int BottomFace() const { return ToCoord(joint_y + half_depth); }
};

// The report's frame: J = (465, 420), chord from 285 to 645 and 55 units deep.
TyxSchematicFrame ReportSchematicFrame(double h0);
// A picture area of width × height units with its origin at the top-left corner: J at its
// integer middle, the chord from 0.2 to 0.8 of the width and 40 units deep.
TyxSchematicFrame PreviewSchematicFrame(double h0, int width, int height);

// One brace drawn at `theta_deg` above the chord, or its mirror below the chord (the lower
// brace of an X joint). `plus` and `minus` are the far edge's corners along
// n = (sin θ, −cos θ), so `plus` is the right one for any θ between 0 and 180.
struct TyxBraceGeometry {
  double theta = 0;            // degrees
  double cos = 0, sin = 0;
  SchematicPoint axis_end;     // E: J − L (cos θ, sin θ) above, J + L (cos θ, sin θ) below
  double face_y = 0;           // the chord face the brace stands on (truncated)
  double footprint_x = 0;      // where the axis meets that face (truncated)
  double footprint_half = 0;   // half the footprint width: (h / s) / (2 sin θ)
  double half_depth = 0;       // u = (h / s) / 2
  SchematicPoint plus, minus;  // E ± u n
  double toward_joint = 1;     // +1 above the chord, −1 below: the sign of (cos θ, sin θ) towards J
};

TyxBraceGeometry BraceGeometry(const TyxSchematicFrame& f, double depth_mm, double theta_deg,
                               bool below_chord);

}  // namespace traxen

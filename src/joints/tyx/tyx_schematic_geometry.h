// Geometry of the T/Y/X joint sketch, independent of where it is drawn: the chord frame
// (joint point, chord ends, depth, scale) and a brace's axis, footprint and far edge.
// The report schematic and a dialog preview differ only in their frames and label places.
#pragma once

#include "report/coord.h"
#include "report/surface.h"

namespace traxen {

struct SchematicPoint {
  double x = 0, y = 0;
  Point ToPoint() const { return {ToCoord(x), ToCoord(y)}; }
};

// Where the joint is drawn. Lengths in drawing units; `scale` is millimetres per unit.
struct TyxSchematicFrame {
  double joint_x = 0, joint_y = 0;
  double chord_left = 0, chord_right = 0;
  double half_depth = 0;    // the chord is 2 × half_depth deep on the drawing
  double scale = 1;         // h0 / (2 × half_depth)
  double brace_length = 0;  // drawn length of a brace axis

  int TopFace() const { return ToCoord(joint_y - half_depth); }
  int BottomFace() const { return ToCoord(joint_y + half_depth); }
};

// The report's frame: J = (465, 420), chord from 285 to 645 and 55 units deep.
TyxSchematicFrame ReportSchematicFrame(double h0);

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

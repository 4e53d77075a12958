// Geometry of the T/Y/X joint sketch.
#include "joints/tyx/tyx_schematic_geometry.h"

#include <cmath>

#include "joints/tyx/drawing_primitives.h"
#include "model/ieee_divide.h"

namespace traxen {

TyxSchematicFrame ReportSchematicFrame(double h0) {
  TyxSchematicFrame f;
  f.joint_x = 465;
  f.joint_y = 420;
  f.chord_left = 285;
  f.chord_right = 645;
  f.half_depth = 27.5;
  f.scale = h0 / 55;
  f.brace_length = 180;  // 465 − 285
  return f;
}

TyxBraceGeometry BraceGeometry(const TyxSchematicFrame& f, double depth_mm, double theta_deg,
                               bool below_chord) {
  TyxBraceGeometry g;
  g.theta = theta_deg;
  const double a = SchematicRadians(theta_deg);
  g.cos = std::cos(a);
  g.sin = std::sin(a);
  // Above the chord the axis runs from J back along −(cos θ, sin θ); below it is mirrored
  // through J.
  const double side = below_chord ? -1.0 : 1.0;
  g.toward_joint = side;
  g.axis_end = {f.joint_x - side * f.brace_length * g.cos, f.joint_y - side * f.brace_length * g.sin};
  g.face_y = below_chord ? f.BottomFace() : f.TopFace();
  g.footprint_x = ToCoord(f.joint_x - side * Divide(f.half_depth, std::tan(a)));
  const double drawn_depth = Divide(depth_mm, f.scale);
  g.footprint_half = Divide(drawn_depth, 2 * g.sin);
  g.half_depth = drawn_depth / 2;
  const double u = g.half_depth;
  g.plus = {g.axis_end.x + u * g.sin, g.axis_end.y - u * g.cos};
  g.minus = {g.axis_end.x - u * g.sin, g.axis_end.y + u * g.cos};
  return g;
}

}  // namespace traxen

// Geometry of the T/Y/X joint sketch.
#include "joints/tyx/tyx_schematic_geometry.h"

#include <cmath>

#include "report/drawing_primitives.h"
#include "base/ieee_divide.h"

namespace traxen {

TyxSchematicFrame ReportSchematicFrame(double h0) {
  TyxSchematicFrame f;
  f.use = SketchUse::Report;
  f.area_from = {165, 165};
  f.area_to = {765, 525};
  f.x_joint_extra = 150;
  f.joint_x = 465;
  f.joint_y = 420;
  f.chord_left = 285;
  f.chord_right = 645;
  f.half_depth = 27.5;
  f.scale = h0 / 55;
  f.brace_length = 180;  // 465 − 285
  f.lower_brace_length = 180;
  f.arc_radius = 130;
  return f;
}

TyxSchematicFrame PreviewSchematicFrame(double h0, int width, int height) {
  TyxSchematicFrame f;
  f.use = SketchUse::Preview;
  f.area_from = {0, 0};
  f.area_to = {width, height};
  f.joint_x = width / 2;
  f.joint_y = height / 2;
  f.chord_left = ToCoord(0.2 * width);
  f.chord_right = ToCoord(0.8 * width);
  f.half_depth = 20;
  f.scale = h0 / 40;
  f.brace_length = f.joint_x - f.chord_left;
  // The lower brace reaches a little further, past the reaction's place.
  f.lower_brace_length = 1.05 * f.brace_length;
  f.arc_radius = 100;
  return f;
}

TyxBraceGeometry BraceGeometry(const TyxSchematicFrame& f, double depth_mm, double theta_deg,
                               bool below_chord) {
  TyxBraceGeometry g;
  g.theta = theta_deg;
  const double a = ReportRadians(theta_deg);
  g.cos = std::cos(a);
  g.sin = std::sin(a);
  // Above the chord the axis runs from J back along −(cos θ, sin θ); below it is mirrored
  // through J.
  const double side = below_chord ? -1.0 : 1.0;
  g.toward_joint = side;
  const double length = below_chord ? f.lower_brace_length : f.brace_length;
  g.axis_end = {f.joint_x - side * length * g.cos, f.joint_y - side * length * g.sin};
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

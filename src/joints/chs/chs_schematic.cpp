// The circular hollow section joint sketches.
#include "joints/chs/chs_schematic.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "base/number_format.h"
#include "joints/chs/chs_compute.h"
#include "joints/chs/chs_family.h"
#include "joints/chs/chs_report_lines.h"
#include "joints/chs/chs_texts.h"
#include "report/coord.h"
#include "report/recording_surface.h"
#include "report/report_canvas.h"
#include "report/sketch_placement.h"
#include "report/text_metrics.h"

namespace traxen {

namespace {

constexpr double kChordHalfDepth = 30;  // the chord is drawn 60 units deep
constexpr double kChordHalfLength = 260;
constexpr double kBraceLength = 190;    // from the chord face to the brace's far end

const Pen kMemberPen{PenStyle::Solid, 2, kBlack};
const Pen kThinPen{PenStyle::Solid, 0, kBlack};
const Pen kAxisPen{PenStyle::DashDot, 0, kBlack};
const Font kLabelFont{"Arial", 14, 400};
const Font kTitleFont{"Arial", 17, 700};

struct Vec {
  double x = 0, y = 0;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }
Point P(Vec v) { return {ToCoord(v.x), ToCoord(v.y)}; }

double Rad(double degrees) { return degrees * std::numbers::pi / 180; }

// A finite, positive size, or the fallback: a sketch is drawn whatever the dialog holds.
double Sane(double v, double fallback) { return std::isfinite(v) && v > 0 ? v : fallback; }
// An angle the sketch can draw: within [15°, 165°].
double SaneAngle(double degrees) {
  if (!std::isfinite(degrees)) return 90;
  return std::fmin(165, std::fmax(15, degrees));
}

void Line(DrawingSurface& s, Vec a, Vec b) { s.drawLine(P(a), P(b)); }

void Arrowhead(DrawingSurface& s, Vec tip, Vec from) {
  const Vec d = tip - from;
  const double len = std::hypot(d.x, d.y);
  if (!(len > 0)) return;
  const Vec u{d.x / len, d.y / len};
  for (double side : {-1.0, 1.0}) {
    const double c = std::cos(Rad(25)), sn = side * std::sin(Rad(25));
    const Vec back{-(u.x * c - u.y * sn), -(u.x * sn + u.y * c)};
    Line(s, tip, tip + 12 * back);
  }
}

// A member force along `dir` (unit, pointing away from the joint) from `at`: the arrow
// points away from the joint for tension, towards it for compression.
void Force(DrawingSurface& s, Vec at, Vec dir, double force) {
  s.setPen(kThinPen);
  const Vec far = at + 45 * dir;
  Line(s, at, far);
  if (force < 0) Arrowhead(s, at, far);
  else Arrowhead(s, far, at);
}

void Label(DrawingSurface& s, Vec at, const std::string& text) {
  s.setFont(kLabelFont);
  s.drawText(P(at), text);
}

// The angle arc at `centre` from the chord's direction `from_deg` to the brace's, radius r
// (angles in the drawing's sense, y down: 180° points left).
void AngleArc(DrawingSurface& s, Vec centre, double r, double from_deg, double to_deg) {
  std::vector<Point> points;
  for (int i = 0; i <= 40; ++i) {
    const double a = Rad(from_deg + (to_deg - from_deg) * i / 40);
    points.push_back(P(centre + r * Vec{std::cos(a), -std::sin(a)}));
  }
  s.setPen(kThinPen);
  s.drawPolyline(points);
}

// The chord as a tube in elevation with its centre line and its force at both ends.
// `size_side`: where the d0 × t0 label goes under the chord, −1 left of the joint, 0 centred,
// +1 right, away from an X joint's lower brace.
void Chord(DrawingSurface& s, double left, double right, double N0_left, double N0_right, double d0, double t0,
           int size_side = 0) {
  s.setPen(kMemberPen);
  Line(s, {left, -kChordHalfDepth}, {right, -kChordHalfDepth});
  Line(s, {left, kChordHalfDepth}, {right, kChordHalfDepth});
  s.setPen(kThinPen);
  // The wall's inner face, dashed, as seen through the tube.
  const double wall = std::fmin(kChordHalfDepth * 0.5, 2 * kChordHalfDepth * t0 / d0);
  s.setPen({PenStyle::Dash, 0, kBlack});
  Line(s, {left, -kChordHalfDepth + wall}, {right, -kChordHalfDepth + wall});
  Line(s, {left, kChordHalfDepth - wall}, {right, kChordHalfDepth - wall});
  s.setPen(kAxisPen);
  Line(s, {left - 20, 0}, {right + 20, 0});
  Force(s, {left - 25, 0}, {-1, 0}, N0_left);
  Force(s, {right + 25, 0}, {1, 0}, N0_right);
  // Below the chord at its ends, so that the sketch is no wider than the chord's arrows.
  const std::string left_force = FormatNumber("N0 = %3.1f kN", N0_left);
  const std::string right_force = FormatNumber("N0 = %3.1f kN", N0_right);
  Label(s, {left, kChordHalfDepth + 8}, left_force);
  Label(s, {right - ReportTextWidth(kLabelFont, right_force), kChordHalfDepth + 8}, right_force);
  const std::string size = FormatNumber("d0 × t0 = %3.1f", d0) + FormatNumber(" × %3.1f", t0);
  const double width = ReportTextWidth(kLabelFont, size);
  const double x = size_side < 0 ? -width - 60 : size_side > 0 ? 60 : -width / 2;
  Label(s, {x, kChordHalfDepth + 30}, size);
}

// One brace whose axis runs from `origin` along `dir` (unit, away from the chord): two edges
// at ± r from the axis, each from where it leaves `face_y` (the chord face it stands on) or
// the edge line `stop` of another brace (an overlap), to the far end.
struct BraceEdges {
  Vec foot_left, foot_right, end_left, end_right;
};

double ParamAtY(Vec p, Vec dir, double y) { return (y - p.y) / dir.y; }

// Where the line p + t·dir crosses the line a + u·b: t, or NaN when parallel.
double ParamAtLine(Vec p, Vec dir, Vec a, Vec b) {
  const double den = dir.x * b.y - dir.y * b.x;
  if (std::fabs(den) < 1e-12) return std::nan("");
  return ((a.x - p.x) * b.y - (a.y - p.y) * b.x) / den;
}

struct Stop {
  bool use = false;
  Vec point, dir;
};

BraceEdges Brace(DrawingSurface& s, Vec origin, Vec dir, double r, double face_y, double length, Stop stop = {}) {
  const Vec n{-dir.y, dir.x};
  BraceEdges e;
  Vec feet[2], ends[2];
  double farthest_foot = 0;
  for (int side = 0; side < 2; ++side) {
    const Vec p = origin + (side == 0 ? -r : r) * n;
    double t = ParamAtY(p, dir, face_y);
    if (stop.use) {
      const double t_stop = ParamAtLine(p, dir, stop.point, stop.dir);
      if (std::isfinite(t_stop) && t_stop > t) t = t_stop;
    }
    feet[side] = p + t * dir;
    farthest_foot = std::fmax(farthest_foot, t);
  }
  const double t_end = ParamAtY(origin, dir, face_y) + length;
  for (int side = 0; side < 2; ++side) ends[side] = origin + (side == 0 ? -r : r) * n + t_end * dir;
  s.setPen(kMemberPen);
  for (int side = 0; side < 2; ++side) Line(s, feet[side], ends[side]);
  Line(s, ends[0], ends[1]);
  s.setPen(kAxisPen);
  Line(s, origin + std::fmax(0.0, ParamAtY(origin, dir, face_y) - 10) * dir, origin + (t_end + 15) * dir);
  e.foot_left = feet[0], e.foot_right = feet[1], e.end_left = ends[0], e.end_right = ends[1];
  return e;
}

// The foot of a brace farther left (side −1) or farther right (side +1) on the chord face.
Vec OuterFoot(const BraceEdges& b, int side) {
  const bool left_first = b.foot_left.x < b.foot_right.x;
  return (side < 0) == left_first ? b.foot_left : b.foot_right;
}

void Title(DrawingSurface& s, Vec at, std::string_view text) {
  s.setFont(kTitleFont);
  s.drawText(P(at), std::string(text));
}

}  // namespace

void DrawChsTyxSketch(DrawingSurface& s, const ChsTyxJoint& j, ReportLanguage language) {
  const double d0 = Sane(j.d0, 100), scale = d0 / (2 * kChordHalfDepth);  // mm per unit
  const double r1 = std::fmin(Sane(j.d1, d0) / scale / 2, 3 * kChordHalfDepth);
  const double theta = SaneAngle(j.theta1);
  const ChsTextKey kind = j.x_joint == 1                    ? ChsTextKey::kSchematicX
                          : std::fabs(theta - 90) < 1e-9    ? ChsTextKey::kSchematicT
                                                            : ChsTextKey::kSchematicY;
  Title(s, {-kChordHalfLength, -kChordHalfDepth - kBraceLength - 40}, ReportText(kind, language));
  const int size_side = j.x_joint != 1 ? 0 : theta <= 90 ? -1 : 1;
  Chord(s, -kChordHalfLength, kChordHalfLength, j.N0, j.N0, d0, Sane(j.t0, d0 / 10), size_side);

  // Brace 1 leans left from the joint point: its axis points up and left for θ < 90°.
  const Vec up{-std::cos(Rad(theta)), -std::sin(Rad(theta))};
  const BraceEdges b = Brace(s, {0, 0}, up, r1, -kChordHalfDepth, kBraceLength);
  const Vec top = b.end_left + 0.5 * (b.end_right - b.end_left);
  Force(s, top + 15 * up, up, j.N1);
  Label(s, top + Vec{20, -20}, FormatNumber("N1 = %3.1f kN", j.N1));
  Label(s, b.end_right + Vec{30, 30}, FormatNumber("d1 × t1 = %3.1f", j.d1) + FormatNumber(" × %3.1f", j.t1));
  // θ1 lies between the brace and the chord on the brace's outer side, at its outer toe.
  const Vec toe = OuterFoot(b, -1);
  AngleArc(s, toe, 40, 180 - theta, 180);
  Label(s, toe + Vec{-110, -32}, FormatNumber("θ1 = %3.1f°", j.theta1));
  if (j.x_joint == 1) {
    const Vec down{std::cos(Rad(theta)), std::sin(Rad(theta))};
    const BraceEdges lower = Brace(s, {0, 0}, down, r1, kChordHalfDepth, kBraceLength);
    const Vec bottom = lower.end_left + 0.5 * (lower.end_right - lower.end_left);
    Force(s, bottom + 15 * down, down, j.N1);
    Label(s, bottom + Vec{20, 10}, FormatNumber("N1 = %3.1f kN", j.N1));
  }
}

void DrawChsKnSketch(DrawingSurface& s, const ChsKnJoint& j, const JobSteel& steel, ReportLanguage language) {
  // The steel decides which of two braces of one diameter overlaps the other.
  ChsKnInputs in;
  in.chord = {j.d0, j.t0, steel.fy0};
  in.brace1 = {j.d1, j.t1, steel.fy1};
  in.brace2 = {j.d2, j.t2, steel.fy2};
  in.theta1 = j.theta1, in.theta2 = j.theta2, in.N0_left = j.N0_left, in.N1 = j.N1, in.e = j.e;
  const ChsResult r = ComputeChsKn(in);

  const double d0 = Sane(j.d0, 100), scale = d0 / (2 * kChordHalfDepth);
  const double r1 = std::fmin(Sane(j.d1, d0) / scale / 2, 3 * kChordHalfDepth);
  const double r2 = std::fmin(Sane(j.d2, d0) / scale / 2, 3 * kChordHalfDepth);
  const double th1 = SaneAngle(j.theta1), th2 = SaneAngle(j.theta2);
  // The axes meet e below the chord's centre line (e positive away from the braces), kept
  // within the sketch.
  const double e = std::isfinite(j.e) ? std::fmax(-2 * kChordHalfDepth, std::fmin(2 * kChordHalfDepth, j.e / scale)) : 0;
  const Vec meet{0, e};
  Title(s, {-kChordHalfLength, -kChordHalfDepth - kBraceLength - 40},
        ReportText(r.overlap ? ChsTextKey::kSchematicKnOverlap : ChsTextKey::kSchematicKnGap, language));
  Chord(s, -kChordHalfLength, kChordHalfLength, j.N0_left, r.N0_right, d0, Sane(j.t0, d0 / 10));

  const Vec dir1{-std::cos(Rad(th1)), -std::sin(Rad(th1))};
  const Vec dir2{std::cos(Rad(th2)), -std::sin(Rad(th2))};
  // The overlapping brace stands on the overlapped one's near edge where they cross.
  Stop stop1, stop2;
  const Vec n1{-dir1.y, dir1.x}, n2{-dir2.y, dir2.x};
  if (r.overlap && r.overlapping_brace == 1) stop1 = {true, meet + r2 * n2, dir2};
  if (r.overlap && r.overlapping_brace == 2) stop2 = {true, meet - r1 * n1, dir1};
  const BraceEdges b1 = Brace(s, meet, dir1, r1, -kChordHalfDepth, kBraceLength, stop1);
  const BraceEdges b2 = Brace(s, meet, dir2, r2, -kChordHalfDepth, kBraceLength, stop2);

  const Vec top1 = b1.end_left + 0.5 * (b1.end_right - b1.end_left);
  const Vec top2 = b2.end_left + 0.5 * (b2.end_right - b2.end_left);
  Force(s, top1 + 15 * dir1, dir1, j.N1);
  Force(s, top2 + 15 * dir2, dir2, r.N2);
  Label(s, top1 + Vec{-150, -25}, FormatNumber("N1 = %3.1f kN", j.N1));
  Label(s, top2 + Vec{20, -25}, FormatNumber("N2 = %3.1f kN", r.N2));
  Label(s, top1 + Vec{-170, 15}, FormatNumber("d1 × t1 = %3.1f", j.d1) + FormatNumber(" × %3.1f", j.t1));
  Label(s, top2 + Vec{25, 15}, FormatNumber("d2 × t2 = %3.1f", j.d2) + FormatNumber(" × %3.1f", j.t2));

  // The angles at the outer toes, between each brace and the chord beyond it.
  const Vec toe1 = OuterFoot(b1, -1), toe2 = OuterFoot(b2, 1);
  AngleArc(s, toe1, 40, 180 - th1, 180);
  AngleArc(s, toe2, 40, 0, th2);
  Label(s, toe1 + Vec{-110, -32}, FormatNumber("θ1 = %3.1f°", j.theta1));
  Label(s, toe2 + Vec{45, -32}, FormatNumber("θ2 = %3.1f°", j.theta2));

  // The gap between the toes on the chord face, or the overlap in per cent.
  const double y_label = kChordHalfDepth + 52;
  if (r.overlap) {
    Label(s, {-kChordHalfLength, y_label}, FormatNumber(std::string(ReportText(ChsTextKey::kSchematicOverlap, language)), r.lambda_ov));
  } else {
    s.setPen(kThinPen);
    // The inner toes, where the gap is measured on the chord face.
    const Vec in1 = OuterFoot(b1, 1), in2 = OuterFoot(b2, -1);
    Line(s, {in1.x, -kChordHalfDepth - 4}, {in1.x, -kChordHalfDepth - 22});
    Line(s, {in2.x, -kChordHalfDepth - 4}, {in2.x, -kChordHalfDepth - 22});
    Line(s, {in1.x, -kChordHalfDepth - 16}, {in2.x, -kChordHalfDepth - 16});
    Label(s, {(in1.x + in2.x) / 2 - 4, -kChordHalfDepth - 40}, "g");
    Label(s, {-kChordHalfLength, y_label}, FormatNumber(std::string(ReportText(ChsTextKey::kSchematicGap, language)), r.g));
  }
  // The eccentricity between the chord's centre line and the meeting point of the axes.
  if (e != 0) {
    s.setPen(kThinPen);
    Line(s, {40, 0}, {60, 0});
    Line(s, {40, e}, {60, e});
    Line(s, {55, 0}, {55, e});
    Line(s, {0, e}, {60, e});
    Label(s, {65, e / 2 - 8}, FormatNumber("e = %3.1f mm", j.e));
  }
}

namespace {

template <class Draw>
void Fit(DrawingSurface& target, const SketchArea& area, Draw&& draw) {
  RecordingSurface sketch;
  draw(sketch);
  ReplayOps(PlaceSketch(sketch.ops(), area, ReportTextWidth), target);
}

}  // namespace

void DrawChsTyxSchematic(ReportCanvas& canvas, const Job& job) {
  const int room = job.chs_tyx.x_joint == 1 ? kChsXJointSketchRoom : kChsSketchRoom;
  Fit(canvas.surface, ReportSketchArea(room + canvas.line_step),
      [&](DrawingSurface& s) { DrawChsTyxSketch(s, job.chs_tyx, canvas.language); });
  canvas.surface.setPen({PenStyle::Solid, 0, kBlack});
  canvas.surface.setFont({"Times New Roman", 19, 400});
}

void DrawChsKnSchematic(ReportCanvas& canvas, const Job& job) {
  Fit(canvas.surface, ReportSketchArea(kChsSketchRoom + canvas.line_step),
      [&](DrawingSurface& s) { DrawChsKnSketch(s, job.chs_kn, job.steel, canvas.language); });
  canvas.surface.setPen({PenStyle::Solid, 0, kBlack});
  canvas.surface.setFont({"Times New Roman", 19, 400});
}

void DrawChsTyxPreview(DrawingSurface& s, const ChsTyxJoint& joint, int width, int height,
                       ReportLanguage language) {
  s.setBrush(kWhite);
  Fit(s, {{0, 0}, {width - 1, height - 1}}, [&](DrawingSurface& d) { DrawChsTyxSketch(d, joint, language); });
}

void DrawChsKnPreview(DrawingSurface& s, const ChsKnJoint& joint, const JobSteel& steel, int width, int height,
                      ReportLanguage language) {
  s.setBrush(kWhite);
  Fit(s, {{0, 0}, {width - 1, height - 1}}, [&](DrawingSurface& d) { DrawChsKnSketch(d, joint, steel, language); });
}

}  // namespace traxen

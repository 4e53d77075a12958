// The sketches of round braces on a rectangular chord.
#include "joints/rc/rc_schematic.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "base/number_format.h"
#include "joints/rc/rc_compute.h"
#include "joints/rc/rc_family.h"
#include "joints/rc/rc_job.h"
#include "joints/rc/rc_report_lines.h"
#include "joints/rc/rc_texts.h"
#include "report/coord.h"
#include "report/recording_surface.h"
#include "report/report_canvas.h"
#include "report/sketch_placement.h"
#include "report/text_metrics.h"

namespace traxen {

namespace {

constexpr double kHalfDepth = 30;  // the chord is drawn 60 units deep
constexpr double kHalfLength = 260;
constexpr double kBraceLength = 190;  // from the chord face to the brace's far end

const Pen kMemberPen{PenStyle::Solid, 2, kBlack};
const Pen kThinPen{PenStyle::Solid, 0, kBlack};
const Pen kAxisPen{PenStyle::DashDot, 0, kBlack};
const Pen kHiddenPen{PenStyle::Dot, 0, kBlack};
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
double SaneAngle(double degrees) { return std::isfinite(degrees) ? std::fmin(165, std::fmax(15, degrees)) : 90; }

void Line(DrawingSurface& s, Vec a, Vec b) { s.drawLine(P(a), P(b)); }

void Label(DrawingSurface& s, Vec at, const std::string& text) {
  s.setFont(kLabelFont);
  s.drawText(P(at), text);
}

std::string Size(const char* name, double a, double b) {
  return FormatNumber(std::string(name) + " = %3.1f", a) + FormatNumber(" × %3.1f", b);
}

// A member force along `dir` (unit, away from the joint) from `at`: the arrow points away
// from the joint for tension, towards it for compression.
void Force(DrawingSurface& s, Vec at, Vec dir, double force) {
  s.setPen(kThinPen);
  const Vec far = at + 45 * dir;
  Line(s, at, far);
  const Vec tip = force < 0 ? at : far;
  const Vec back = force < 0 ? dir : -1 * dir;
  const Vec n{-back.y, back.x};
  Line(s, tip, tip + 12 * back + 5 * n);
  Line(s, tip, tip + 12 * back - 5 * n);
}

void AngleArc(DrawingSurface& s, Vec centre, double r, double from_deg, double to_deg) {
  std::vector<Point> points;
  for (int i = 0; i <= 40; ++i) {
    const double a = Rad(from_deg + (to_deg - from_deg) * i / 40);
    points.push_back(P(centre + r * Vec{std::cos(a), -std::sin(a)}));
  }
  s.setPen(kThinPen);
  s.drawPolyline(points);
}

// The chord in elevation: its two faces, the walls' inner faces dashed, the centre line and
// the forces at its ends; the h0 × b0 × t0 label under it.
void Chord(DrawingSurface& s, const RcChord& c, double scale, double N0_left, double N0_right, int label_side) {
  s.setPen(kMemberPen);
  s.drawRect(P({-kHalfLength, -kHalfDepth}), P({kHalfLength, kHalfDepth}));
  const double wall = std::fmin(kHalfDepth * 0.5, c.t / scale);
  s.setPen({PenStyle::Dash, 0, kBlack});
  Line(s, {-kHalfLength, -kHalfDepth + wall}, {kHalfLength, -kHalfDepth + wall});
  Line(s, {-kHalfLength, kHalfDepth - wall}, {kHalfLength, kHalfDepth - wall});
  s.setPen(kAxisPen);
  Line(s, {-kHalfLength - 20, 0}, {kHalfLength + 20, 0});
  Force(s, {-kHalfLength - 25, 0}, {-1, 0}, N0_left);
  Force(s, {kHalfLength + 25, 0}, {1, 0}, N0_right);
  const std::string left = FormatNumber("N0 = %3.1f kN", N0_left), right = FormatNumber("N0 = %3.1f kN", N0_right);
  Label(s, {-kHalfLength, kHalfDepth + 8}, left);
  Label(s, {kHalfLength - ReportTextWidth(kLabelFont, right), kHalfDepth + 8}, right);
  const std::string size = FormatNumber("h0 × b0 × t0 = %3.1f", c.h) + FormatNumber(" × %3.1f", c.b) +
                           FormatNumber(" × %3.1f", c.t);
  const double width = ReportTextWidth(kLabelFont, size);
  Label(s, {label_side < 0 ? -width - 60 : label_side > 0 ? 60 : -width / 2, kHalfDepth + 30}, size);
}

struct BraceEdges {
  Vec foot[2], end[2];
};

// Where the line p + t·dir crosses the line a + u·b: t, or NaN when parallel.
double ParamAtLine(Vec p, Vec dir, Vec a, Vec b) {
  const double den = dir.x * b.y - dir.y * b.x;
  if (std::fabs(den) < 1e-12) return std::nan("");
  return ((a.x - p.x) * b.y - (a.y - p.y) * b.x) / den;
}

// A round brace in elevation: the axis from `origin` along `dir` (unit, away from the chord),
// its two edges at ± r from the axis from the face y = face_y (or, for the overlapping brace
// of an overlap, from the overlapped brace's near edge, the hidden part dotted) to the far end.
BraceEdges Brace(DrawingSurface& s, Vec origin, Vec dir, double r, double face_y, bool stop, Vec stop_at, Vec stop_dir) {
  const Vec n{-dir.y, dir.x};
  BraceEdges e;
  const double t_face = (face_y - origin.y) / dir.y;
  const double t_end = t_face + kBraceLength;
  for (int side = 0; side < 2; ++side) {
    const Vec p = origin + (side == 0 ? -r : r) * n;
    double t = (face_y - p.y) / dir.y;
    if (stop) {
      const double t_stop = ParamAtLine(p, dir, stop_at, stop_dir);
      if (std::isfinite(t_stop) && t_stop > t) {
        s.setPen(kHiddenPen);
        Line(s, p + t * dir, p + t_stop * dir);
        t = t_stop;
      }
    }
    e.foot[side] = p + t * dir;
    e.end[side] = p + t_end * dir;
  }
  s.setPen(kMemberPen);
  for (int side = 0; side < 2; ++side) Line(s, e.foot[side], e.end[side]);
  Line(s, e.end[0], e.end[1]);
  s.setPen(kAxisPen);
  Line(s, origin + std::fmax(0.0, t_face - 10) * dir, origin + (t_end + 15) * dir);
  return e;
}

Vec Mid(Vec a, Vec b) { return a + 0.5 * (b - a); }

// The foot farther left (side −1) or farther right (side +1) on the chord face.
Vec Foot(const BraceEdges& b, int side) {
  const bool first_left = b.foot[0].x < b.foot[1].x;
  return (side < 0) == first_left ? b.foot[0] : b.foot[1];
}

void Title(DrawingSurface& s, std::string_view text) {
  s.setFont(kTitleFont);
  s.drawText(P({-kHalfLength, -kHalfDepth - kBraceLength - 40}), std::string(text));
}

}  // namespace

void DrawRcTyxSketch(DrawingSurface& s, const RcTyxJoint& j, ReportLanguage language) {
  const double h0 = Sane(j.h0, 100), scale = h0 / (2 * kHalfDepth);  // mm per unit
  const double r1 = std::fmin(Sane(j.d1, h0 / 2) / scale / 2, 3 * kHalfDepth);
  const double theta = SaneAngle(j.theta1);
  const RcTextKey kind = j.x_joint == 1 ? RcTextKey::kSchematicX
                         : std::fabs(theta - 90) < 1e-9 ? RcTextKey::kSchematicT
                                                        : RcTextKey::kSchematicY;
  Title(s, ReportText(kind, language));
  const int label_side = j.x_joint != 1 ? 0 : theta <= 90 ? -1 : 1;
  Chord(s, {h0, Sane(j.b0, h0), Sane(j.t0, h0 / 20)}, scale, j.N0, j.N0, label_side);

  const Vec up{-std::cos(Rad(theta)), -std::sin(Rad(theta))};
  const BraceEdges b = Brace(s, {0, 0}, up, r1, -kHalfDepth, false, {}, {});
  const Vec top = Mid(b.end[0], b.end[1]);
  Force(s, top + 15 * up, up, j.N1);
  Label(s, top + Vec{20, -20}, FormatNumber("N1 = %3.1f kN", j.N1));
  Label(s, b.end[1] + Vec{30, 30}, Size("d1 × t1", j.d1, j.t1));
  const Vec toe = Foot(b, -1);
  AngleArc(s, toe, 40, 180 - theta, 180);
  Label(s, toe + Vec{-110, -32}, FormatNumber("θ1 = %3.1f°", j.theta1));
  if (j.x_joint == 1) {
    const Vec down{std::cos(Rad(theta)), std::sin(Rad(theta))};
    const BraceEdges lower = Brace(s, {0, 0}, down, r1, kHalfDepth, false, {}, {});
    const Vec bottom = Mid(lower.end[0], lower.end[1]);
    Force(s, bottom + 15 * down, down, j.N1);
    Label(s, bottom + Vec{20, 10}, FormatNumber("N1 = %3.1f kN", j.N1));
  }
}

void DrawRcKnSketch(DrawingSurface& s, const RcKnJoint& j, ReportLanguage language) {
  Job job;
  job.rc_kn = j;
  const RcResult r = ComputeRcKn(RcKnInputsOf(job));

  const double h0 = Sane(j.h0, 100), scale = h0 / (2 * kHalfDepth);
  const double r1 = std::fmin(Sane(j.d1, h0 / 2) / scale / 2, 3 * kHalfDepth);
  const double r2 = std::fmin(Sane(j.d2, h0 / 2) / scale / 2, 3 * kHalfDepth);
  const double th1 = SaneAngle(j.theta1), th2 = SaneAngle(j.theta2);
  // The axes meet e below the chord's centre line (e positive away from the braces), kept
  // within the sketch.
  const double e = std::isfinite(j.e) ? std::fmax(-2 * kHalfDepth, std::fmin(2 * kHalfDepth, j.e / scale)) : 0;
  const Vec meet{0, e};
  Title(s, ReportText(r.overlap ? RcTextKey::kSchematicKnOverlap : RcTextKey::kSchematicKnGap, language));
  Chord(s, {h0, Sane(j.b0, h0), Sane(j.t0, h0 / 20)}, scale, j.N0_left, r.N0_right, 0);

  const Vec dir1{-std::cos(Rad(th1)), -std::sin(Rad(th1))};
  const Vec dir2{std::cos(Rad(th2)), -std::sin(Rad(th2))};
  const Vec n1{-dir1.y, dir1.x}, n2{-dir2.y, dir2.x};
  // The overlapping brace stands on the overlapped one's near edge where they cross.
  const bool stop1 = r.overlap && r.overlapping == 1, stop2 = r.overlap && r.overlapping == 2;
  const BraceEdges b1 = Brace(s, meet, dir1, r1, -kHalfDepth, stop1, meet + r2 * n2, dir2);
  const BraceEdges b2 = Brace(s, meet, dir2, r2, -kHalfDepth, stop2, meet - r1 * n1, dir1);

  const Vec top1 = Mid(b1.end[0], b1.end[1]), top2 = Mid(b2.end[0], b2.end[1]);
  Force(s, top1 + 15 * dir1, dir1, j.N1);
  Force(s, top2 + 15 * dir2, dir2, r.N2);
  Label(s, top1 + Vec{-150, -25}, FormatNumber("N1 = %3.1f kN", j.N1));
  Label(s, top2 + Vec{20, -25}, FormatNumber("N2 = %3.1f kN", r.N2));
  Label(s, top1 + Vec{-170, 15}, Size("d1 × t1", j.d1, j.t1));
  Label(s, top2 + Vec{25, 15}, Size("d2 × t2", j.d2, j.t2));

  const Vec toe1 = Foot(b1, -1), toe2 = Foot(b2, 1);
  AngleArc(s, toe1, 40, 180 - th1, 180);
  AngleArc(s, toe2, 40, 0, th2);
  Label(s, toe1 + Vec{-110, -32}, FormatNumber("θ1 = %3.1f°", j.theta1));
  Label(s, toe2 + Vec{45, -32}, FormatNumber("θ2 = %3.1f°", j.theta2));

  const double y_label = kHalfDepth + 52;
  if (r.overlap) {
    Label(s, {-kHalfLength, y_label}, FormatNumber(std::string(ReportText(RcTextKey::kSchematicOverlap, language)), r.lambda_ov));
  } else {
    s.setPen(kThinPen);
    const Vec in1 = Foot(b1, 1), in2 = Foot(b2, -1);
    Line(s, {in1.x, -kHalfDepth - 4}, {in1.x, -kHalfDepth - 22});
    Line(s, {in2.x, -kHalfDepth - 4}, {in2.x, -kHalfDepth - 22});
    Line(s, {in1.x, -kHalfDepth - 16}, {in2.x, -kHalfDepth - 16});
    Label(s, {(in1.x + in2.x) / 2 - 4, -kHalfDepth - 40}, "g");
    Label(s, {-kHalfLength, y_label}, FormatNumber(std::string(ReportText(RcTextKey::kSchematicGap, language)), r.g));
  }
  if (e != 0) {
    s.setPen(kThinPen);
    Line(s, {40, 0}, {60, 0});
    Line(s, {0, e}, {60, e});
    Line(s, {55, 0}, {55, e});
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

void RestoreReportPen(ReportCanvas& canvas) {
  canvas.surface.setPen({PenStyle::Solid, 0, kBlack});
  canvas.surface.setFont({"Times New Roman", 19, 400});
}

}  // namespace

void DrawRcTyxSchematic(ReportCanvas& canvas, const Job& job) {
  const int room = job.rc_tyx.x_joint == 1 ? kRcXJointSketchRoom : kRcSketchRoom;
  Fit(canvas.surface, ReportSketchArea(room + canvas.line_step),
      [&](DrawingSurface& s) { DrawRcTyxSketch(s, job.rc_tyx, canvas.language); });
  RestoreReportPen(canvas);
}

void DrawRcKnSchematic(ReportCanvas& canvas, const Job& job) {
  Fit(canvas.surface, ReportSketchArea(kRcSketchRoom + canvas.line_step),
      [&](DrawingSurface& s) { DrawRcKnSketch(s, job.rc_kn, canvas.language); });
  RestoreReportPen(canvas);
}

void DrawRcTyxPreview(DrawingSurface& s, const RcTyxJoint& joint, int width, int height, ReportLanguage language) {
  s.setBrush(kWhite);
  Fit(s, {{0, 0}, {width - 1, height - 1}}, [&](DrawingSurface& d) { DrawRcTyxSketch(d, joint, language); });
}

void DrawRcKnPreview(DrawingSurface& s, const RcKnJoint& joint, int width, int height, ReportLanguage language) {
  s.setBrush(kWhite);
  Fit(s, {{0, 0}, {width - 1, height - 1}}, [&](DrawingSurface& d) { DrawRcKnSketch(d, joint, language); });
}

}  // namespace traxen

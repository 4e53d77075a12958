// The K/N joint schematic: the chord, both braces at their angles meeting at the
// eccentricity, the gap or the overlap with its hidden edges, plates, forces, sections and
// dimensions, in the report's frame or a preview's. Every double becomes a coordinate
// through ToCoord.
#include "joints/kn/kn_schematic.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/ieee_divide.h"
#include "joints/kn/kn_report.h"
#include "joints/kn/kn_texts.h"
#include "report/drawing_primitives.h"
#include "report/coord.h"
#include "base/number_format.h"
#include "report/recording_surface.h"
#include "report/sketch_placement.h"

namespace traxen {

namespace {

constexpr Pen kOutline{PenStyle::Solid, 2, kBlack};
constexpr Pen kDimension{PenStyle::Solid, 0, {0, 0, 255}};
constexpr Pen kAxis{PenStyle::DashDot, 0, kRed};
constexpr Pen kHidden{PenStyle::Dot, 1, kBlack};
constexpr Pen kLeader{PenStyle::Solid, 0, kBlack};
constexpr Pen kErase{PenStyle::Solid, 0, kWhite};
constexpr Color kBlue{0, 0, 255};
constexpr Color kPlate{220, 220, 200};
const Font kLabelFont{"Arial", 14, 400};
const Font kTitleFont{"Arial", 16, 700};
// Greek letters are drawn from the body face, as the report's formula runs draw them.
const Font kGreekFont{"Times New Roman", 19, 400};
const Font kSmallFont{"Arial", 12, 400};

constexpr double kArrowLength = 50;
constexpr double kArcRadius = 150;

Point At(double x, double y) { return {ToCoord(x), ToCoord(y)}; }
Point At(DrawPoint p) { return At(p.x, p.y); }

KnBraceDrawing LayBrace(const KnSchematicLayout& s, double phi_deg, double h) {
  KnBraceDrawing b;
  b.phi_deg = phi_deg;
  const double phi = ReportRadians(phi_deg);
  const double c = std::cos(phi), sn = std::sin(phi);
  const double d = s.axes_meet.y - s.y_top;  // height of P below the upper face
  const double centre = s.x0 - Divide(d, std::tan(phi));
  const double half = Divide(Divide(h, s.scale), 2 * sn);
  b.left_toe = centre - half;
  b.right_toe = centre + half;
  b.far_end = {s.x0 - s.brace_length * c, s.axes_meet.y - s.brace_length * sn};
  const double u = Divide(h, s.scale) / 2;
  b.A = {b.far_end.x - u * sn, b.far_end.y + u * c};
  b.B = {b.far_end.x + u * sn, b.far_end.y - u * c};
  return b;
}

// Where the line through p1 along d1 meets the line through p2 along d2.
std::optional<DrawPoint> Intersect(DrawPoint p1, DrawPoint d1, DrawPoint p2, DrawPoint d2) {
  const double den = d1.x * d2.y - d1.y * d2.x;
  if (!(std::abs(den) > 1e-12)) return std::nullopt;
  const double t = ((p2.x - p1.x) * d2.y - (p2.y - p1.y) * d2.x) / den;
  const DrawPoint q{p1.x + t * d1.x, p1.y + t * d1.y};
  if (!std::isfinite(q.x) || !std::isfinite(q.y)) return std::nullopt;
  return q;
}

// Whether q, a point on the line through a and b, lies between them.
bool OnSegment(DrawPoint q, DrawPoint a, DrawPoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  if (!(len2 > 0)) return false;
  const double t = ((q.x - a.x) * dx + (q.y - a.y) * dy) / len2;
  return t >= -1e-9 && t <= 1 + 1e-9;
}

void Polyline(DrawingSurface& s, std::initializer_list<DrawPoint> points) {
  std::vector<Point> pts;
  for (const DrawPoint& p : points) pts.push_back(At(p));
  s.drawPolyline(pts);
}

void Label(DrawingSurface& s, Color colour, Point at, const std::string& text) {
  s.setTextColor(colour);
  s.drawText(at, text);
}

std::string Section(double h, double b, double t) {
  return FormatSketchNumber(" %3.0f", h) + FormatSketchNumber("x%3.0f", b) + FormatSketchNumber("x%2.1f", t);
}

class KnSchematicPainter {
 public:
  KnSchematicPainter(DrawingSurface& s, const ReportInputs& in, const KnSchematicLayout& l,
                     const KnSchematicFrame& frame)
      : s_(s), in_(in), l_(l), frame_(frame) {}

  void Draw() {
    Clear();
    if (Preview()) Title();
    Chord();
    ChordForces();
    ChordSection();
    ChordDepth();
    BraceDetails(l_.brace1, in_.N1, in_.h1, in_.b1, in_.t1, in_.theta1);
    BraceDetails(l_.brace2, in_.N2, in_.h2, in_.b2, in_.t2, in_.theta2);
    BraceOutlines();
    if (l_.geometry.g > 0) {
      if (in_.kn_side_plates == 1) SidePlates();
      if (in_.kn_face_plate == 1) FacePlate();
    }
    BraceAxes();
    Eccentricity();
    GapDimension();
    if (l_.geometry.g < 0) {
      OverlapLength();
      if (in_.kn_overlap_plate == 1 && Lambda() < 100) BetweenBracesPlate();
    }
    if (Preview()) GapTexts();
    s_.setPen({PenStyle::Solid, 0, kBlack});
    s_.setBrush(kWhite);
    s_.setTextColor(kBlack);
  }

  // The report clears its area without a border; the preview's picture gets a black one.
  void Clear() {
    s_.setPen(Preview() ? kOutline : kErase);
    s_.setBrush(kWhite);
    s_.drawRect(frame_.area_from, frame_.area_to);
  }

 private:
  bool Preview() const { return frame_.use == SketchUse::Preview; }
  std::string_view Word(KnTextKey key) const { return ReportText(key, frame_.language); }
  // Depth dimensions: with oblique ticks in the report, plain lines in the preview.
  void DepthLine(double x1, double y1, double x2, double y2) {
    if (Preview())
      s_.drawLine(At(x1, y1), At(x2, y2));
    else
      DimensionTicks(s_, x1, y1, x2, y2);
  }

  void Title() {
    const double g = l_.geometry.g;
    if (g == 0 || std::isnan(g)) return;
    s_.setFont(kTitleFont);
    s_.setBackgroundColor(kWhite);
    Label(s_, kBlack, {frame_.area_from.x + 20, frame_.area_from.y + 20},
          std::string(Word(g > 0 ? KnTextKey::kSchematicGap : KnTextKey::kSchematicOverlap)));
  }

  // The preview's own lines near the picture's lower edge: g, and for an overlap without the
  // between-braces plate p and λov.
  void GapTexts() {
    const double g = l_.geometry.g, p = l_.geometry.p;
    const int right = frame_.area_to.x, bottom = frame_.area_to.y;
    s_.setFont(kLabelFont);
    Label(s_, kBlack, {right - 300, bottom - 25}, FormatSketchNumber(Word(KnTextKey::kSchematicGapBetweenToes), g));
    if (!(g < 0) || in_.kn_overlap_plate == 1) return;
    if (l_.geometry.top_brace == 2) {
      const int x = right - 300;
      Label(s_, kBlack, {x, bottom - 75}, FormatSketchNumber(" p = %3.1f mm", p));
      int at = x;
      const int y = bottom - 50;
      auto piece = [&](const Font& font, int dy, const std::string& text) {
        s_.setFont(font);
        Label(s_, kBlack, {at, y + dy}, text);
        at += s_.textWidth(text);
      };
      piece(kLabelFont, 0, std::string(Word(KnTextKey::kSchematicOverlapWord)));
      piece(kGreekFont, -3, "λ");
      piece(kSmallFont, 6, "ov");
      piece(kLabelFont, 0, FormatSketchNumber("= (g / p)×100 = %3.1f %%", Lambda()));
    } else {
      const int x = right - 200;
      Label(s_, kBlack, {x, bottom - 75}, FormatSketchNumber(" p = %3.1f mm", p));
      Label(s_, kBlack, {x, bottom - 50}, FormatSketchNumber(Word(KnTextKey::kSchematicOverlapPercent), Lambda()));
    }
  }

  double Lambda() const { return KnOverlapRatio(l_.geometry.g, l_.geometry.p); }
  double Mm(double mm) const { return Divide(mm, l_.scale); }
  double FaceThickness() const { return in_.kn_face_plate == 1 ? Mm(in_.face_t) : 0; }

  void ChordAxis() {
    s_.setPen(kAxis);
    s_.drawLine(At(l_.x_L, l_.y_c), At(l_.x_R, l_.y_c));
  }

  void Chord() {
    s_.setPen(kOutline);
    s_.drawRect(At(l_.x_L, l_.y_top), At(l_.x_R, l_.y_bottom));
    if (in_.kn_face_plate != 1 && in_.kn_side_plates != 1) ChordAxis();
    s_.setFont(kLabelFont);
    s_.setBackgroundColor(kWhite);
  }

  void ChordForces() {
    ForceArrow(s_, ForceArrowMode(in_.N0_left), At(l_.x_L, l_.y_c), At(l_.x_L - kArrowLength, l_.y_c), 0);
    Label(s_, kBlack, At(l_.x_L - 60, l_.y_c + 10), FormatSketchNumber(" %3.1f kN", in_.N0_left));
    ForceArrow(s_, ForceArrowMode(in_.N0_right), At(l_.x_R, l_.y_c), At(l_.x_R + kArrowLength, l_.y_c),
               180);
    Label(s_, kBlack, At(l_.x_R + 5, l_.y_c + 10), FormatSketchNumber(" %3.1lf kN", in_.N0_right));
  }

  void ChordSection() {
    // Leaders go first so that a label's white background covers their ends.
    s_.setPen(kLeader);
    Polyline(s_, {{l_.x_L, l_.y_bottom}, {l_.x_L - 10, l_.y_c + 37}, {l_.x_L - 15, l_.y_c + 37}});
    Label(s_, kBlack, At(l_.x_L - 85, l_.y_c + 30), Section(in_.h0, in_.b0, in_.t0));
  }

  void ChordDepth() {
    const double x = l_.x_R - 20;
    s_.setPen(kDimension);
    DepthLine(x, l_.y_top, x, l_.y_bottom);
    DimensionArrow(s_, At(x, l_.y_top), At(x, l_.y_top - 18), 0);
    DimensionArrow(s_, At(x, l_.y_bottom), At(x, l_.y_bottom + 18), 180);
    Polyline(s_, {{x, l_.y_bottom + 18}, {x, l_.y_c + 37}, {x + 5, l_.y_c + 37}});
    Label(s_, kBlue, At(l_.x_R - 13, l_.y_c + 30), FormatSketchNumber(" %3.0lf mm ", in_.h0));
  }

  // Force arrow, section label, depth dimension and angle arc of one brace.
  void BraceDetails(const KnBraceDrawing& b, double N, double h, double bw, double t, double theta) {
    const double phi = ReportRadians(b.phi_deg);
    const double c = std::cos(phi), sn = std::sin(phi);
    const bool leans_left = b.phi_deg <= 90;

    const DrawPoint tip{b.far_end.x - kArrowLength * c, b.far_end.y - kArrowLength * sn};
    ForceArrow(s_, ForceArrowMode(N), At(b.far_end), At(tip), b.phi_deg);
    const std::string force = FormatSketchNumber(" %3.1f kN", N);
    Label(s_, kBlack, At(tip.x - 50, tip.y - 18), force);

    s_.setPen(kLeader);
    if (leans_left) {
      Polyline(s_, {b.A, {b.A.x - 20, b.A.y + 22}, {b.A.x - 25, b.A.y + 22}});
      Label(s_, kBlack, At(b.A.x - 95, b.A.y + 15), Section(h, bw, t));
    } else {
      Polyline(s_, {b.B, {b.B.x + 20, b.B.y + 22}, {b.B.x + 25, b.B.y + 22}});
      Label(s_, kBlack, At(b.B.x + 15, b.B.y + 15), Section(h, bw, t));
    }

    // Depth across the brace, 25 units back from its far end.
    const DrawPoint a{b.A.x + 25 * c, b.A.y + 25 * sn};
    const DrawPoint bb{b.B.x + 25 * c, b.B.y + 25 * sn};
    const DrawPoint a_out{a.x - 15 * sn, a.y + 15 * c};
    const DrawPoint b_out{bb.x + 15 * sn, bb.y - 15 * c};
    s_.setPen(kDimension);
    DepthLine(a.x, a.y, bb.x, bb.y);
    DimensionArrow(s_, At(a), At(a_out), b.phi_deg + 180);
    DimensionArrow(s_, At(bb), At(b_out), b.phi_deg);
    const std::string depth = FormatSketchNumber(" %3.0lf mm", h);
    if (leans_left) {
      Label(s_, kBlue, At(b_out.x + 2, b_out.y - 14), depth);
    } else {
      Label(s_, kBlue, At(a_out.x - s_.textWidth(depth) - 2, a_out.y - 14), depth);
    }

    // Angle between the chord axis and the brace axis, about P: from the chord axis level
    // 150 units beside the joint vertical to the brace axis on the same circle, so that a P
    // below the chord does not hang the arc there. A P above the chord axis (braces meeting
    // above it) starts the arc at its own level, the only start an arc above P can have.
    const DrawPoint P = l_.axes_meet;
    const double side = leans_left ? -1 : 1;
    const DrawPoint from{P.x + side * kArcRadius, std::min(l_.y_c, P.y)};
    const double radius = std::hypot(from.x - P.x, from.y - P.y);
    const Point start = At(from);
    const Point end = At(P.x - radius * c, P.y - radius * sn);
    ArcPolyline(s_, end, At(P), start);
    // The label near the middle of the arc, between the start's and the brace's directions.
    const double start_angle = std::atan2(P.y - from.y, side * (from.x - P.x));
    const double brace_angle = leans_left ? phi : kReportPi - phi;
    const double half = (start_angle + brace_angle) / 2;
    const DrawPoint mid{P.x + side * radius * std::cos(half), P.y - radius * std::sin(half)};
    const std::string angle = FormatSketchNumber(" %3.0f °", theta);
    const double label_x = leans_left ? mid.x - s_.textWidth(angle) - 4 : mid.x + 4;
    Label(s_, kBlue, At(label_x, mid.y - 12), angle);
  }

  void WholeBrace(const KnBraceDrawing& b) {
    Polyline(s_, {{b.left_toe, l_.y_top}, b.A, b.B, {b.right_toe, l_.y_top}});
  }

  void BraceOutlines() {
    s_.setPen(kOutline);
    if (!(l_.geometry.g < 0)) {
      WholeBrace(l_.brace1);
      WholeBrace(l_.brace2);
      return;
    }
    const bool top_is_1 = l_.geometry.top_brace == 1;
    const KnBraceDrawing& top = top_is_1 ? l_.brace1 : l_.brace2;
    const KnBraceDrawing& under = top_is_1 ? l_.brace2 : l_.brace1;

    // Edges as (toe on the face, direction up along the brace).
    auto dir = [](const KnBraceDrawing& b) {
      const double phi = ReportRadians(b.phi_deg);
      return DrawPoint{-std::cos(phi), -std::sin(phi)};
    };
    const DrawPoint top_inner_toe{top_is_1 ? top.right_toe : top.left_toe, l_.y_top};
    const DrawPoint top_outer_toe{top_is_1 ? top.left_toe : top.right_toe, l_.y_top};
    const DrawPoint under_inner_toe{top_is_1 ? under.left_toe : under.right_toe, l_.y_top};
    const DrawPoint under_outer_toe{top_is_1 ? under.right_toe : under.left_toe, l_.y_top};
    const DrawPoint top_inner_corner = top_is_1 ? top.B : top.A;
    const DrawPoint top_outer_corner = top_is_1 ? top.A : top.B;
    const DrawPoint under_inner_corner = top_is_1 ? under.A : under.B;
    const DrawPoint under_outer_corner = top_is_1 ? under.B : under.A;

    std::optional<DrawPoint> q = Intersect(top_inner_toe, dir(top), under_inner_toe, dir(under));
    // Nearly parallel edges meet far beyond the braces' ends: the cut is only made where the
    // apex lies on both inner edges, so no edge is ever drawn past its own brace.
    if (q && !(OnSegment(*q, top_inner_toe, top_inner_corner) && OnSegment(*q, under_inner_toe, under_inner_corner)))
      q.reset();
    if (!q) {  // parallel or degenerate edges, or an apex off the braces: nothing to cut at
      WholeBrace(l_.brace1);
      WholeBrace(l_.brace2);
      return;
    }
    const bool plate = in_.kn_overlap_plate == 1 && Lambda() <= 100;
    // The top brace's footprint wholly inside the other's: its outer edge is hidden too.
    const bool inside = top_is_1 ? (top.right_toe <= under.right_toe && top.left_toe >= under.left_toe)
                                 : (top.left_toe >= under.left_toe && top.right_toe <= under.right_toe);
    std::optional<DrawPoint> q_outer;
    if (inside && !plate) q_outer = Intersect(top_outer_toe, dir(top), under_inner_toe, dir(under));
    if (q_outer && !(OnSegment(*q_outer, top_outer_toe, top_outer_corner) &&
                     OnSegment(*q_outer, under_inner_toe, under_inner_corner)))
      q_outer.reset();

    // The overlapped brace, whole, or with its inner edge ending at the apex when the
    // between-braces plate fills the overlap.
    if (plate)
      Polyline(s_, {under_outer_toe, under_outer_corner, under_inner_corner, *q});
    else
      Polyline(s_, {under_outer_toe, under_outer_corner, under_inner_corner, under_inner_toe});
    // The overlapping brace, cut where it meets the overlapped brace.
    Polyline(s_, {*q, top_inner_corner, top_outer_corner, q_outer ? *q_outer : top_outer_toe});
    if (plate) return;
    s_.setPen(kHidden);
    Polyline(s_, {top_inner_toe, *q});
    if (q_outer) Polyline(s_, {*q_outer, top_outer_toe});
  }

  double PlateCentre() const { return (l_.brace1.left_toe + l_.brace2.right_toe) / 2; }

  void SidePlates() {
    const double xm = PlateCentre();
    const double hl = Mm(in_.side_l) / 2, hb = Mm(in_.side_b) / 2;
    s_.setPen(kOutline);
    s_.setBrush(kPlate);
    s_.drawRect(At(xm - hl, l_.y_c - hb), At(xm + hl, l_.y_c + hb));
    s_.setBrush(kWhite);
    ChordAxis();

    s_.setPen(kDimension);
    const double y_len = l_.y_c + hb + 30;
    DimensionExtended(s_, At(xm + hl, y_len), 1, 0, At(xm - hl, y_len));
    Label(s_, kBlue, At(xm - 18, y_len - 8), FormatSketchNumber(" %3.1f mm ", in_.side_l));
    const double x_wid = xm + hl + 16;
    DimensionExtended(s_, At(x_wid, l_.y_c + hb), 0, 1, At(x_wid, l_.y_c - hb));
    // At the lower end of its line: the eccentricity label sits beside the chord axis.
    Label(s_, kBlue, At(x_wid + 3, l_.y_c + hb), FormatSketchNumber(" %3.1f mm", in_.side_b));

    s_.setPen(kLeader);
    Polyline(s_, {{xm - hl, l_.y_c + hb}, {xm - hl - 30, l_.y_c + hb + 30}, {xm - hl - 33, l_.y_c + hb + 30}});
    Label(s_, kBlack, At(xm - hl - 104, l_.y_c + hb + 22), Section(in_.side_l, in_.side_b, in_.side_t));
  }

  void FacePlate() {
    const double xm = PlateCentre();
    const double hl = Mm(in_.face_l) / 2, t = Mm(in_.face_t);
    const double top = l_.y_top - t;
    s_.setPen(kOutline);
    s_.setBrush(kPlate);
    s_.drawRect(At(xm - hl, top), At(xm + hl, l_.y_top));
    s_.setBrush(kWhite);

    s_.setPen(kDimension);
    const double x_thk = xm - hl - 30;
    DimensionExtended(s_, At(x_thk, l_.y_top), 0, 1, At(x_thk, top));
    const std::string thickness = FormatSketchNumber(" %3.1f mm", in_.face_t);
    Label(s_, kBlue, At(x_thk - s_.textWidth(thickness) - 3, top - 16), thickness);
    const double y_len = top - 20;
    DimensionExtended(s_, At(xm + hl, y_len), 1, 0, At(xm - hl, y_len));
    Label(s_, kBlue, At(xm - 18, y_len - 8), FormatSketchNumber(" %3.1f mm ", in_.face_l));

    s_.setPen(kLeader);
    Polyline(s_, {{xm + hl, top}, {xm + hl + 150, top - 30}, {xm + hl + 153, top - 30}});
    Label(s_, kBlack, At(xm + hl + 155, top - 38), Section(in_.face_l, in_.face_b, in_.face_t));
  }

  void BraceAxes() {
    s_.setPen(kAxis);
    s_.drawLine(At(l_.axes_meet), At(l_.brace1.far_end));
    s_.drawLine(At(l_.axes_meet), At(l_.brace2.far_end));
  }

  void Eccentricity() {
    if (in_.e == 0) return;
    const double x = l_.x0 + 40;
    const double y1 = std::min(l_.y_c, l_.axes_meet.y), y2 = std::max(l_.y_c, l_.axes_meet.y);
    s_.setPen(kDimension);
    DimensionExtended(s_, At(x, y2), 0, 1, At(x, y1));
    Label(s_, kBlue, At(l_.x0 + 50, (l_.y_c + l_.axes_meet.y) / 2 - 5), FormatSketchNumber(" %2.1f mm", in_.e));
  }

  // Gap (or overlap) between brace 1's right toe and brace 2's left toe, 50 units above the
  // surface the braces stand on.
  void GapDimension() {
    if (l_.geometry.g < 0 && in_.kn_overlap_plate == 1) return;
    const double t = FaceThickness();
    const double toe1 = l_.brace1.right_toe - (t > 0 ? Divide(t, std::tan(ReportRadians(in_.theta1))) : 0);
    const double toe2 = l_.brace2.left_toe + (t > 0 ? Divide(t, std::tan(ReportRadians(in_.theta2))) : 0);
    const double y = l_.y_top - t - 50;
    const double x1 = std::min(toe1, toe2), x2 = std::max(toe1, toe2);
    s_.setPen(kDimension);
    DimensionExtended(s_, At(x2, y), 1, 0, At(x1, y));
    const std::string text = FormatSketchNumber(" %2.1f mm", std::abs(l_.geometry.g));
    Label(s_, kBlue, At((x1 + x2) / 2 - s_.textWidth(text) / 2.0, y - 25), text);
  }

  // The overlapping brace's footprint carried down below the chord.
  void OverlapLength() {
    const KnBraceDrawing& top = l_.geometry.top_brace == 1 ? l_.brace1 : l_.brace2;
    const double y = l_.y_bottom + 10;
    s_.setPen(kDimension);
    s_.drawLine(At(top.left_toe, l_.y_top), At(top.left_toe, y));
    s_.drawLine(At(top.right_toe, l_.y_top), At(top.right_toe, y));
    DimensionExtended(s_, At(top.right_toe, y), 1, 0, At(top.left_toe, y));
    const std::string text = FormatSketchNumber(" %3.1lf mm", l_.geometry.p);
    Label(s_, kBlue, At((top.left_toe + top.right_toe) / 2 - s_.textWidth(text) / 2.0, y + 4), text);
  }

  void BetweenBracesPlate() {
    const bool top_is_1 = l_.geometry.top_brace == 1;
    const KnBraceDrawing& top = top_is_1 ? l_.brace1 : l_.brace2;
    const KnBraceDrawing& under = top_is_1 ? l_.brace2 : l_.brace1;
    const DrawPoint top_toe{top_is_1 ? top.right_toe : top.left_toe, l_.y_top};
    const DrawPoint under_toe{top_is_1 ? under.left_toe : under.right_toe, l_.y_top};
    auto dir = [](const KnBraceDrawing& b) {
      const double phi = ReportRadians(b.phi_deg);
      return DrawPoint{-std::cos(phi), -std::sin(phi)};
    };
    const std::optional<DrawPoint> q = Intersect(top_toe, dir(top), under_toe, dir(under));
    if (!q) return;
    const double ht = Mm(in_.overlap_t) / 2, height = Mm(in_.overlap_l);
    const double top_y = l_.y_top - height;
    s_.setPen(kOutline);
    s_.setBrush(kPlate);
    s_.drawRect(At(q->x - ht, top_y), At(q->x + ht, l_.y_top));
    s_.setBrush(kWhite);

    s_.setPen(kDimension);
    const double y_thk = top_y - 10;
    DimensionExtended(s_, At(q->x + ht, y_thk), 1, 0, At(q->x - ht, y_thk));
    const std::string thickness = FormatSketchNumber(" %2.1f mm", in_.overlap_t);
    Label(s_, kBlue, At(q->x - s_.textWidth(thickness) / 2.0, y_thk - 22), thickness);
    const double x_h = q->x + ht + 12;
    DimensionExtended(s_, At(x_h, l_.y_top), 0, 1, At(x_h, top_y));
    // The rectangle stands l high, so its height dimension shows l.
    Label(s_, kBlue, At(x_h + 4, (top_y + l_.y_top) / 2 - 7), FormatSketchNumber(" %3.1f mm", in_.overlap_l));

    // Below the chord, left of the overlap length's label.
    s_.setPen(kLeader);
    const double y_label = l_.y_top + 60;
    Polyline(s_, {{q->x - ht, l_.y_top}, {q->x - ht - 50, y_label + 7}, {q->x - ht - 58, y_label + 7}});
    Label(s_, kBlack, At(q->x - ht - 140, y_label), Section(in_.overlap_l, in_.overlap_b, in_.overlap_t));
  }

  DrawingSurface& s_;
  const ReportInputs& in_;
  const KnSchematicLayout& l_;
  const KnSchematicFrame& frame_;
};

}  // namespace

KnSchematicFrame KnReportFrame() { return KnSchematicFrame{}; }

KnSchematicFrame KnPreviewFrame(int width, int height) {
  KnSchematicFrame f;
  f.use = SketchUse::Preview;
  f.area_from = {0, 0};
  f.area_to = {width, height};
  f.x0 = RoundCoord(width / 2.0);
  f.y_c = RoundCoord(height / 2.0);
  f.x_L = 0.2 * width;
  f.x_R = 0.8 * width;
  f.depth = 40;
  f.brace_length = f.x0 - f.x_L;
  return f;
}

KnSchematicLayout ComputeKnSchematicLayout(const ReportInputs& in, const KnSchematicFrame& frame) {
  KnSchematicLayout l;
  l.geometry = ComputeKnGeometry(in);
  l.x0 = frame.x0;
  l.y_c = frame.y_c;
  l.x_L = frame.x_L;
  l.x_R = frame.x_R;
  l.depth = frame.depth;
  l.brace_length = frame.brace_length;
  l.scale = in.h0 / l.depth;
  l.drawable = std::isfinite(l.scale) && l.scale > 0;
  l.y_top = l.y_c - l.depth / 2;
  l.y_bottom = l.y_c + l.depth / 2;
  l.axes_meet = {l.x0, l.y_c + Divide(in.e, l.scale)};
  l.brace1 = LayBrace(l, in.theta1, in.h1);
  l.brace2 = LayBrace(l, 180 - in.theta2, in.h2);
  return l;
}

void DrawKnSketch(DrawingSurface& surface, const ReportInputs& in, const KnSchematicFrame& frame) {
  const KnSchematicLayout layout = ComputeKnSchematicLayout(in, frame);
  KnSchematicPainter painter(surface, in, layout, frame);
  // Without a chord depth there is no scale to draw with; a preview still shows its picture.
  if (!layout.drawable) {
    if (frame.use == SketchUse::Preview) painter.Clear();
    return;
  }
  painter.Draw();
}

void DrawKnPreview(DrawingSurface& surface, const ReportInputs& values, int width, int height,
                   ReportLanguage language) {
  KnSchematicFrame frame = KnPreviewFrame(width, height);
  frame.language = language;
  DrawKnSketch(surface, values, frame);
}

void DrawKnSchematic(ReportCanvas& canvas, const ReportInputs& in) {
  if (!(std::isfinite(in.h0) && in.h0 > 0)) return;  // no scale to draw with
  // Drawn aside first, then fitted into the room the report leaves above its first line.
  RecordingSurface sketch;
  KnSchematicFrame frame = KnReportFrame();
  frame.language = canvas.language;
  DrawKnSketch(sketch, in, frame);
  const int room = in.kn_overlap_plate == 1 ? kKnBetweenPlateSketchRoom : kKnSketchRoom;
  ReplayOps(PlaceSketch(sketch.ops(), ReportSketchArea(room + canvas.line_step), ReportTextWidth),
            canvas.surface);
}

}  // namespace traxen

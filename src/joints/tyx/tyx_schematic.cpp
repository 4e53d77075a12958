// The T/Y/X joint sketch: chord, brace (and the lower brace of an X joint), forces, section
// labels, depths, the brace angle and the reinforcing plates, drawn into a report or preview
// frame.
#include "joints/tyx/tyx_schematic.h"

#include <cmath>
#include <initializer_list>
#include <span>
#include <string>

#include "report/drawing_primitives.h"
#include "base/ieee_divide.h"
#include "joints/tyx/tyx_compute.h"
#include "joints/tyx/tyx_report.h"
#include "joints/tyx/tyx_texts.h"
#include "base/number_format.h"
#include "report/recording_surface.h"
#include "report/sketch_placement.h"

namespace traxen {

namespace {

constexpr Color kBlue{0, 0, 255};
constexpr Color kPlateFill{220, 220, 200};
constexpr Pen kOutlinePen{PenStyle::Solid, 2, kBlack};
constexpr Pen kAxisPen{PenStyle::DashDot, 0, kRed};
constexpr Pen kDimensionPen{PenStyle::Solid, 0, kBlue};
constexpr Pen kLeaderPen{PenStyle::Solid, 0, kBlack};
constexpr Pen kErasePen{PenStyle::Solid, 0, kWhite};

const Font kLabelFont{"Arial", 14, 400};
const Font kDimensionFont{"Arial", 14, 400};
const Font kTypeFont{"Arial", 16, 700};

Point P(double x, double y) { return {ToCoord(x), ToCoord(y)}; }

std::string SectionText(double h, double b, double t) {
  return FormatSketchNumber(" %3.0fx", h) + FormatSketchNumber("%3.0fx", b) + FormatSketchNumber("%2.1f", t);
}

class TyxSketch {
 public:
  TyxSketch(DrawingSurface& s, const ReportInputs& in, const TyxSchematicFrame& f)
      : s_(s), in_(in), f_(f) {}

  void Background();
  bool Drawable() const { return std::isfinite(in_.h0) && in_.h0 > 0; }
  void DrawReport();
  void DrawPreview();

 private:
  void Label(Point at, const std::string& text) {
    s_.setFont(kLabelFont);
    s_.setTextColor(kBlack);
    s_.drawText(at, text);
  }
  void DimensionText(Point at, const std::string& text) {
    s_.setFont(kDimensionFont);
    s_.setTextColor(kBlue);
    s_.drawText(at, text);
  }
  void Leader(std::initializer_list<Point> points) {
    s_.setPen(kLeaderPen);
    s_.drawPolyline(std::span<const Point>(points.begin(), points.size()));
  }

  void Chord();
  void ChordDepth();
  void TypeLabel();
  void BraceOutline(const TyxBraceGeometry& g);
  void BraceDetails(const TyxBraceGeometry& g, double force, double h, double b, double t);
  void BraceSection(const TyxBraceGeometry& g, const std::string& section);
  void BraceDepth(const TyxBraceGeometry& g, double h, bool text_right);
  void BraceAngle(const TyxBraceGeometry& g);
  void Reaction(double theta);
  void SidePlates();
  void FacePlate(const TyxBraceGeometry& upper);
  void LowerFacePlate(const TyxBraceGeometry& lower);
  void LowerFacePlateRect(const TyxBraceGeometry& lower);
  void Axis(const TyxBraceGeometry& g) {
    s_.setPen(kAxisPen);
    s_.drawLine(J(), g.axis_end.ToPoint());
  }
  void ChordAxis() {
    s_.setPen(kAxisPen);
    s_.drawLine(P(f_.chord_left, f_.joint_y), P(f_.chord_right, f_.joint_y));
  }
  Point J() const { return P(f_.joint_x, f_.joint_y); }
  bool XJoint() const { return in_.tyx_x_joint == 1; }
  bool Preview() const { return f_.use == SketchUse::Preview; }

  DrawingSurface& s_;
  const ReportInputs& in_;
  const TyxSchematicFrame& f_;
};

// The report clears its area without a border; the preview's picture gets a black one.
void TyxSketch::Background() {
  s_.setPen(Preview() ? kOutlinePen : kErasePen);
  s_.setBrush(kWhite);
  const Point to{f_.area_to.x, f_.area_to.y + (XJoint() ? f_.x_joint_extra : 0)};
  s_.drawRect(f_.area_from, to);
  s_.setBackgroundColor(kWhite);
}

void TyxSketch::Chord() {
  const int top = f_.TopFace(), bottom = f_.BottomFace();
  const int left = ToCoord(f_.chord_left), right = ToCoord(f_.chord_right);
  s_.setPen(kOutlinePen);
  const Point outline[] = {{left, bottom}, {right, bottom}, {right, top}, {left, top}, {left, bottom}};
  s_.drawPolyline(outline);
  ChordAxis();

  const Point j = J();
  ForceArrow(s_, ForceArrowMode(in_.N0_left), {left, j.y}, {left - 50, j.y}, 0);
  ForceArrow(s_, ForceArrowMode(in_.N0_right), {right, j.y}, {right + 50, j.y}, 180);
  Label({left - 55, j.y + 10}, FormatSketchNumber(" %3.1f kN", in_.N0_left));
  Label({right + 5, j.y + 10}, FormatSketchNumber(" %3.1f kN", in_.N0_right));
  Label({left - 85, j.y + 30}, SectionText(in_.h0, in_.b0, in_.t0));
  Leader({{left, bottom}, {left - 10, j.y + 37}, {left - 15, j.y + 37}});
}

void TyxSketch::ChordDepth() {
  const int x = ToCoord(f_.chord_right) - 20;
  const int top = f_.TopFace(), bottom = f_.BottomFace();
  s_.setPen(kDimensionPen);
  if (Preview()) {
    // The preview writes the depth below the chord, where its picture has room.
    const int jy = ToCoord(f_.joint_y);
    s_.drawLine({x, bottom}, {x, top});
    DimensionArrow(s_, {x, top}, {x, top - 18}, 0);
    DimensionArrow(s_, {x, bottom}, {x, bottom + 18}, 180);
    DimensionText({x + 7, jy + 30}, FormatSketchNumber(" %3.0lf mm ", in_.h0));
    s_.setPen(kDimensionPen);
    const Point leader[] = {{x, bottom}, {x, jy + 37}, {x + 5, jy + 37}};
    s_.drawPolyline(leader);
    return;
  }
  s_.drawLine({x, top}, {x, bottom});
  DimensionArrow(s_, {x, top}, P(x, f_.joint_y - f_.half_depth - 18), 0);
  DimensionArrow(s_, {x, bottom}, P(x, f_.joint_y + f_.half_depth + 18), 180);
  DimensionText({x + 7, top - 25}, FormatSketchNumber(" %3.0lf mm ", in_.h0));
  s_.setPen(kDimensionPen);
  const Point leader[] = {{x, top}, {x, top - 19}, {x + 5, top - 19}};
  s_.drawPolyline(leader);
}

void TyxSketch::TypeLabel() {
  const TyxTextKey type = XJoint()            ? TyxTextKey::kSchematicX
                         : in_.theta1 == 90 ? TyxTextKey::kSchematicT
                                            : TyxTextKey::kSchematicY;
  const std::string_view text = ReportText(type, f_.language);
  s_.setFont(kTypeFont);
  s_.setTextColor(kBlack);
  s_.drawText({f_.area_from.x + 20, f_.area_from.y + 20}, text);
}

// The brace's far edge shifted 25 units back towards the joint, with outward arrows at both
// ends and the depth beside the right end (or the left one).
void TyxSketch::BraceDepth(const TyxBraceGeometry& g, double h, bool text_right) {
  const double back_x = std::trunc(g.toward_joint * 25 * g.cos);
  const double back_y = std::trunc(g.toward_joint * 25 * g.sin);
  const SchematicPoint plus{g.plus.x + back_x, g.plus.y + back_y};
  const SchematicPoint minus{g.minus.x + back_x, g.minus.y + back_y};
  const Point plus_tail = P(plus.x + 15 * g.sin, plus.y - 15 * g.cos);
  const Point minus_tail = P(minus.x - 15 * g.sin, minus.y + 15 * g.cos);
  s_.setPen(kDimensionPen);
  if (Preview())
    s_.drawLine(minus.ToPoint(), plus.ToPoint());
  else
    DimensionTicks(s_, minus.x, minus.y, plus.x, plus.y);
  DimensionArrow(s_, plus.ToPoint(), plus_tail, g.theta);
  DimensionArrow(s_, minus.ToPoint(), minus_tail, g.theta + 180);
  const std::string text = FormatSketchNumber(" %3.0lf mm", h);
  s_.setFont(kDimensionFont);
  const int width = s_.textWidth(text);
  if (text_right) {
    s_.drawLine(plus_tail, {plus_tail.x + 8, plus_tail.y});
    DimensionText({plus_tail.x + 8, plus_tail.y - 7}, text);
  } else {
    s_.drawLine(minus_tail, {minus_tail.x - 8, minus_tail.y});
    DimensionText({minus_tail.x - 8 - width, minus_tail.y - 7}, text);
  }
}

void TyxSketch::BraceOutline(const TyxBraceGeometry& g) {
  Axis(g);
  s_.setPen(kOutlinePen);
  const Point outline[] = {P(g.footprint_x - g.footprint_half, g.face_y), g.minus.ToPoint(),
                           g.plus.ToPoint(), P(g.footprint_x + g.footprint_half, g.face_y)};
  s_.drawPolyline(outline);
}

// The section label beside the brace's far end, with its leader.
void TyxSketch::BraceSection(const TyxBraceGeometry& g, const std::string& section) {
  const bool below = g.toward_joint < 0;
  const bool steep = g.theta <= 90;
  if (below) {
    const Point c = (steep ? g.minus : g.plus).ToPoint();
    const int dir = steep ? -1 : 1;
    Leader({c, {c.x + 10 * dir, c.y + 37}, {c.x + 15 * dir, c.y + 37}});
    Label({steep ? c.x - 85 : c.x + 15, c.y + 30}, section);
  } else if (Preview()) {
    // The preview labels the outer side of the brace's end: left of a brace leaning left.
    const Point left = g.minus.ToPoint(), right = g.plus.ToPoint();
    if (steep) {
      Leader({left, {left.x - 20, left.y + 22}, {left.x - 25, left.y + 22}});
      Label({left.x - 95, left.y + 15}, section);
    } else {
      Leader({right, {right.x + 10, left.y + 37}, {right.x + 15, left.y + 37}});
      Label({right.x + 15, left.y + 30}, section);
    }
  } else {
    const Point c = (steep ? g.plus : g.minus).ToPoint();
    const int dir = steep ? 1 : -1;
    Leader({c, {c.x + 10 * dir, c.y - 37}, {c.x + 15 * dir, c.y - 37}});
    // Left of a brace leaning right the label ends where its leader does: a fixed offset
    // would run a long label into the brace force's label.
    s_.setFont(kLabelFont);
    Label({steep ? c.x + 15 : c.x - 15 - s_.textWidth(section), c.y - 44}, section);
  }
}

// The angle between chord and brace, on the side the brace leans to.
void TyxSketch::BraceAngle(const TyxBraceGeometry& g) {
  const bool below = g.toward_joint < 0;
  const Point j = J();
  const double jx = f_.joint_x, jy = f_.joint_y, r = f_.arc_radius;
  const double half = ReportRadians(g.theta / 2);
  s_.setPen(kDimensionPen);
  if (!below) {
    ArcPolyline(s_, P(jx - r * g.cos, jy - r * g.sin), j, P(jx - r, jy));
    const double dx = Preview() ? -12 : -15;
    DimensionText(P(jx - r * std::cos(half) + dx, jy - r * std::sin(half) - 2),
                  FormatSketchNumber(" %3.1f°", g.theta));
  } else {
    ArcPolyline(s_, P(jx + r * g.cos, jy + r * g.sin), j, P(jx + r, jy));
    const double dx = Preview() ? -25 : -5;
    DimensionText(P(jx + r * std::cos(half) + dx, jy + r * std::sin(half) - 10),
                  FormatSketchNumber(Preview() ? " %3.1f°" : " %3.1f °", g.theta));
  }
}

void TyxSketch::BraceDetails(const TyxBraceGeometry& g, double force, double h, double b, double t) {
  const bool below = g.toward_joint < 0;
  // The force arrow continues the axis 50 units beyond the brace end.
  const SchematicPoint e = g.axis_end;
  const double out = -g.toward_joint * 50;
  const Point arrow_end = P(e.x + out * g.cos, e.y + out * g.sin);
  ForceArrow(s_, ForceArrowMode(force), e.ToPoint(), arrow_end, below ? g.theta + 180 : g.theta);
  const std::string force_text = FormatSketchNumber(" %3.1f kN", force);
  if (Preview())
    Label({arrow_end.x - 45, arrow_end.y - (below ? 5 : 10)}, force_text);
  else if (below)
    Label({arrow_end.x - 35, arrow_end.y + 7}, force_text);
  else
    Label({arrow_end.x - 45, arrow_end.y - 15}, force_text);

  BraceSection(g, SectionText(h, b, t));
  const bool steep = g.theta <= 90;
  BraceDepth(g, h, below ? !steep : steep);
  BraceAngle(g);
}

// Without a lower brace the chord's bottom face carries the reaction of the brace force. It
// says that it is one: no member stands there, and the bare force would read as a second
// brace's.
void TyxSketch::Reaction(double theta) {
  const double a = ReportRadians(theta + 180);
  const double d = Divide(f_.half_depth, std::sin(ReportRadians(theta)));
  const SchematicPoint start{f_.joint_x - d * std::cos(a), f_.joint_y - d * std::sin(a)};
  const Point end = P(start.x - 50 * std::cos(a), start.y - 50 * std::sin(a));
  ForceArrow(s_, ForceArrowMode(in_.N2), start.ToPoint(), end, theta + 180);
  const Point label_at = Preview() ? Point{end.x - 45, end.y - 5} : Point{end.x - 35, end.y + 7};
  const std::string_view reaction = ReportText(TyxTextKey::kSchematicReaction, f_.language);
  Label(label_at, FormatSketchNumber(" %3.1f kN", in_.N2) + " (" + std::string(reaction) + ")");
}

// The side plate is seen on the chord's side wall, centred on the joint.
void TyxSketch::SidePlates() {
  const double m = Divide(in_.side_l, f_.scale) / 2;
  const double l = Divide(in_.side_b, f_.scale) / 2;
  const double jx = f_.joint_x, jy = f_.joint_y;
  s_.setPen(kOutlinePen);
  s_.setBrush(kPlateFill);
  s_.drawRect(P(jx - m, jy - l - 1), P(jx + m, jy + l + 1));
  s_.setBrush(kWhite);
  ChordAxis();

  s_.setPen(kDimensionPen);
  // Below an X joint's lower brace in the report; the preview keeps it under the plate.
  const double length_y = jy + l + (Preview() ? 30 : XJoint() ? 65 : 25);
  DimensionExtended(s_, P(jx + m, length_y), 1, 0, P(jx - m, length_y));
  DimensionText(P(jx - 18, length_y - 8), FormatSketchNumber(" %3.1f mm ", in_.side_l));
  const double height_x = jx + 15 + m + 1;
  s_.setPen(kDimensionPen);
  DimensionExtended(s_, P(height_x, jy + l), 0, 1, P(height_x, jy - l));
  DimensionText(P(jx + 18 + m, jy - 8), FormatSketchNumber(" %3.1f mm", in_.side_b));

  Label(P(jx - 104 - m, jy + 22 + l), SectionText(in_.side_l, in_.side_b, in_.side_t));
  Leader({P(jx - m, jy + l), P(jx - 30 - m, jy + 30 + l), P(jx - 33 - m, jy + 30 + l)});
}

// The face plate lies on the chord's top face under the brace, centred where the brace axis
// meets the plate's top.
void TyxSketch::FacePlate(const TyxBraceGeometry& g) {
  const double t = Divide(in_.face_t, f_.scale);
  const double m = Divide(in_.face_l, f_.scale) / 2;
  // The preview centres the plate on the integer middle of the footprint's drawn ends.
  const double footprint_middle =
      Preview() ? (ToCoord(g.footprint_x - g.footprint_half) + ToCoord(g.footprint_x + g.footprint_half)) / 2
                : g.footprint_x;
  const double xp = footprint_middle - Divide(t, std::tan(ReportRadians(g.theta)));
  const int face = f_.TopFace();
  const double top = face - t;
  s_.setPen(kOutlinePen);
  s_.setBrush(kPlateFill);
  s_.drawRect(P(xp - m, top), P(xp + m + 1, face + 1));
  s_.setBrush(kWhite);

  // The preview pulls its texts closer to the plate than the report does.
  const double thickness_y = Preview() ? top - 18 : face + 8;
  const double length_y = top - (Preview() ? 30 : 20);
  const double label_run = Preview() ? 40 : 80;
  s_.setPen(kDimensionPen);
  DimensionExtended(s_, P(xp - 30 - m, face), 0, 1, P(xp - 30 - m, top));
  DimensionText(P(xp - 50 - m, thickness_y), FormatSketchNumber(" %3.1f mm", in_.face_t));
  s_.setPen(kDimensionPen);
  DimensionExtended(s_, P(xp + m, length_y), 1, 0, P(xp - m, length_y));
  DimensionText(P(xp - 18, length_y - 8), FormatSketchNumber(" %3.1f mm ", in_.face_l));

  Label(P(xp + m + label_run + 6, top - 38), SectionText(in_.face_l, in_.face_b, in_.face_t));
  Leader({P(xp + m + 1, top), P(xp + m + label_run + 1, top - 30), P(xp + m + label_run + 4, top - 30)});
}

// The X joint's second face plate under the lower brace, the same plate as the upper one:
// its length 35 units below it and its label to the right. Its thickness is dimensioned on
// the upper plate only; on this side it would run into the side plate's height.
void TyxSketch::LowerFacePlateRect(const TyxBraceGeometry& g) {
  const double t = Divide(in_.face_t, f_.scale);
  const double m = Divide(in_.face_l, f_.scale) / 2;
  const double xp = g.footprint_x + Divide(t, std::tan(ReportRadians(g.theta)));
  const int face = f_.BottomFace();
  s_.setPen(kOutlinePen);
  s_.setBrush(kPlateFill);
  s_.drawRect(P(xp - m - 1, face - 1), P(xp + m, face + t));
  s_.setBrush(kWhite);
}

void TyxSketch::LowerFacePlate(const TyxBraceGeometry& g) {
  LowerFacePlateRect(g);
  const double t = Divide(in_.face_t, f_.scale);
  const double m = Divide(in_.face_l, f_.scale) / 2;
  const double xp = g.footprint_x + Divide(t, std::tan(ReportRadians(g.theta)));
  const double bottom = f_.BottomFace() + t;

  s_.setPen(kDimensionPen);
  DimensionExtended(s_, P(xp + m, bottom + 35), 1, 0, P(xp - m, bottom + 35));
  DimensionText(P(xp - 18, bottom + 35 - 8), FormatSketchNumber(" %3.1f mm ", in_.face_l));

  Label(P(xp + m + 86, bottom + 24), SectionText(in_.face_l, in_.face_b, in_.face_t));
  Leader({P(xp + m, bottom), P(xp + m + 81, bottom + 30), P(xp + m + 84, bottom + 30)});
}

void TyxSketch::DrawReport() {
  Chord();
  ChordDepth();
  TypeLabel();
  const TyxBraceGeometry upper = BraceGeometry(f_, in_.h1, in_.theta1, false);
  BraceOutline(upper);
  BraceDetails(upper, in_.N1, in_.h1, in_.b1, in_.t1);
  if (!XJoint()) Reaction(in_.theta1);
  if (in_.tyx_side_plates == 1) SidePlates();
  if (in_.tyx_face_plate == 1) FacePlate(upper);
  if (XJoint()) {
    const TyxBraceGeometry lower = BraceGeometry(f_, in_.h2, in_.theta2, true);
    BraceOutline(lower);
    BraceDetails(lower, in_.N2, in_.h2, in_.b2, in_.t2);
    if (in_.tyx_face_plate == 1) LowerFacePlate(lower);
    Axis(lower);
  }
  // The axes lie on top of the plates.
  ChordAxis();
  Axis(upper);
  s_.setFont(kLabelFont);
  s_.setTextColor(kBlack);
}

// The preview draws the plates before the brace's labels so that no plate covers them, and
// the reaction or the lower brace last.
void TyxSketch::DrawPreview() {
  Chord();
  ChordDepth();
  TypeLabel();
  const TyxBraceGeometry upper = BraceGeometry(f_, in_.h1, in_.theta1, false);
  BraceOutline(upper);
  if (in_.tyx_side_plates == 1) SidePlates();
  if (in_.tyx_face_plate == 1) FacePlate(upper);
  ChordAxis();
  Axis(upper);
  BraceDetails(upper, in_.N1, in_.h1, in_.b1, in_.t1);
  if (!XJoint()) {
    Reaction(in_.theta1);
  } else {
    const TyxBraceGeometry lower = BraceGeometry(f_, in_.h2, in_.theta2, true);
    BraceOutline(lower);
    if (in_.tyx_face_plate == 1) LowerFacePlateRect(lower);
    BraceDetails(lower, in_.N2, in_.h2, in_.b2, in_.t2);
  }
}

}  // namespace

void DrawTyxSketch(DrawingSurface& surface, const ReportInputs& in, const TyxSchematicFrame& frame) {
  TyxSketch sketch(surface, in, frame);
  // Without a chord the scale is zero: there is nothing to draw. The report leaves its area
  // untouched then; a preview still shows its empty picture.
  if (!sketch.Drawable()) {
    if (frame.use == SketchUse::Preview) sketch.Background();
    return;
  }
  sketch.Background();
  if (frame.use == SketchUse::Preview)
    sketch.DrawPreview();
  else
    sketch.DrawReport();
}

void DrawTyxPreview(DrawingSurface& surface, const ReportInputs& values, int width, int height,
                    ReportLanguage language) {
  ReportInputs mirrored = values;
  MirrorTyxLowerBrace(mirrored, TyxMirror::kWholeBrace);
  TyxSchematicFrame frame = PreviewSchematicFrame(values.h0, width, height);
  frame.language = language;
  DrawTyxSketch(surface, mirrored, frame);
}

void DrawTyxSchematic(ReportCanvas& canvas, const ReportInputs& in) {
  // Without a chord the scale is zero: there is nothing to draw.
  if (!(std::isfinite(in.h0) && in.h0 > 0)) return;
  // Drawn aside first, then fitted into the room the report leaves above its first line.
  RecordingSurface sketch;
  TyxSchematicFrame frame = ReportSchematicFrame(in.h0);
  frame.language = canvas.language;
  DrawTyxSketch(sketch, in, frame);
  const int room = in.tyx_x_joint == 1 ? kTyxXJointSketchRoom : kTyxSketchRoom;
  ReplayOps(PlaceSketch(sketch.ops(), ReportSketchArea(room + canvas.line_step), ReportTextWidth),
            canvas.surface);
  canvas.surface.setPen({PenStyle::Solid, 0, kBlack});
  canvas.surface.setFont({"Times New Roman", 19, 400});
}

}  // namespace traxen

// Fitting a recorded sketch into its area: an optional uniform scale-down, clipping, and
// moving labels to a nearby free place.
#include "report/sketch_placement.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "report/coord.h"

namespace traxen {

namespace {

using Kind = DrawOp::Kind;

struct DPoint {
  double x = 0, y = 0;
};

struct DrawState {
  Pen pen;
  Color brush = kWhite;
  Font font;
};

// Parameters [t0, t1] of the part of a → b inside the closed box, if any (Liang–Barsky).
std::optional<std::pair<double, double>> ClipParams(DPoint a, DPoint b, double x0, double y0,
                                                    double x1, double y1) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - x0, x1 - a.x, a.y - y0, y1 - a.y};
  double t0 = 0, t1 = 1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0) {
      if (r > t1) return std::nullopt;
      t0 = std::max(t0, r);
    } else {
      if (r < t0) return std::nullopt;
      t1 = std::min(t1, r);
    }
  }
  return std::pair{t0, t1};
}

DPoint Along(DPoint a, DPoint b, double t) { return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)}; }
DPoint D(Point p) { return {double(p.x), double(p.y)}; }
Point Round(DPoint p) { return {RoundCoord(p.x), RoundCoord(p.y)}; }

bool BoxesOverlap(const TextBox& a, const TextBox& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool Drawn(Kind k) { return k == Kind::Line || k == Kind::Polyline || k == Kind::Rect || k == Kind::Text; }

// Every point an operation draws through.
std::vector<Point*> PointsOf(DrawOp& o) {
  std::vector<Point*> pts;
  switch (o.kind) {
    case Kind::Line:
    case Kind::Rect: pts = {&o.a, &o.b}; break;
    case Kind::Polyline:
      for (Point& p : o.points) pts.push_back(&p);
      break;
    default: break;
  }
  return pts;
}

struct Segment {
  Point a, b;
};

class SketchLayout {
 public:
  SketchLayout(std::vector<DrawOp> ops, const SketchArea& area, const TextMeasure& measure)
      : ops_(std::move(ops)), area_(area), measure_(measure) {
    DrawState cur;
    states_.reserve(ops_.size());
    for (const DrawOp& o : ops_) {
      if (o.kind == Kind::SetPen) cur.pen = o.pen;
      if (o.kind == Kind::SetBrush) cur.brush = o.color;
      if (o.kind == Kind::SetFont) cur.font = o.font;
      states_.push_back(cur);
    }
  }

  std::vector<DrawOp> Place() {
    if (!Fits()) ScaleIntoArea();
    ClipToArea();
    // A leader carried along with its label may cross a label placed before it; further
    // rounds move such a label again, once the leaders have their final course.
    for (int round = 0; round < 3; ++round) MoveLabels();
    return std::move(ops_);
  }

 private:
  // A white-pen rectangle only clears the background under the sketch.
  bool Background(size_t i) const { return ops_[i].kind == Kind::Rect && states_[i].pen.color == kWhite; }
  bool Visible(size_t i) const { return Drawn(ops_[i].kind) && !Background(i); }

  TextBox BoxOf(size_t i) const {
    const DrawOp& o = ops_[i];
    return {o.a.x, o.a.y, measure_(states_[i].font, o.text), states_[i].font.height};
  }

  bool Inside(double x, double y) const {
    return x >= area_.from.x && x <= area_.to.x && y >= area_.from.y && y <= area_.to.y;
  }
  bool Inside(const TextBox& b) const { return Inside(b.x, b.y) && Inside(b.x + b.width, b.y + b.height); }

  // Points farther than one area size beyond the area come from degenerate input (a brace at
  // 0° has its footprint at infinity); they are clipped, never scaled into view.
  bool Reasonable(Point p) const {
    const int w = area_.to.x - area_.from.x, h = area_.to.y - area_.from.y;
    return p.x >= area_.from.x - w && p.x <= area_.to.x + w && p.y >= area_.from.y - h &&
           p.y <= area_.to.y + h;
  }

  bool Fits() {
    for (size_t i = 0; i < ops_.size(); ++i) {
      if (!Visible(i)) continue;
      if (ops_[i].kind == Kind::Text) {
        if (!Inside(BoxOf(i))) return false;
        continue;
      }
      for (Point* p : PointsOf(ops_[i]))
        if (!Inside(p->x, p->y)) return false;
    }
    return true;
  }

  // Scales the sketch about the centre of its reasonable extent so that it lands in the
  // middle of the area as large as it can: lines shrink, texts keep their size.
  void ScaleIntoArea() {
    double x0 = std::numeric_limits<double>::max(), y0 = x0, x1 = -x0, y1 = -x0;
    auto extend = [&](double x, double y) {
      x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
    };
    for (size_t i = 0; i < ops_.size(); ++i) {
      if (!Visible(i)) continue;
      if (ops_[i].kind == Kind::Text) {
        const TextBox b = BoxOf(i);
        if (!Reasonable(ops_[i].a)) continue;
        extend(b.x, b.y), extend(b.x + b.width, b.y + b.height);
        continue;
      }
      for (Point* p : PointsOf(ops_[i]))
        if (Reasonable(*p)) extend(p->x, p->y);
    }
    if (x0 > x1) return;
    const DPoint c{(x0 + x1) / 2, (y0 + y1) / 2};
    const DPoint o{(area_.from.x + area_.to.x) / 2.0, (area_.from.y + area_.to.y) / 2.0};

    // The largest k ≤ 1 that keeps every reasonable point and text box inside the area.
    double k = 1;
    auto limit = [&](double d, double room_low, double room_high) {
      if (d > 0 && room_high >= 0) k = std::min(k, room_high / d);
      if (d < 0 && room_low <= 0) k = std::min(k, room_low / d);
    };
    for (size_t i = 0; i < ops_.size(); ++i) {
      if (!Visible(i)) continue;
      if (ops_[i].kind == Kind::Text) {
        if (!Reasonable(ops_[i].a)) continue;
        const TextBox b = BoxOf(i);
        const double hw = b.width / 2.0, hh = b.height / 2.0;
        limit(b.x + hw - c.x, area_.from.x + hw - o.x, area_.to.x - hw - o.x);
        limit(b.y + hh - c.y, area_.from.y + hh - o.y, area_.to.y - hh - o.y);
        continue;
      }
      for (Point* p : PointsOf(ops_[i])) {
        if (!Reasonable(*p)) continue;
        limit(p->x - c.x, area_.from.x - o.x, area_.to.x - o.x);
        limit(p->y - c.y, area_.from.y - o.y, area_.to.y - o.y);
      }
    }
    k = std::max(k, 0.05);
    auto map = [&](double x, double y) { return DPoint{o.x + k * (x - c.x), o.y + k * (y - c.y)}; };
    for (size_t i = 0; i < ops_.size(); ++i) {
      if (!Visible(i)) continue;
      DrawOp& op = ops_[i];
      if (op.kind == Kind::Text) {
        const TextBox b = BoxOf(i);
        const DPoint centre = map(b.x + b.width / 2.0, b.y + b.height / 2.0);
        op.a = Round({centre.x - b.width / 2.0, centre.y - b.height / 2.0});
        continue;
      }
      for (Point* p : PointsOf(op)) *p = Round(map(p->x, p->y));
    }
  }

  void ClipToArea() {
    const double x0 = area_.from.x, y0 = area_.from.y, x1 = area_.to.x, y1 = area_.to.y;
    std::vector<DrawOp> out;
    out.reserve(ops_.size());
    std::vector<DrawState> states;
    states.reserve(ops_.size());
    auto keep = [&](DrawOp o, size_t i) {
      out.push_back(std::move(o));
      states.push_back(states_[i]);
    };
    for (size_t i = 0; i < ops_.size(); ++i) {
      DrawOp& o = ops_[i];
      if (!Visible(i) || o.kind == Kind::Text) {
        keep(std::move(o), i);
        continue;
      }
      if (o.kind == Kind::Rect) {
        o.a = {std::clamp(o.a.x, area_.from.x, area_.to.x), std::clamp(o.a.y, area_.from.y, area_.to.y)};
        o.b = {std::clamp(o.b.x, area_.from.x, area_.to.x), std::clamp(o.b.y, area_.from.y, area_.to.y)};
        keep(std::move(o), i);
        continue;
      }
      if (o.kind == Kind::Line) {
        bool inside = Inside(o.a.x, o.a.y) && Inside(o.b.x, o.b.y);
        if (inside) {
          keep(std::move(o), i);
          continue;
        }
        const auto t = ClipParams(D(o.a), D(o.b), x0, y0, x1, y1);
        if (!t) continue;
        const DPoint a = D(o.a), b = D(o.b);
        o.a = Round(Along(a, b, t->first));
        o.b = Round(Along(a, b, t->second));
        keep(std::move(o), i);
        continue;
      }
      // A polyline splits into the runs that stay inside.
      bool all_inside = true;
      for (const Point& p : o.points) all_inside = all_inside && Inside(p.x, p.y);
      if (all_inside) {
        keep(std::move(o), i);
        continue;
      }
      std::vector<Point> run;
      auto flush = [&] {
        if (run.size() >= 2) {
          DrawOp piece;
          piece.kind = Kind::Polyline;
          piece.points = run;
          keep(std::move(piece), i);
        }
        run.clear();
      };
      for (size_t j = 1; j < o.points.size(); ++j) {
        const DPoint a = D(o.points[j - 1]), b = D(o.points[j]);
        const auto t = ClipParams(a, b, x0, y0, x1, y1);
        if (!t) {
          flush();
          continue;
        }
        const Point from = Round(Along(a, b, t->first)), to = Round(Along(a, b, t->second));
        if (run.empty() || !(run.back() == from)) {
          flush();
          run.push_back(from);
        }
        run.push_back(to);
        if (t->second < 1) flush();
      }
      flush();
    }
    ops_ = std::move(out);
    states_ = std::move(states);
  }

  // --- labels -------------------------------------------------------------------------

  // A leader: a thin solid line drawn right before or after its text, one end at the box.
  struct Leader {
    size_t op = 0;
    bool at_back = true;  // the end at the label is the last point
  };

  static double DistanceToBox(Point p, const TextBox& b) {
    const double dx = std::max({double(b.x - p.x), 0.0, double(p.x - (b.x + b.width))});
    const double dy = std::max({double(b.y - p.y), 0.0, double(p.y - (b.y + b.height))});
    return std::hypot(dx, dy);
  }

  std::optional<Leader> LeaderOf(size_t text) const {
    const TextBox box = BoxOf(text);
    auto check = [&](size_t i) -> std::optional<Leader> {
      const DrawOp& o = ops_[i];
      if (o.kind != Kind::Line && o.kind != Kind::Polyline) return std::nullopt;
      const Pen& pen = states_[i].pen;
      if (pen.style != PenStyle::Solid || pen.width != 0) return std::nullopt;
      const Point first = o.kind == Kind::Line ? o.a : o.points.front();
      const Point last = o.kind == Kind::Line ? o.b : o.points.back();
      if (DistanceToBox(last, box) <= 8) return Leader{i, true};
      if (DistanceToBox(first, box) <= 8) return Leader{i, false};
      return std::nullopt;
    };
    for (size_t i = text; i-- > 0;) {
      if (!Drawn(ops_[i].kind)) continue;
      if (auto l = check(i)) return l;
      break;
    }
    for (size_t i = text + 1; i < ops_.size(); ++i) {
      if (!Drawn(ops_[i].kind)) continue;
      if (auto l = check(i)) return l;
      break;
    }
    return std::nullopt;
  }

  std::vector<Point> LeaderPoints(const Leader& l) const {
    const DrawOp& o = ops_[l.op];
    std::vector<Point> pts = o.kind == Kind::Line ? std::vector<Point>{o.a, o.b} : o.points;
    if (!l.at_back) std::reverse(pts.begin(), pts.end());
    return pts;
  }

  void SetLeaderPoints(const Leader& l, std::vector<Point> pts) {
    if (pts.size() < 2) pts.push_back(pts.front());  // a leader wholly inside stays a point
    if (!l.at_back) std::reverse(pts.begin(), pts.end());
    DrawOp& o = ops_[l.op];
    if (o.kind == Kind::Line) {
      o.a = pts.front();
      o.b = pts.back();
    } else {
      o.points = std::move(pts);
    }
  }

  void Segments(size_t i, std::vector<Segment>& out) const {
    const DrawOp& o = ops_[i];
    if (o.kind == Kind::Line) out.push_back({o.a, o.b});
    if (o.kind == Kind::Polyline)
      for (size_t j = 1; j < o.points.size(); ++j) out.push_back({o.points[j - 1], o.points[j]});
    if (o.kind == Kind::Rect) {
      const Point c{o.a.x, o.b.y}, d{o.b.x, o.a.y};
      out.push_back({o.a, c}), out.push_back({c, o.b}), out.push_back({o.b, d}), out.push_back({d, o.a});
    }
  }

  // Moves each label that covers a line, a filled plate or another label to the nearest free
  // place (or the least crowded one), carrying its leader along, then cuts the leader at the
  // label's box.
  void MoveLabels() {
    std::vector<size_t> texts;
    for (size_t i = 0; i < ops_.size(); ++i)
      if (ops_[i].kind == Kind::Text && Visible(i)) texts.push_back(i);

    for (size_t t : texts) {
      const std::optional<Leader> leader = LeaderOf(t);
      // A label whose place lies outside the area (its member ran off) starts from the
      // nearest place inside.
      const TextBox drawn = BoxOf(t);
      const Point into = ClampShift(drawn);
      const TextBox box{drawn.x + into.x, drawn.y + into.y, drawn.width, drawn.height};
      constexpr int kReachX = 120, kReachY = 80;
      const TextBox reach{box.x - kReachX, box.y - kReachY, box.width + 2 * kReachX, box.height + 2 * kReachY};

      std::vector<Segment> lines;
      std::vector<TextBox> plates, labels;
      for (size_t i = 0; i < ops_.size(); ++i) {
        if (i == t || !Visible(i) || (leader && leader->op == i)) continue;
        if (ops_[i].kind == Kind::Text) {
          const TextBox other = BoxOf(i);
          if (BoxesOverlap(other, reach)) labels.push_back(other);
          continue;
        }
        if (ops_[i].kind == Kind::Rect && !(states_[i].brush == kWhite)) {
          const DrawOp& r = ops_[i];
          const TextBox plate{std::min(r.a.x, r.b.x), std::min(r.a.y, r.b.y), std::abs(r.b.x - r.a.x),
                              std::abs(r.b.y - r.a.y)};
          if (BoxesOverlap(plate, reach)) plates.push_back(plate);
        }
        std::vector<Segment> segs;
        Segments(i, segs);
        for (const Segment& s : segs)
          if (SegmentCrossesBox(s.a, s.b, reach, 0) || (Inside(reach, s.a) && Inside(reach, s.b)))
            lines.push_back(s);
      }

      // The point the leader starts from (on the member) must stay outside the label.
      std::optional<Point> anchor;
      if (leader) anchor = LeaderPoints(*leader).front();
      auto crowding = [&](const TextBox& b) {
        int n = 0;
        if (anchor && SegmentCrossesBox(*anchor, *anchor, b)) ++n;
        for (const Segment& s : lines) n += SegmentCrossesBox(s.a, s.b, b) ? 1 : 0;
        for (const TextBox& p : plates) n += BoxesOverlap(p, b) ? 1 : 0;
        for (const TextBox& l : labels) n += BoxesOverlap(l, b) ? 1 : 0;
        return n;
      };

      int best = crowding(box);
      Point best_shift = into;
      if (best > 0) {
        best = std::numeric_limits<int>::max();
        std::vector<Point> shifts;
        for (int dy = -kReachY; dy <= kReachY; dy += 3)
          for (int dx = -kReachX; dx <= kReachX; dx += 4) shifts.push_back({dx, dy});
        std::stable_sort(shifts.begin(), shifts.end(), [](Point a, Point b) {
          return a.x * a.x + 2 * a.y * a.y < b.x * b.x + 2 * b.y * b.y;
        });
        for (const Point& d : shifts) {
          const TextBox moved{box.x + d.x, box.y + d.y, box.width, box.height};
          if (!Inside(moved)) continue;
          const int n = crowding(moved);
          if (n < best) {
            best = n;
            best_shift = {into.x + d.x, into.y + d.y};
            if (n == 0) break;
          }
        }
      }
      ops_[t].a = {drawn.x + best_shift.x, drawn.y + best_shift.y};
      if (leader) FitLeader(*leader, best_shift, BoxOf(t));
    }
  }

  static bool Inside(const TextBox& b, Point p) {
    return p.x >= b.x && p.x <= b.x + b.width && p.y >= b.y && p.y <= b.y + b.height;
  }

  // The shift that brings a box wider or taller than the area as far into it as it goes.
  Point ClampShift(const TextBox& b) const {
    const int x = std::max(area_.from.x, std::min(b.x, area_.to.x - b.width));
    const int y = std::max(area_.from.y, std::min(b.y, area_.to.y - b.height));
    return {x - b.x, y - b.y};
  }

  // The leader's end follows the label (with its short horizontal stub), and the leader stops
  // where it reaches the label's box.
  void FitLeader(const Leader& l, Point shift, const TextBox& box) {
    std::vector<Point> pts = LeaderPoints(l);
    if (pts.size() < 2) return;
    if (shift.x != 0 || shift.y != 0) {
      const size_t n = pts.size();
      const Point end = pts[n - 1], before = pts[n - 2];
      const bool stub = n > 2 && std::abs(end.x - before.x) + std::abs(end.y - before.y) <= 12;
      pts[n - 1] = {end.x + shift.x, end.y + shift.y};
      if (stub) pts[n - 2] = {before.x + shift.x, before.y + shift.y};
    }
    for (size_t j = 1; j < pts.size(); ++j) {
      const auto t = ClipParams(D(pts[j - 1]), D(pts[j]), box.x, box.y, box.x + box.width, box.y + box.height);
      if (!t) continue;
      pts[j] = Round(Along(D(pts[j - 1]), D(pts[j]), t->first));
      pts.resize(pts[j] == pts[j - 1] ? j : j + 1);
      break;
    }
    SetLeaderPoints(l, std::move(pts));
  }

  std::vector<DrawOp> ops_;
  std::vector<DrawState> states_;
  SketchArea area_;
  const TextMeasure& measure_;
};

}  // namespace

bool SegmentCrossesBox(Point a, Point b, const TextBox& box, int inset) {
  const double x0 = box.x + inset, y0 = box.y + inset;
  const double x1 = box.x + box.width - inset, y1 = box.y + box.height - inset;
  if (x0 >= x1 || y0 >= y1) return false;
  const auto t = ClipParams(D(a), D(b), x0, y0, x1, y1);
  if (!t) return false;
  if (a == b) return D(a).x > x0 && D(a).x < x1 && D(a).y > y0 && D(a).y < y1;
  // Touching the boundary is not crossing.
  const DPoint p = Along(D(a), D(b), (t->first + t->second) / 2);
  return t->second > t->first && p.x > x0 && p.x < x1 && p.y > y0 && p.y < y1;
}

SketchArea ReportSketchArea(int first_line_offset) {
  // The frame runs from x = 80 to 850; the title's line ends at y = 157; text lines start
  // 150 units below the page top.
  return {{82, 160}, {848, 150 + first_line_offset - 3}};
}

std::vector<DrawOp> PlaceSketch(std::vector<DrawOp> ops, const SketchArea& area, const TextMeasure& measure) {
  return SketchLayout(std::move(ops), area, measure).Place();
}

void ReplayOps(const std::vector<DrawOp>& ops, DrawingSurface& t) {
  for (const DrawOp& o : ops) ApplyDrawOp(o, t);
}

}  // namespace traxen

// Plate requirements of a reinforced K/N joint, computed once.
#include "joints/kn_reinforced/kn_plate_requirements.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "base/angles.h"
#include "base/ieee_divide.h"
#include "report/check_numbers.h"

namespace traxen {

namespace {

PlateRequirementCheck Require(double actual, double required) {
  return {true, actual, required, PassesAtLeast(actual, required)};
}

}  // namespace

int KnPlateRequirements::FailedCount() const {
  int n = 0;
  for (const PlateRequirementCheck* c :
       {&face_length, &face_width, &face_thickness1, &face_thickness2, &side_length,
        &overlap_thickness1, &overlap_thickness2, &strength}) {
    if (c->checked && !c->passed) ++n;
  }
  return n;
}

KnPlateRequirements ComputeKnPlateRequirements(const ReportInputs& in) {
  KnPlateRequirements r;
  r.l_req = 1.5 * (Divide(in.h1, std::sin(ReportRadians(in.theta1))) + in.g +
                   Divide(in.h2, std::sin(ReportRadians(in.theta2))));
  r.b_req = in.b0 - 2 * in.t0;
  r.t_req1 = 2 * in.t1;
  r.t_req2 = 2 * in.t2;
  if (in.kn_face_plate == 1) {
    r.face_length = Require(in.face_l, r.l_req);
    r.face_width = Require(in.face_b, r.b_req);
    r.face_thickness1 = Require(in.face_t, r.t_req1);
    r.face_thickness2 = Require(in.face_t, r.t_req2);
  }
  if (in.kn_side_plates == 1) r.side_length = Require(in.side_l, r.l_req);
  if (in.kn_overlap_plate == 1) {
    r.overlap_thickness1 = Require(in.overlap_t, r.t_req1);
    r.overlap_thickness2 = Require(in.overlap_t, r.t_req2);
  }
  r.strength = Require(in.fy_plate, in.fy0);
  return r;
}

}  // namespace traxen

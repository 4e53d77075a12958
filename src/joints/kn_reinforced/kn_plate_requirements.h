// The plate section of a reinforced K/N report: the length, width and thickness each plate
// must have, checked against the plate's dimensions, and the plate steel against the chord's.
#pragma once

#include "model/report_inputs.h"

namespace traxen {

// One requirement: the plate's dimension (or strength) against what it must be at least.
struct PlateRequirementCheck {
  bool checked = false;  // false when the plate is absent: nothing printed, nothing failed
  double actual = 0;     // mm (MPa for the plate strength)
  double required = 0;   // mm (MPa)
  bool passed = true;    // actual >= required; a value that is not a number fails
};

struct KnPlateRequirements {
  // Formed whether or not a plate uses them.
  double l_req = 0;      // mm, 1.5 × (h1 / sin θ1 + g + h2 / sin θ2)
  double b_req = 0;      // mm, b0 − 2 × t0
  double t_req1 = 0;     // mm, 2 × t1
  double t_req2 = 0;     // mm, 2 × t2

  // Chord face plate (printed block A).
  PlateRequirementCheck face_length, face_width, face_thickness1, face_thickness2;
  // Chord side plates (block B): only their length is required.
  PlateRequirementCheck side_length;
  // Between-braces plate (block C): only its thickness is required.
  PlateRequirementCheck overlap_thickness1, overlap_thickness2;
  // Plate steel: f_ykt against the chord's f_yk0 (always checked).
  PlateRequirementCheck strength;

  // How many of the checks above failed.
  int FailedCount() const;
};

// The requirements of the plates whose flags are set; g is the report's gap (mm).
KnPlateRequirements ComputeKnPlateRequirements(const ReportInputs& in);

}  // namespace traxen

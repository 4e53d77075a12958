// The K/N joint schematic at the top of page 1.
#include "joints/kn/kn_geometry.h"
#include "joints/kn/kn_report.h"

namespace traxen {

void DrawKnSchematic(ReportCanvas&, ReportInputs& in) { StoreKnGeometry(in); }

}  // namespace traxen

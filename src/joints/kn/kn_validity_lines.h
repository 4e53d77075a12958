// The printed K/N validity section and the stop line that ends a report whose conditions
// do not all hold.
#pragma once

#include "joints/kn/kn_validity.h"
#include "report/report_canvas.h"

namespace traxen {

// Prints the section from its heading "SÕLME KANDEVÕIME ARVUTUSE EELDUSED:" to the last
// joint row; every failed condition sets canvas.failed. No closing message.
void PrintKnValidity(ReportCanvas& canvas, const KnValidity& v);

// The red closing line "EI SAA ARVUTADA, KUNA EELDUSED POLE TÄIDETUD!!!" on a new line.
void PrintKnStopLine(ReportCanvas& canvas);

}  // namespace traxen

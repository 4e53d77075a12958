// The families of round braces on a rectangular chord, their side of the registry (their
// joints are in joints/rc).
#pragma once

#include "families/joint_family.h"

namespace traxen {

CheckSummary CheckRcTyxFamily(const FamilyJob& job, ReportLanguage language);
CheckSummary RenderRcTyxFamily(ReportCanvas& canvas, const FamilyJob& job, bool sketch);
CheckSummary CheckRcKnFamily(const FamilyJob& job, ReportLanguage language);
CheckSummary RenderRcKnFamily(ReportCanvas& canvas, const FamilyJob& job, bool sketch);

// Brace 1, and for an X joint the lower brace (brace 1 mirrored, steel and all); brace 1 and
// brace 2 of a K/N joint.
std::vector<BraceWeld> RcTyxBraceWelds(const Job& job);
std::vector<BraceWeld> RcKnBraceWelds(const Job& job);

}  // namespace traxen

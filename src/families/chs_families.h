// The circular hollow section families' side of the registry (their joints are in joints/chs).
#pragma once

#include "families/joint_family.h"

namespace traxen {

CheckSummary CheckChsTyxFamily(const FamilyJob& job, ReportLanguage language);
CheckSummary RenderChsTyxFamily(ReportCanvas& canvas, const FamilyJob& job, bool sketch);
CheckSummary CheckChsKnFamily(const FamilyJob& job, ReportLanguage language);
CheckSummary RenderChsKnFamily(ReportCanvas& canvas, const FamilyJob& job, bool sketch);

// Brace 1, and for an X joint the lower brace; brace 1 and brace 2 of a K/N joint.
std::vector<BraceWeld> ChsTyxBraceWelds(const Job& job);
std::vector<BraceWeld> ChsKnBraceWelds(const Job& job);

}  // namespace traxen

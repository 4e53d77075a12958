// The square and rectangular hollow section families' side of the registry: each turns the
// job into its working values and hands over to its folder under joints/.
#pragma once

#include "families/joint_family.h"

namespace traxen {

// The copy rules from the Job record into the working values, one per family.
void CopyTyxInputs(const Job& job, ReportInputs& in);
void CopyKnInputs(const Job& job, ReportInputs& in);

// Family titles exactly as printed, blanks kept ("" when none applies).
std::string TyxTitle(const ReportInputs& in, ReportLanguage language = ReportLanguage::kEstonian);
std::string KnTitle(const ReportInputs& in, ReportLanguage language = ReportLanguage::kEstonian);

CheckSummary CheckTyxFamily(const FamilyJob& job, ReportLanguage language);
CheckSummary RenderTyxFamily(ReportCanvas& canvas, const FamilyJob& job, bool sketch);
CheckSummary CheckKnFamily(const FamilyJob& job, ReportLanguage language);
CheckSummary RenderKnFamily(ReportCanvas& canvas, const FamilyJob& job, bool sketch);

// Brace 1 alone for a T or Y joint, brace 1 and the lower brace for an X joint; brace 1 and
// brace 2 for a K/N joint.
std::vector<BraceWeld> TyxBraceWelds(const Job& job);
std::vector<BraceWeld> KnBraceWelds(const Job& job);

}  // namespace traxen

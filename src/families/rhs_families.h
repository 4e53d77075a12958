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

}  // namespace traxen

// What a job of circular hollow sections means beyond its keys: the values confirming it
// derives (brace 2's force and the chord force right of a K/N joint from equilibrium, the
// chord's A0 and Wel0 from its ring when left out).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/job.h"
#include "model/json_job.h"
#include "model/json_job_keys.h"
#include "model/messages.h"

namespace traxen {

// The flag and the group of each family, in the field list's order (see JobFamilyInfo::keys).
std::span<const JobKey> ChsTyxKeys();
std::span<const JobKey> ChsKnKeys();

// N2 = −N1 sin θ1 / sin θ2 and N0_right = N0_left + N1 cos θ1 − N2 cos θ2 (angles with π).
void DeriveChsKnForces(ChsKnJoint& k);

// What the joint dialogs' OK does: the derivations, the chord's A0 and Wel0 from its ring,
// the family flag set and every other family flag cleared.
void ConfirmChsTyx(Job& job);
void ConfirmChsKn(Job& job);

// A JSON job of a CHS family: the K/N forces derived, a given value that differs replaced
// with a warning (as for the rectangular joints); chord.A0 and chord.Wel0, when left out,
// from the chord's ring. Nothing for a job of another family.
void ConfirmChsJsonJob(Job& job, const JsonFieldSet& present, std::vector<std::string>* warnings,
                       std::vector<Message>* messages);

}  // namespace traxen

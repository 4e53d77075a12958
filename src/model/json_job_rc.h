// What a job of round braces on a rectangular chord means beyond its keys: the family's keys,
// members and example jobs, and the values confirming it derives (brace 2's force and the
// chord force right of a K/N joint from equilibrium as for the rectangular K/N joints, the
// chord's A0 and Wel0 from its h0 × b0 × t0 as a cold-formed hollow section when left out).
#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/job.h"
#include "model/json_job.h"
#include "model/json_job_keys.h"
#include "model/messages.h"

namespace traxen {

struct MemberSize;

// The flag and the group of each family, in the field list's order (see JobFamilyInfo::keys).
std::span<const JobKey> RcTyxKeys();
std::span<const JobKey> RcKnKeys();

// The chord (a rectangle) first, then the braces (tubes: h and b both the diameter).
std::vector<MemberSize> RcTyxMembers(const Job& job);
std::vector<MemberSize> RcKnMembers(const Job& job);

// The chord's area (mm²) and elastic section modulus (mm³) from h0 × b0 × t0 as a cold-formed
// hollow section, as the library's row of that size holds them.
double RcChordArea(double h0, double b0, double t0);
double RcChordModulus(double h0, double b0, double t0);

// Sound example jobs: an SHS 200 × 200 × 8 chord with CHS 114.3 × 5 braces.
Job RcTyxExample(bool x_joint);
Job RcKnExample(bool);

// N2 = −N1 sin θ1 / sin θ2 and N0_right = N0_left + N1 cos θ1 − N2 cos θ2, converted to
// radians as the rectangular K/N joint's confirmation does.
void DeriveRcKnForces(RcKnJoint& k);

// What the joint dialogs' OK does: the derivations, the chord's A0 and Wel0 from its
// section, the family flag set and every other family flag cleared.
void ConfirmRcTyx(Job& job);
void ConfirmRcKn(Job& job);

// A JSON job of either family: the K/N forces derived, a given value that differs replaced
// with a warning; chord.A0 and chord.Wel0, when left out, from the chord's section.
void ConfirmRcJsonJob(Job& job, const JsonFieldSet& present, std::vector<std::string>* warnings,
                      std::vector<Message>* messages);

}  // namespace traxen

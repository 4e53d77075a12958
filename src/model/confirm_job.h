// What confirming a joint dialog with OK does to the Job record, without a window: the
// T/Y/X dialog mirrors brace 2 from brace 1, the K/N dialog derives the brace 2 force and
// the chord force at the right end from equilibrium; both set the family flags.
#pragma once

#include "base/angles.h"
#include "model/job.h"
#include "model/json_job.h"
#include "model/messages.h"

#include <string>
#include <vector>

namespace traxen {

void MirrorTyxBrace2(TyxJoint& tyx);
void DeriveKnForces(KnJoint& kn);

void ConfirmTyx(Job& job);  // mirror brace 2, is_tyx = 1, is_kn = 0
void ConfirmKn(Job& job);   // derive N2 and N0_right, is_tyx = 0, is_kn = 1

// A JSON job: the family's derivations; every section class the file left out classified
// from that member's dimensions as a hollow section; chord.A0 and chord.Wel0, when left out,
// from the chord's h0 × b0 × t0 as a cold-formed hollow section (as its library row holds
// them). A derived field the file gave with another value (kn.N2, kn.N0_right, the T/Y/X
// lower-brace copies) is replaced; `warnings`, when given, gets one line per such field
// naming the key, the given and the derived value; `messages` the same lines as data.
// A derived value that replaced one the file gave (`key` in `present`): one warning line and
// message, unless the two differ only in the last digits a written job keeps.
void WarnIfReplaced(const JsonFieldSet& present, const char* key, double given, double derived,
                    std::vector<std::string>* warnings, std::vector<Message>* messages);

// The same for one family's JSON job.
void ConfirmTyxJson(Job& job, const JsonFieldSet& present, std::vector<std::string>* warnings,
                    std::vector<Message>* messages);
void ConfirmKnJson(Job& job, const JsonFieldSet& present, std::vector<std::string>* warnings,
                   std::vector<Message>* messages);

void ConfirmJsonJob(Job& job, const JsonFieldSet& present, std::vector<std::string>* warnings = nullptr,
                    std::vector<Message>* messages = nullptr);

}  // namespace traxen

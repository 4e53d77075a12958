// The fields of the groups of round braces on a rectangular chord by key, in the record's
// order. The Job record's field list, the JSON reader and writer and the joint dialogs share
// them. Like the circular joints' groups they have no project-file slots and no working
// values: such a job is kept as JSON only and its check reads the group itself.
#pragma once

#include <string_view>

#include "model/job.h"

namespace traxen {

// Calls visit(key, field*) for every field of the group.
template <class Visit>
void ForEachRcTyxField(RcTyxJoint& x, Visit&& visit) {
  visit(std::string_view("h0"), &x.h0);
  visit(std::string_view("b0"), &x.b0);
  visit(std::string_view("t0"), &x.t0);
  visit(std::string_view("d1"), &x.d1);
  visit(std::string_view("t1"), &x.t1);
  visit(std::string_view("theta1"), &x.theta1);
  visit(std::string_view("N0"), &x.N0);
  visit(std::string_view("M0"), &x.M0);
  visit(std::string_view("N1"), &x.N1);
  visit(std::string_view("x_joint"), &x.x_joint);
}

template <class Visit>
void ForEachRcKnField(RcKnJoint& k, Visit&& visit) {
  visit(std::string_view("h0"), &k.h0);
  visit(std::string_view("b0"), &k.b0);
  visit(std::string_view("t0"), &k.t0);
  visit(std::string_view("d1"), &k.d1);
  visit(std::string_view("t1"), &k.t1);
  visit(std::string_view("d2"), &k.d2);
  visit(std::string_view("t2"), &k.t2);
  visit(std::string_view("theta1"), &k.theta1);
  visit(std::string_view("theta2"), &k.theta2);
  visit(std::string_view("N0_left"), &k.N0_left);
  visit(std::string_view("N0_right"), &k.N0_right);
  visit(std::string_view("M0"), &k.M0);
  visit(std::string_view("N1"), &k.N1);
  visit(std::string_view("N2"), &k.N2);
  visit(std::string_view("e"), &k.e);
}

}  // namespace traxen

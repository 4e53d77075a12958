// Completion of a chosen row: the values a type file leaves out are derived from the others.
#pragma once

#include "sections/section_properties.h"

namespace traxen {

// Square hollow sections mirror their y properties to z; hollow sections get tf = t and the
// corner radius from t; channels get r = tf; round tubes get tf = t, b = the diameter, r = 0
// and A, I, W from the diameter and wall (each rounded up in the table's last digit).
// I-section rows keep their file values.
void CompleteSectionRow(SectionKind kind, SectionProperties& row);

}  // namespace traxen

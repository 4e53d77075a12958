// Cross-section class of a section from the slenderness (c/t ratios) of its walls.
#pragma once

#include "sections/section_properties.h"

namespace traxen {

// Corner radius of a square or rectangular hollow section from its wall thickness (mm).
double HollowCornerRadius(double t);

// Class 1 to 4 from depth h, width b, flange/wall thickness tf and corner radius r (mm)
// and the classifying steel strength fy (MPa). A ratio that is not finite gives class 4.
int SectionClass(double h, double b, double tf, double r, double fy);

// Class of a hollow section from h, b, t alone (tf = t, radius from t).
int HollowSectionClass(double h, double b, double t, double fy = 355.0);

// Class of a completed library row. Round tubes, whose rows carry no corner radius, are
// classified by their diameter-to-thickness ratio d/t against 50 ε², 70 ε² and 90 ε² (the
// Eurocode limits for tubes in compression); every other kind by SectionClass with its
// h, b, tf and r.
int LibrarySectionClass(SectionKind kind, const SectionProperties& row, double fy);

}  // namespace traxen

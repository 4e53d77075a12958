// The sketches of round braces on a rectangular chord: the chord in elevation (its depth h0
// with its centre line and h0 × b0 × t0 label), the round braces at their angles with their
// d × t labels, forces, angles and, for K/N joints, the eccentricity and the gap or overlap.
// Drawn in the sketch's own units, then fitted into the report's room above its first line
// or into a dialog's picture area.
#pragma once

#include "model/job.h"
#include "report/report_language.h"
#include "report/surface.h"

namespace traxen {

// Draws the sketch at its own scale (a chord 60 units deep, the joint point at (0, 0)).
void DrawRcTyxSketch(DrawingSurface& s, const RcTyxJoint& joint, ReportLanguage language);
void DrawRcKnSketch(DrawingSurface& s, const RcKnJoint& joint, ReportLanguage language);

// The dialogs' previews: the sketch fitted into a picture area of width × height units, its
// origin at the top-left corner, labelled in `language`, the dialog's.
void DrawRcTyxPreview(DrawingSurface& s, const RcTyxJoint& joint, int width, int height,
                      ReportLanguage language = ReportLanguage::kEstonian);
void DrawRcKnPreview(DrawingSurface& s, const RcKnJoint& joint, int width, int height,
                     ReportLanguage language = ReportLanguage::kEstonian);

}  // namespace traxen

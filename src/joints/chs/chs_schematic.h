// The circular hollow section joint sketches: the chord as a tube in elevation with its
// centre line, the braces at their angles, d × t labels, forces, angles and, for K/N joints,
// the eccentricity and the gap or overlap. Drawn in the sketch's own units, then fitted into
// the report's room above its first line or into a dialog's picture area.
#pragma once

#include "model/job.h"
#include "report/report_language.h"
#include "report/surface.h"

namespace traxen {

// Draws the sketch at its own scale (a chord 60 units deep, the joint point at (0, 0)).
void DrawChsTyxSketch(DrawingSurface& s, const ChsTyxJoint& joint, ReportLanguage language);
// The K/N sketch takes the steel too: it decides which of two equal braces overlaps.
void DrawChsKnSketch(DrawingSurface& s, const ChsKnJoint& joint, const JobSteel& steel, ReportLanguage language);

// The dialogs' previews: the sketch fitted into a picture area of width × height units, its
// origin at the top-left corner, labelled in `language`, the dialog's.
void DrawChsTyxPreview(DrawingSurface& s, const ChsTyxJoint& joint, int width, int height,
                       ReportLanguage language = ReportLanguage::kEstonian);
void DrawChsKnPreview(DrawingSurface& s, const ChsKnJoint& joint, const JobSteel& steel, int width, int height,
                      ReportLanguage language = ReportLanguage::kEstonian);

}  // namespace traxen

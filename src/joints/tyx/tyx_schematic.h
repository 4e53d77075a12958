// The T/Y/X joint sketch: one construction drawn into a frame, at the top of report page 1
// or as the joint dialog's preview. Inputs are read, never written.
// Units of the inputs: mm, kN, degrees; drawing units as the surface's.
#pragma once

#include "joints/tyx/tyx_schematic_geometry.h"
#include "model/report_inputs.h"
#include "report/surface.h"

namespace traxen {

// Room the report leaves above its first line for the sketch: the line offset it starts from.
inline constexpr int kTyxSketchRoom = 400;
inline constexpr int kTyxXJointSketchRoom = 550;  // the lower brace needs more

// Draws the joint into `frame`: chord, brace (and the lower brace of an X joint), forces,
// section labels, depths, the brace angle and the plates. Draws nothing but the cleared
// area without a positive chord depth (the scale would be zero).
void DrawTyxSketch(DrawingSurface& surface, const ReportInputs& in, const TyxSchematicFrame& frame);

// The dialog's preview of `values` in a picture area of width × height units, origin at its
// top-left corner. The preview shows one brace force, depth and angle: the right chord force
// and the lower brace are drawn with the left chord force and the brace's values. Its labels
// speak `language`, the dialog's.
void DrawTyxPreview(DrawingSurface& surface, const ReportInputs& values, int width, int height,
                    ReportLanguage language = ReportLanguage::kEstonian);

}  // namespace traxen

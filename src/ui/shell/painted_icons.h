// The toolbar's pictures and the few the style is asked for while the main window is built,
// painted rather than read from image files.
//
// Reading the style's icon files makes Qt guess their format, which loads every image-format
// plug-in before the first window appears; a few painted strokes cost nothing and stay crisp
// at any size and pixel ratio.
#pragma once

#include <QIcon>

namespace traxen {

enum class PaintedPicture {
  kNewPage,
  kOpenFolder,
  kSaveDisk,
  kPrinter,
  kQuestion,
  kMoreRight,  // a toolbar's button for the entries that do not fit
  kMoreDown,
  kMaximize,   // a document window's title-bar entries
  kMinimize,
  kRestore,
  kClose,
};

QIcon PaintedIcon(PaintedPicture picture);

}  // namespace traxen

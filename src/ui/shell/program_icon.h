// The program's icon (a K joint in the report's colours) for the main window, the document
// windows and the About box.
#pragma once

#include <QIcon>

namespace traxen {

// A null icon when the program was built without its icon resources.
QIcon ProgramIcon();

}  // namespace traxen

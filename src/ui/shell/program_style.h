// The program's style: Qt's Fusion, with the pictures the main window asks for while it is
// built painted by the program (see painted_icons.h).
#pragma once

namespace traxen {

// Makes the program's style the application's style, once; later calls do nothing. Called
// before the first widget is built, so no widget starts with another style's pictures.
void InstallProgramStyle();

}  // namespace traxen

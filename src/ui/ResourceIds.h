#pragma once
// Resource identifiers, shared by the code and the resource script.
#define LUMARO_ICON_PROGRAM 1
#define LUMARO_ICON_TRAY 2
#define LUMARO_VERSION_TEXT "4.00"
#define LUMARO_VERSION_NUMBERS 4, 0, 0, 0

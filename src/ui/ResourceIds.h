#pragma once
// Resource identifiers and the product's texts, shared by the code (the about
// box) and the resource script (the version resource), so that both say the
// same. UTF-8, like every caption of the program.
#define LUMARO_ICON_PROGRAM 1
#define LUMARO_ICON_TRAY 2
#define LUMARO_PRODUCT_NAME "Lumaro"
#define LUMARO_VERSION_TEXT "4.00"
#define LUMARO_VERSION_NUMBERS 4, 0, 0, 0
#define LUMARO_DESCRIPTION "Windowsキーのホットキー ユーティリティ"
#define LUMARO_RELEASE_DATE "2004/06/08"

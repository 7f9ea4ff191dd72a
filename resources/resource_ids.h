// Names of the program's resources, as C++ wide strings. app.rc defines
// them under the same bare names; the resource tests load each one by these.
#ifndef CONVERTER_RESOURCE_IDS_H
#define CONVERTER_RESOURCE_IDS_H

#define RES_MAINICON L"MAINICON"
#define RES_GLYPH_CHOOSE_FILE L"GLYPH_CHOOSE_FILE"
#define RES_GLYPH_OPEN_FOLDER L"GLYPH_OPEN_FOLDER"
#define RES_GLYPH_CONVERT L"GLYPH_CONVERT"
#define RES_MENU_ABOUT L"MENU_ABOUT"
#define RES_ABOUT_BACKGROUND L"ABOUT_BACKGROUND"
#define RES_ABOUT_LOGO L"ABOUT_LOGO"  // RT_RCDATA: a baseline JPEG

#endif

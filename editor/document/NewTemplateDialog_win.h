// The New template dialog ("GUI:MENUNEW"): family, grid size, theater and terrain of a new template.
#pragma once
#include <windows.h>

namespace zelt {

// Modal. OK replaces the document (after the close question) by a new template of empty tiles and
// remembers the choices in section "NewDialog"; Cancel changes nothing.
void NewTemplateDialog(HWND owner);

}  // namespace zelt

// Turns a template file into the two icons the shell asked for.
#pragma once
#include <windows.h>

namespace zelt::icon {

inline constexpr int kFallbackIconId = 101;

// Sets both out-pointers (those not null) to new icons the caller owns: the template drawn from
// the file, or the library's own icon when the file, its palette or anything else fails. The
// sizes only choose the fallback's images; a drawn icon is as large as its template. The file is
// opened by its UTF-16 name, so names outside the ANSI code page are drawn too.
void RenderIcon(const wchar_t* fileName, HICON* large, HICON* small, UINT largeSize, UINT smallSize) noexcept;

}  // namespace zelt::icon

// The options dialog's portable rules: the recent-files limit typed by the user and the toolbar style
// kept in the two settings Text and RightText.
#pragma once
#include <string_view>

#include "editor/settings/Settings.h"

namespace zelt {

// The number typed, at most 20; 4 when the text is empty or not an unsigned number.
int RecentLimitFromText(std::string_view text);

enum class ToolbarTextStyle { kWithoutText, kRightText, kBottomText };

ToolbarTextStyle ToolbarStyleOf(const EditorSettings& settings);
void SetToolbarStyle(EditorSettings& settings, ToolbarTextStyle style);

}  // namespace zelt

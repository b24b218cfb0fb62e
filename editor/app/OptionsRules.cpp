#include "editor/app/OptionsRules.h"

#include <cstdint>

namespace zelt {

namespace {

constexpr int kRecentLimitWhenUnreadable = 4;

}  // namespace

int RecentLimitFromText(std::string_view text) {
    if (text.empty()) return kRecentLimitWhenUnreadable;
    uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return kRecentLimitWhenUnreadable;
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > UINT32_MAX) return kRecentLimitWhenUnreadable;  // does not fit an unsigned number
    }
    return value > kMaxRecentLimit ? kMaxRecentLimit : static_cast<int>(value);
}

ToolbarTextStyle ToolbarStyleOf(const EditorSettings& settings) {
    if (!settings.toolbarText) return ToolbarTextStyle::kWithoutText;
    return settings.toolbarRightText ? ToolbarTextStyle::kRightText : ToolbarTextStyle::kBottomText;
}

void SetToolbarStyle(EditorSettings& settings, ToolbarTextStyle style) {
    settings.toolbarText = style != ToolbarTextStyle::kWithoutText;
    settings.toolbarRightText = style == ToolbarTextStyle::kRightText;
}

}  // namespace zelt

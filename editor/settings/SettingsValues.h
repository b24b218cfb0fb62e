// The typed read and write helpers of the settings file and the encodings of its values:
// flags "yes"/"no", integers "%d", colours "r,g,b", rectangles "l, t, r, b", texts up to 259
// characters. Each reader takes the variable whose current value is the default and leaves it
// unchanged when the key is missing or its text does not parse.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelt {

// A colour as the platform keeps it: 0x00BBGGRR, red in the low byte.
using ColourRef = uint32_t;
inline constexpr ColourRef MakeColour(int r, int g, int b) {
    return static_cast<ColourRef>(r & 0xFF) | static_cast<ColourRef>(g & 0xFF) << 8 |
           static_cast<ColourRef>(b & 0xFF) << 16;
}

struct WindowRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const WindowRect&) const = default;
};

inline constexpr size_t kMaxSettingText = 259;
inline constexpr size_t kMaxSettingNumber = 255;  // a 256-character read buffer

// The settings file every helper reads and writes; set once at start-up.
extern std::string g_settingsPath;

// Value encodings, usable without a file.
std::string FlagText(bool on);
bool ParseFlag(std::string_view text);  // "yes" in any case
std::string IntText(int value);
std::optional<int> ParseInt(std::string_view text);  // leading blanks, sign, digits; rest ignored
std::string ColourText(ColourRef colour);
std::optional<ColourRef> ParseColour(std::string_view text);  // each component keeps its low 8 bits
std::string RectText(const WindowRect& rect);
// Decimal, 0x hexadecimal or 0 octal numbers, separated by commas with optional blanks.
std::optional<WindowRect> ParseRect(std::string_view text);

void ReadText(const char* section, const char* key, std::string& value);
void ReadInt(const char* section, const char* key, int& value);
void ReadFlag(const char* section, const char* key, bool& value);
void ReadColour(const char* section, const char* key, ColourRef& value);
// A missing key, the text "Not exist" or text that does not parse give nothing.
std::optional<WindowRect> ReadRect(const char* section, const char* key);

void WriteText(const char* section, const char* key, const std::string& value);
void WriteInt(const char* section, const char* key, int value);
void WriteFlag(const char* section, const char* key, bool value);
void WriteColour(const char* section, const char* key, ColourRef value);
void WriteRect(const char* section, const char* key, const WindowRect& value);

}  // namespace zelt

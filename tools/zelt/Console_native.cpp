// A terminal takes the bytes as they are: there is no code page to set.
#include "tools/zelt/Console.h"

namespace zelt::cli {

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

}  // namespace zelt::cli

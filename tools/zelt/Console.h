// While zelt runs, a console it writes to shows UTF-8, the text zelt writes (paths of any characters);
// the console's own code page comes back when zelt ends, by Ctrl+C too. Output to a file or a pipe is
// the bytes as written either way.
#pragma once

namespace zelt::cli {

class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;
};

}  // namespace zelt::cli

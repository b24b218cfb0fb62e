// Stands in for the platform's paint program in the tests: started with one argument, the picture's
// full name, it paints the picture's centre pixel 0x123456 and saves it in place. Exit status 2 when
// it was not given exactly one argument (a name with blanks cut into pieces), 1 when the picture
// could not be read or written. The variable ZELT_PAINT_STANDIN changes what it does: "leave" ends
// at once without touching the picture (as a paint program that hands the file to one already
// running), "wait:N" waits N milliseconds first.
#include <windows.h>

#include <shellapi.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "editor/interchange/PictureFile.h"
#include "editor/template/WideText_win.h"

// The picture's name from the UTF-16 command line, as a paint program of the system takes it: the
// name is whole whatever the code page.
int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc != 2) return 2;
    const std::string file = zelt::TextFromWide(argv[1]);
    LocalFree(argv);
    const char* behaviour = std::getenv("ZELT_PAINT_STANDIN");
    if (behaviour && std::strcmp(behaviour, "leave") == 0) return 0;
    if (behaviour && std::strncmp(behaviour, "wait:", 5) == 0) Sleep(static_cast<DWORD>(std::atoi(behaviour + 5)));
    zelt::Picture picture;
    std::string error;
    if (!zelt::ReadPictureFile(file, picture, error) || picture.colours.width < 1) return 1;
    picture.indexes.clear();
    picture.palette.clear();
    picture.colours.SetPixel(picture.colours.width / 2, picture.colours.height / 2, 0x123456);
    return zelt::WritePictureFile(file, picture, error) ? 0 : 1;
}

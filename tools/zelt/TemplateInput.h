// What the picture commands share: a template file opened as the document with its palette, and
// pictures read and written with the tool's messages.
#pragma once
#include <string>

#include "editor/interchange/Picture.h"
#include "tools/zelt/Commands.h"

namespace zelt::cli {

// Opens the template as the document, with the palette named or else the file's default palette
// from the Palettes folder beside the program. 0, or the exit status after the message.
int OpenTemplate(const std::string& path, const std::string* palettePath);
int ReadPicture(const std::string& path, Picture& picture);
int WritePicture(const std::string& path, const Picture& picture);
// Exit status 2 unless the name asks for BMP or PNG.
int CheckPictureName(const std::string& path);
// "X,Y" of two integers.
bool ParsePair(const std::string& text, int& a, int& b);
// The folder with a separator at its end.
std::string FolderWithSeparator(const std::string& folder);
bool IsFolder(const std::string& path);

}  // namespace zelt::cli

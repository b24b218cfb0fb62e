// Reading a template file into the document and writing the document to a template file.
#pragma once
#include <string>

namespace zelt {

// The folder the default palettes are found in ("Palettes\\" below it); the program's own folder
// unless set otherwise.
const std::string& DocumentProgramFolder();
void SetDocumentProgramFolder(const std::string& folder);

// Closes the document without a question, loads the file's default palette and the file's tiles.
// On success the document is open, unmodified, with tile 0 selected and a fresh undo history. On
// failure no document is open and no tile of the file is kept. The file name is not touched.
bool LoadTemplateFile(const std::string& path);

// Generates missing Z data, then writes the tiles atomically. On success modified becomes false
// and the views refresh; the document's file name is not touched.
bool SaveTemplateFile(const std::string& path);

// Loads a palette file as the document's palette. On failure the previous palette stays.
bool SetDocumentPalette(const std::string& path);

}  // namespace zelt

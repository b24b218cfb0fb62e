#include "editor/interchange/PaintProgram.h"

#include "editor/interchange/TileBitmaps.h"
#include "editor/template/PathText.h"

namespace zelt {

namespace {

bool FullyQualified(std::string_view folder) {
    const bool drive = folder.size() >= 3 && folder[1] == ':' && (folder[2] == '\\' || folder[2] == '/');
    const bool share = folder.size() >= 3 && folder[0] == '\\' && folder[1] == '\\';
    return drive || share;
}

void AddCandidate(std::vector<std::string>& list, std::string_view folder) {
    if (!FullyQualified(folder)) return;
    std::string name(folder);
    if (name.back() != '\\' && name.back() != '/') name += '\\';
    name += kPaintProgramName;
    for (const std::string& listed : list) {
        if (EqualsNoCase(listed, name)) return;
    }
    list.push_back(std::move(name));
}

}  // namespace

std::string PaintFileName(std::string_view temporaryFolder) {
    return std::string(temporaryFolder) + kPaintFileName;
}

std::vector<std::string> PaintProgramCandidates(std::string_view systemFolder, std::string_view programFolder,
                                                std::string_view windowsFolder, std::string_view pathVariable) {
    std::vector<std::string> list;
    AddCandidate(list, systemFolder);
    AddCandidate(list, programFolder);
    AddCandidate(list, windowsFolder);
    while (!pathVariable.empty()) {
        const size_t end = pathVariable.find(';');
        std::string entry(pathVariable.substr(0, end));
        pathVariable = end == std::string_view::npos ? std::string_view() : pathVariable.substr(end + 1);
        std::erase(entry, '"');
        AddCandidate(list, entry);
    }
    return list;
}

std::string PaintCommandLine(std::string_view program, std::string_view temporaryFolder) {
    std::string line = "\"";
    line.append(program).append("\" \"").append(PaintFileName(temporaryFolder)).append("\"");
    return line;
}

Picture PaintPicture(const TileRecord& tile, int cellW, int cellH, const PaletteTable& palette) {
    Picture picture = NormalImagePicture(tile, cellW, cellH, palette, palette[0]);
    picture.indexes.clear();  // the paint program gets and gives colours only
    picture.palette.clear();
    return picture;
}

}  // namespace zelt

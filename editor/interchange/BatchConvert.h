// Batch conversion: pictures of the whole template, each cut into the open template's tiles, given
// automatic radar colours when asked, and written as a new template file into a folder. The document
// is exactly as before when the run ends.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/interchange/Picture.h"
#include "editor/template/GameTables.h"

namespace zelt {

// The theaters offered for the family's new files, as indexes into kTheaters: 2 for TS/FS, 6 for RA2/YR.
std::vector<int> BatchTheaters(GameKind kind);

// FOLDER\NAME.EXT: the picture's file name (after its last separator) with its own extension, if it
// has one, replaced by the extension; a name without one gets ".EXT" appended. A dot in a folder
// name never counts. A folder ending in a separator gets none added. None for an empty folder or
// name, or a result longer than 259 characters.
std::optional<std::string> BatchOutputPath(std::string_view folder, std::string_view picturePath,
                                           std::string_view extension);

struct BatchJob {
    std::vector<std::string> pictures;  // full paths, in list order
    std::string folder;                 // the destination folder
    std::string extension;              // without the dot
    bool autoColour = false;
};

struct BatchHooks {
    // Reads a picture file; false when it cannot be read.
    std::function<bool(const std::string& path, Picture& picture)> loadPicture;
    // Asked after each item; true ends the run there.
    std::function<bool()> stopRequested;
    // Told the number of items done after each item.
    std::function<void(int done)> progress;
};

struct BatchFailure {
    std::string picture;
    std::string reason;
    bool openTemplate = false;  // its output is the open document's own file, which is never written
};

struct BatchOutcome {
    bool started = false;  // false: no open document or palette, or an empty destination folder
    int done = 0;          // items run, failed or not
    bool stopped = false;
    std::vector<BatchFailure> failures;
};

// Runs the items in order over the document (interface updates suspended), each from the tiles the
// previous one left. An item whose output is the open document's file (the same full path in any
// letter case) fails without being read. Afterwards the tiles, undo history and modified flag are those before the run,
// tile 0 is selected and the views refresh.
BatchOutcome RunBatchConversion(const BatchJob& job, const BatchHooks& hooks);

}  // namespace zelt

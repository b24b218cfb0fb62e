#include "editor/interchange/BatchConvert.h"

#include <utility>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/document/DocumentUi.h"
#include "editor/editing/TileProperties.h"
#include "editor/interchange/ImportImage.h"
#include "editor/render/TemplateRender.h"
#include "editor/template/AbsolutePath.h"
#include "editor/template/PathText.h"

namespace zelt {

std::vector<int> BatchTheaters(GameKind kind) {
    std::vector<int> theaters;
    for (int i = 0; i < kTheaterCount; ++i) {
        if (kind == kRa2Yr || (kind == kTsFs && kTheaters[static_cast<size_t>(i)].offeredForTsFs))
            theaters.push_back(i);
    }
    return theaters;
}

std::optional<std::string> BatchOutputPath(std::string_view folder, std::string_view picturePath,
                                           std::string_view extension) {
    const size_t slash = picturePath.find_last_of("\\/");
    std::string name(slash == std::string_view::npos ? picturePath : picturePath.substr(slash + 1));
    if (folder.empty() || name.empty()) return std::nullopt;
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.resize(dot);
    std::string path(folder);
    if (path.back() != '\\' && path.back() != '/') path += '\\';
    path += name + "." + std::string(extension);
    if (path.size() > kMaxPathLength) return std::nullopt;
    return path;
}

namespace {

bool IsDocumentFile(const std::string& output) {
    const std::string& file = Doc().fileName;
    if (file.empty()) return false;
    const std::string folder = FolderOf(file);
    return EqualsNoCase(MakeAbsolutePath(output, folder), MakeAbsolutePath(file, folder));
}

std::optional<std::string> RunItem(const std::string& output, const std::string& picturePath, bool autoColour,
                                   const BatchHooks& hooks) {
    Picture picture;
    if (!hooks.loadPicture || !hooks.loadPicture(picturePath, picture)) return "cannot be read";
    if (!ImportAll(picture)) return "is not the template's size";
    if (autoColour) AutoColourAllTiles();
    if (!SaveTemplateFile(output)) return "cannot be written as " + output;
    return std::nullopt;
}

}  // namespace

BatchOutcome RunBatchConversion(const BatchJob& job, const BatchHooks& hooks) {
    BatchOutcome outcome;
    TemplateDocument& doc = Doc();
    if (!doc.open || !doc.palette || job.folder.empty()) return outcome;
    outcome.started = true;

    std::vector<TileRecord> tiles = doc.tiles;
    // The history is put back afterwards, so the items need not record into it.
    UndoHistory undo = std::exchange(doc.undo, UndoHistory{});
    const bool modified = doc.modified;
    const bool wasSuspended = InterfaceUpdatesSuspended();
    doc.selected = 0;
    SuspendInterfaceUpdates(true);

    for (const std::string& picturePath : job.pictures) {
        std::optional<std::string> failure;
        const std::optional<std::string> output = BatchOutputPath(job.folder, picturePath, job.extension);
        if (output && IsDocumentFile(*output)) {
            outcome.failures.push_back(
                BatchFailure{picturePath, "would replace the open template " + doc.fileName, true});
        } else if (output) {
            failure = RunItem(*output, picturePath, job.autoColour, hooks);
        } else {
            failure =
                "gives no file name, or one longer than " + std::to_string(kMaxPathLength) + " characters";
        }
        if (failure) outcome.failures.push_back(BatchFailure{picturePath, *failure});
        ++outcome.done;
        if (hooks.progress) hooks.progress(outcome.done);
        if (hooks.stopRequested && hooks.stopRequested()) {
            outcome.stopped = outcome.done < static_cast<int>(job.pictures.size());
            break;
        }
    }

    doc.tiles = std::move(tiles);
    doc.undo = std::move(undo);
    doc.modified = modified;
    doc.selected = 0;
    SuspendInterfaceUpdates(wasSuspended);
    RequestRefresh(kRefreshAll);
    return outcome;
}

}  // namespace zelt

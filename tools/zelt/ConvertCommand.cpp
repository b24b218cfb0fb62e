// zelt convert: pictures of a whole template turned into template files, as the editor's batch
// import makes them.
#include <cstdio>
#include <filesystem>

#include "editor/interchange/BatchConvert.h"
#include "editor/interchange/PictureFile.h"
#include "editor/document/DocumentClass.h"
#include "editor/template/FileBytes.h"
#include "editor/template/PathText.h"
#include "tools/zelt/TemplateInput.h"

namespace zelt::cli {

namespace {

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ignored;
    return std::filesystem::equivalent(FileSystemPath(a), FileSystemPath(b), ignored);
}

}  // namespace

int ConvertCommand(const Args& args) {
    ParsedArgs parsed = ParseArgs(args, {"--into", "--ext", "--palette"}, {"--auto-colour"});
    if (!parsed.error.empty()) return UsageError(parsed.error);
    if (parsed.positional.size() < 2) return UsageError("convert takes an input template and pictures");
    const std::string* into = parsed.Option("--into");
    if (!into) return UsageError("convert needs --into DIR");
    const std::string& in = parsed.positional[0];

    if (int status = OpenTemplate(in, parsed.Option("--palette"))) return status;
    const std::optional<std::string> ownExtension = ExtensionOf(FileNameOf(in));
    const std::string* extOption = parsed.Option("--ext");
    std::string extension = extOption ? *extOption : ownExtension.value_or("");
    bool offered = false;
    for (int theater : BatchTheaters(Doc().gameKind)) {
        if (EqualsNoCase(extension, kTheaters[static_cast<size_t>(theater)].extension)) offered = true;
    }
    if (!offered) {
        std::string list;
        for (int theater : BatchTheaters(Doc().gameKind))
            list += std::string(list.empty() ? "" : ", ") + kTheaters[static_cast<size_t>(theater)].extension;
        return UsageError("--ext takes one of " + list + " for this template");
    }
    if (!IsFolder(*into)) return FileError(*into, "is not a folder");

    BatchJob job;
    job.folder = FolderWithSeparator(*into);
    job.extension = extension;
    job.autoColour = parsed.Option("--auto-colour") != nullptr;
    bool failed = false;
    for (size_t i = 1; i < parsed.positional.size(); ++i) {
        const std::string& picture = parsed.positional[i];
        const std::optional<std::string> output = BatchOutputPath(job.folder, picture, extension);
        if (output && SameFile(*output, in)) {
            failed = true;
            FileError(picture, "would replace the input template " + in);
            continue;
        }
        job.pictures.push_back(picture);
    }
    BatchHooks hooks;
    hooks.loadPicture = [](const std::string& path, Picture& picture) {
        std::string error;
        return ReadPictureFile(path, picture, error);
    };
    const BatchOutcome outcome = RunBatchConversion(job, hooks);
    for (const BatchFailure& failure : outcome.failures) FileError(failure.picture, failure.reason);
    return failed || !outcome.failures.empty() ? 1 : 0;
}

}  // namespace zelt::cli

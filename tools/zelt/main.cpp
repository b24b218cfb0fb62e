// zelt: the command-line front end of the template core, for scripts and batch pipelines.
#include <cstdio>
#include <string>

#include "resources/Version.h"
#include "tools/zelt/Console.h"
#include "tools/zelt/Commands.h"

namespace zelt::cli {

static const char kUsage[] =
    "usage:\n"
    "  zelt --version\n"
    "  zelt info FILE [--json]\n"
    "  zelt resave IN OUT [--no-z] [--signature TEXT]\n"
    "  zelt render IN OUT.bmp|OUT.png [--palette FILE] [--background RRGGBB] [--editor]\n"
    "  zelt export IN DIR [--format BMP|PNG] [--indexed] [--palette FILE]\n"
    "  zelt import IN PICTURE OUT --tile N [--at X,Y] [--extra [--size W,H]] [--palette FILE]\n"
    "  zelt import-all IN PICTURE OUT [--palette FILE]\n"
    "  zelt convert IN PICTURE... --into DIR [--ext EXT] [--auto-colour] [--palette FILE]\n"
    "  zelt overview IN OUT.txt [--csf FILE]\n"
    "  zelt thumbnail IN OUT.png --size N [--palette FILE]\n"
    "  zelt csf compile SRC OUT.csf\n"
    "  zelt csf dump FILE.csf\n";

int UsageError(const std::string& problem) {
    if (!problem.empty()) std::fprintf(stderr, "zelt: %s\n", problem.c_str());
    std::fputs(kUsage, stderr);
    return 2;
}

int FileError(const std::string& file, const std::string& reason) {
    std::fprintf(stderr, "zelt: %s: %s\n", file.c_str(), reason.c_str());
    return 1;
}

const std::string* ParsedArgs::Option(const std::string& name) const {
    for (const auto& [key, value] : options) {
        if (key == name) return &value;
    }
    return nullptr;
}

ParsedArgs ParseArgs(const Args& args, const std::vector<std::string>& valueOptions,
                     const std::vector<std::string>& flagOptions) {
    ParsedArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 3 || a.compare(0, 2, "--") != 0) {
            parsed.positional.push_back(a);
            continue;
        }
        bool known = false;
        for (const std::string& name : flagOptions) {
            if (a == name) {
                parsed.options.emplace_back(a, "");
                known = true;
            }
        }
        for (const std::string& name : valueOptions) {
            if (a == name) {
                if (i + 1 >= args.size()) {
                    parsed.error = a + " needs a value";
                    return parsed;
                }
                parsed.options.emplace_back(a, args[++i]);
                known = true;
            }
        }
        if (!known) {
            parsed.error = "unknown option " + a;
            return parsed;
        }
    }
    return parsed;
}

}  // namespace zelt::cli

int main(int argc, char** argv) {
    using namespace zelt::cli;
    const Utf8Console console;
    if (argc < 2) return UsageError("");
    const std::string command = argv[1];
    const Args args(argv + 2, argv + argc);
    if (command == "info") return InfoCommand(args);
    if (command == "resave") return ResaveCommand(args);
    if (command == "render") return RenderCommand(args);
    if (command == "csf") return CsfCommand(args);
    if (command == "export") return ExportCommand(args);
    if (command == "import") return ImportCommand(args);
    if (command == "import-all") return ImportAllCommand(args);
    if (command == "convert") return ConvertCommand(args);
    if (command == "overview") return OverviewCommand(args);
    if (command == "thumbnail") return ThumbnailCommand(args);
    if (command == "--version") {
        std::printf("zelt %s\n", ZELT_VERSION_TEXT);
        return 0;
    }
    if (command == "help" || command == "--help" || command == "-h") {
        UsageError("");
        return 0;
    }
    return UsageError("unknown command " + command);
}

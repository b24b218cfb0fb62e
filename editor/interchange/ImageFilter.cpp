#include "editor/interchange/ImageFilter.h"

#include <cctype>

namespace zelt {

std::string BuildImageFileFilter(std::string_view openFilter) {
    using namespace std::string_literals;
    const std::string tail = "All files (*.*)\0*.*\0\0"s;
    const std::string head = "Image files:(";
    // Two copies of OPEN plus the fixed texts and separators must fit the buffer.
    const size_t fixed = head.size() + 2 + 1 + tail.size();
    std::string_view open = openFilter;
    while (fixed + 2 * open.size() > kImageFilterSize) {
        const size_t cut = open.substr(0, open.size() - 1).rfind(';');
        open = cut == std::string_view::npos ? std::string_view() : open.substr(0, cut + 1);
    }
    std::string filter = head;
    filter += open;
    filter += ")";
    filter += '\0';
    filter += open;
    filter += '\0';
    filter += tail;
    return filter;
}

std::string BuildImageSaveFilter(const std::vector<std::string>& formatNames) {
    std::string filter;
    for (const std::string& name : formatNames) {
        if (name.empty()) continue;
        std::string pattern = "*.";
        for (char c : name) pattern += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        filter += name + " (" + pattern + ")";
        filter += '\0';
        filter += pattern;
        filter += '\0';
    }
    if (!filter.empty()) filter += '\0';
    return filter;
}

}  // namespace zelt

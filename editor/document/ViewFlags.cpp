#include "editor/document/ViewFlags.h"

namespace zelt {

ViewFlags& Views() {
    static ViewFlags flags;
    return flags;
}

}  // namespace zelt

#include "editor/render/SharedWork.h"

namespace zelt {

int WorkersAvailable() {
    const unsigned cores = std::thread::hardware_concurrency();  // 0 when unknown
    return static_cast<int>(std::clamp(cores, 1u, 4u));
}

}  // namespace zelt

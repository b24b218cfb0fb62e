// The byte blocks of a tile. A block is a vector that owns its bytes alone; the blocks of the tiles
// read from one file are carved out of one allocation, so that reading a file costs one allocation
// instead of one per block, and the memory goes back in one piece.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

namespace zelt {

// One allocation handed out front to back, never twice; freed when its last block lets go.
struct BlockArena {
    std::unique_ptr<uint8_t[]> bytes;
    size_t size = 0;
    size_t used = 0;

    // Null when the memory is not there; the blocks then come from the heap one by one.
    static std::shared_ptr<BlockArena> Make(size_t capacity) {
        if (capacity == 0) return nullptr;
        auto arena = std::make_shared<BlockArena>();
        arena->bytes.reset(new (std::nothrow) uint8_t[capacity]);
        if (!arena->bytes) return nullptr;
        arena->size = capacity;
        return arena;
    }
    bool Holds(const void* p) const {
        const auto* b = static_cast<const uint8_t*>(p);
        return b >= bytes.get() && b < bytes.get() + size;
    }
};

// Serves a block from its arena while the arena has room, and from the heap otherwise. A copy of a
// block never uses the arena, so undo states and clipboards do not keep a file's memory alive.
template <class T>
struct BlockAllocator {
    using value_type = T;
    using propagate_on_container_move_assignment = std::true_type;
    using propagate_on_container_swap = std::true_type;
    using propagate_on_container_copy_assignment = std::false_type;
    using is_always_equal = std::false_type;

    std::shared_ptr<BlockArena> arena;

    BlockAllocator() = default;
    explicit BlockAllocator(std::shared_ptr<BlockArena> from) : arena(std::move(from)) {}
    template <class U>
    BlockAllocator(const BlockAllocator<U>& other) : arena(other.arena) {}

    T* allocate(size_t n) {
        const size_t bytes = n * sizeof(T);
        if (arena && alignof(T) == 1 && bytes <= arena->size - arena->used) {
            T* p = reinterpret_cast<T*>(arena->bytes.get() + arena->used);
            arena->used += bytes;
            return p;
        }
        return std::allocator<T>{}.allocate(n);
    }
    void deallocate(T* p, size_t n) {
        if (arena && arena->Holds(p)) return;  // the arena's bytes go back with the arena
        std::allocator<T>{}.deallocate(p, n);
    }
    BlockAllocator select_on_container_copy_construction() const { return {}; }

    template <class U>
    bool operator==(const BlockAllocator<U>& other) const {
        return arena == other.arena;
    }
};

// A block: a byte vector with the allocator above, which also takes plain byte vectors.
struct TileBytes : std::vector<uint8_t, BlockAllocator<uint8_t>> {
    using Base = std::vector<uint8_t, BlockAllocator<uint8_t>>;
    using Base::Base;
    using Base::operator=;
    TileBytes() = default;
    TileBytes(const std::vector<uint8_t>& bytes) : Base(bytes.begin(), bytes.end()) {}
    TileBytes& operator=(const std::vector<uint8_t>& bytes) {
        assign(bytes.begin(), bytes.end());
        return *this;
    }
};

// Blocks compare with plain byte vectors by content.
inline bool operator==(const TileBytes& a, const std::vector<uint8_t>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

}  // namespace zelt

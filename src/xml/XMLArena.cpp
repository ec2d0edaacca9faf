#include "xml/XMLArena.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

namespace vesk {

namespace {
// Small trees (a settings file) stay small; large ones (a notes file of
// thousands of notes) soon use blocks large enough that the allocator maps
// them straight from the system and gives them back whole.
constexpr std::size_t kFirstBlock = std::size_t{4} << 10;
constexpr std::size_t kLargestBlock = std::size_t{1} << 20;
constexpr std::size_t kLongestShared = 16;
constexpr std::size_t kSharedSlots = 256;
}  // namespace

XMLArena::~XMLArena() {
    while (blocks_ != nullptr) {
        void* previous = *static_cast<void**>(blocks_);
        ::operator delete(blocks_);
        blocks_ = previous;
    }
}

std::u16string_view XMLArena::Copy(std::u16string_view text) {
    if (text.empty()) {
        return {};
    }
    char16_t* room = Allocate<char16_t>(text.size());
    std::memcpy(room, text.data(), text.size() * sizeof(char16_t));
    return {room, text.size()};
}

std::u16string_view XMLArena::CopyShared(std::u16string_view text) {
    const std::size_t size = text.size();
    if (size == 0 || size > kLongestShared) {
        return Copy(text);
    }
    if (shared_ == nullptr) {
        shared_ = Allocate<std::u16string_view>(kSharedSlots);
        std::uninitialized_value_construct_n(shared_, kSharedSlots);
    }
    // The length and three characters tell the names and values of a file
    // apart well enough; a text that collides is only stored again.
    const std::uint32_t hash = (static_cast<std::uint32_t>(size) * 0x9E3779B1u) ^ text[0] ^
                               (std::uint32_t{text[size / 2]} << 5) ^
                               (std::uint32_t{text[size - 1]} << 10);
    std::u16string_view& slot = shared_[(hash ^ hash >> 8) % kSharedSlots];
    bool same = slot.size() == size;
    for (std::size_t i = 0; same && i < size; ++i) {
        same = slot[i] == text[i];
    }
    if (!same) {
        slot = Copy(text);
    }
    return slot;
}

std::size_t XMLArena::RoundUp(std::size_t count, std::size_t size) {
    if (count > (std::numeric_limits<std::size_t>::max() - 2 * kAlignment) / size) {
        throw std::bad_alloc();
    }
    return (count * size + kAlignment - 1) & ~(kAlignment - 1);
}

void* XMLArena::AllocateSlow(std::size_t bytes) {
    const std::size_t size =
        blockSize_ == 0 ? kFirstBlock : std::min(2 * blockSize_, kLargestBlock);
    // A large piece gets a block of its own, so the room left in the current
    // block stays in use.
    if (bytes > size / 4) {
        return NewBlock(bytes);
    }
    blockSize_ = size;
    char* room = static_cast<char*>(NewBlock(size));
    next_ = room + bytes;
    end_ = room + size;
    return room;
}

void* XMLArena::NewBlock(std::size_t bytes) {
    void* block = ::operator new(kAlignment + bytes);
    *static_cast<void**>(block) = blocks_;
    blocks_ = block;
    return static_cast<char*>(block) + kAlignment;
}

}  // namespace vesk

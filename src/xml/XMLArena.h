#pragma once

#include <cstddef>
#include <string_view>

namespace vesk {

// The storage of one element tree. Elements, names, values and texts are cut
// from a few large blocks and freed all at once with the tree: a notes file
// holds hundreds of thousands of small pieces, and allocating and freeing
// each one cost more than parsing the file. Nothing placed here has its
// destructor run.
class XMLArena {
public:
    XMLArena() = default;
    ~XMLArena();
    XMLArena(const XMLArena&) = delete;
    XMLArena& operator=(const XMLArena&) = delete;

    // Uninitialised room for count objects of T.
    template <typename T>
    T* Allocate(std::size_t count) {
        static_assert(alignof(T) <= kAlignment);
        const std::size_t bytes = RoundUp(count, sizeof(T));
        if (bytes > static_cast<std::size_t>(end_ - next_)) {
            return static_cast<T*>(AllocateSlow(bytes));
        }
        void* room = next_;
        next_ += bytes;
        return static_cast<T*>(room);
    }

    // A copy that lives as long as the arena; an empty text takes no room.
    std::u16string_view Copy(std::u16string_view text);
    // The same, except that a short text met before is stored once: names,
    // small values and the line breaks between elements repeat all through
    // a file.
    std::u16string_view CopyShared(std::u16string_view text);

private:
    static constexpr std::size_t kAlignment = alignof(void*);

    // count × size rounded up to the alignment; throws when it overflows.
    static std::size_t RoundUp(std::size_t count, std::size_t size);
    void* AllocateSlow(std::size_t bytes);
    void* NewBlock(std::size_t bytes);

    // Short texts stored before, by hash; made on first use.
    std::u16string_view* shared_ = nullptr;
    // Each block starts with a pointer to the block allocated before it.
    void* blocks_ = nullptr;
    char* next_ = nullptr;
    char* end_ = nullptr;
    std::size_t blockSize_ = 0;
};

}  // namespace vesk

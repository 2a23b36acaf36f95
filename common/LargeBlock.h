#pragma once
#include <cstddef>
#include <memory>

// Memory mapped in whole huge pages (2 MB) and aligned to them, so that the system may back it
// with huge pages: a list of a hundred thousand lines then costs a handful of page faults instead
// of tens of thousands. `bytes` is rounded up to whole huge pages; throws std::bad_alloc.
// The size a block of `bytes` really has: whole huge pages.
size_t LargeBlockBytes(size_t bytes);
void *MapLargeBlock(size_t bytes);
void UnmapLargeBlock(void *block, size_t bytes);

// An allocator that takes large arrays from MapLargeBlock and small ones from the heap.
template <typename T>
struct LargeBlockAllocator {
    using value_type = T;
    static constexpr size_t Threshold = size_t(256) << 10;
    LargeBlockAllocator() = default;
    template <typename U>
    LargeBlockAllocator(const LargeBlockAllocator<U> &) {}
    T *allocate(size_t n)
    {
        return n * sizeof(T) < Threshold ? std::allocator<T>().allocate(n) : static_cast<T *>(MapLargeBlock(n * sizeof(T)));
    }
    void deallocate(T *p, size_t n)
    {
        if (n * sizeof(T) < Threshold)
            std::allocator<T>().deallocate(p, n);
        else
            UnmapLargeBlock(p, n * sizeof(T));
    }
    friend bool operator==(const LargeBlockAllocator &, const LargeBlockAllocator &) { return true; }
};

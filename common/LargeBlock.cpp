#include "common/LargeBlock.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace {

constexpr size_t HugePage = size_t(2) << 20;

size_t wholeHugePages(size_t bytes) { return (bytes + HugePage - 1) / HugePage * HugePage; }

} // namespace

size_t LargeBlockBytes(size_t bytes) { return wholeHugePages(bytes); }

void *MapLargeBlock(size_t bytes)
{
    bytes = wholeHugePages(bytes);
    // Map a huge page more than asked, then give back the ends around the aligned part.
    const size_t mappedBytes = bytes + HugePage;
    void *mapping = ::mmap(nullptr, mappedBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED)
        throw std::bad_alloc();
    const auto begin = reinterpret_cast<uintptr_t>(mapping);
    const uintptr_t start = (begin + HugePage - 1) & ~uintptr_t(HugePage - 1);
    if (start > begin)
        ::munmap(mapping, start - begin);
    if (const size_t tail = begin + mappedBytes - (start + bytes); tail > 0)
        ::munmap(reinterpret_cast<void *>(start + bytes), tail);
    ::madvise(reinterpret_cast<void *>(start), bytes, MADV_HUGEPAGE);  // a hint: it works without
    return reinterpret_cast<void *>(start);
}

void UnmapLargeBlock(void *block, size_t bytes) { ::munmap(block, wholeHugePages(bytes)); }

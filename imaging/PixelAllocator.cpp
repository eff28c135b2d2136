#include "imaging/PixelAllocator.h"

#include <cstdlib>
#include <new>
#ifdef __linux__
#include <sys/mman.h>
#endif

namespace imaging {

namespace {

constexpr size_t kHugePage = size_t(2) << 20;
constexpr size_t kLargeBuffer = size_t(8) << 20;

} // namespace

void* allocatePixelBytes(size_t bytes) {
    if (bytes < kLargeBuffer)
        return ::operator new(bytes);
    void* p = nullptr;
    if (posix_memalign(&p, kHugePage, bytes) != 0)
        throw std::bad_alloc();
#ifdef __linux__
    // Only advice: where huge pages are off, the buffer simply stays in small ones.
    madvise(p, bytes, MADV_HUGEPAGE);
#endif
    return p;
}

void releasePixelBytes(void* p, size_t bytes) noexcept {
    if (bytes < kLargeBuffer)
        ::operator delete(p);
    else
        std::free(p);
}

} // namespace imaging

#pragma once
#include <cstddef>

namespace imaging {

// Memory for pixel rows. A photo's pixels are tens of megabytes written once from top to
// bottom; touched 4 KiB page by page, that first write can cost more than decoding the photo.
// Buffers of 8 MiB and more are asked for in 2 MiB pages instead, where the system offers
// them; smaller ones come from the ordinary heap.
void* allocatePixelBytes(size_t bytes);
void releasePixelBytes(void* p, size_t bytes) noexcept;

template <typename T> struct PixelAllocator {
    using value_type = T;

    PixelAllocator() = default;
    template <typename U> PixelAllocator(const PixelAllocator<U>&) noexcept {}

    T* allocate(size_t n) { return static_cast<T*>(allocatePixelBytes(n * sizeof(T))); }
    void deallocate(T* p, size_t n) noexcept { releasePixelBytes(p, n * sizeof(T)); }

    template <typename U> bool operator==(const PixelAllocator<U>&) const noexcept { return true; }
};

} // namespace imaging

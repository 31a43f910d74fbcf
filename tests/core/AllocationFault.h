// Fault injection for "out of memory" paths: the next allocation of one given size fails.
// Replaces the global allocation functions, so include it in one test file per program.
#pragma once
#include <atomic>
#include <cstdlib>
#include <new>

inline std::atomic<std::size_t> failingAllocationSize{0};

// The next allocation of exactly this many bytes throws std::bad_alloc.
inline void FailNextAllocationOf(std::size_t size) {
    failingAllocationSize = size;
}

namespace allocation_fault {
inline void* Allocate(std::size_t size) {
    std::size_t failing = size;
    if (size != 0 && failingAllocationSize.compare_exchange_strong(failing, 0)) return nullptr;
    return std::malloc(size ? size : 1);
}
inline void* AllocateOrThrow(std::size_t size) {
    void* p = Allocate(size);
    if (!p) throw std::bad_alloc();
    return p;
}
} // namespace allocation_fault

void* operator new(std::size_t size) {
    return allocation_fault::AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return allocation_fault::AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocation_fault::Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocation_fault::Allocate(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

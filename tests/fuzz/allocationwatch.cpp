#include "allocationwatch.h"

#include <atomic>

#if defined(__SANITIZE_ADDRESS__)
#define LITHOSCOPE_WATCH_THROUGH_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LITHOSCOPE_WATCH_THROUGH_SANITIZER 1
#endif
#endif

namespace {

std::atomic<bool> watching{false};
std::atomic<std::size_t> largestSeen{0};

void note(std::size_t size)
{
    if (!watching.load(std::memory_order_relaxed))
        return;
    std::size_t seen = largestSeen.load(std::memory_order_relaxed);
    while (size > seen &&
           !largestSeen.compare_exchange_weak(seen, size, std::memory_order_relaxed)) {
    }
}

} // namespace

#ifdef LITHOSCOPE_WATCH_THROUGH_SANITIZER

extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void*,
                                                                            std::size_t),
                                                         void (*freeHook)(const volatile void*));

namespace {

void mallocHook(const volatile void*, std::size_t size)
{
    note(size);
}

void freeHook(const volatile void*) {}

void listen()
{
    static const bool installed =
        __sanitizer_install_malloc_and_free_hooks(mallocHook, freeHook) != 0;
    (void)installed;
}

} // namespace

#else

// The C library's allocator under its own names; ours note the size and
// hand over, so memory from either side may be freed by the other.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void __libc_free(void* pointer);

void* malloc(std::size_t size) noexcept
{
    note(size);
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) noexcept
{
    std::size_t total = 0;
    note(__builtin_mul_overflow(count, size, &total) ? static_cast<std::size_t>(-1) : total);
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, std::size_t size) noexcept
{
    note(size);
    return __libc_realloc(pointer, size);
}

void free(void* pointer) noexcept
{
    __libc_free(pointer);
}
}

namespace {

void listen() {}

} // namespace

#endif

namespace Fuzz {

AllocationWatch::AllocationWatch()
{
    listen();
    largestSeen.store(0);
    watching.store(true);
}

AllocationWatch::~AllocationWatch()
{
    watching.store(false);
}

std::size_t AllocationWatch::largest() const
{
    return largestSeen.load();
}

} // namespace Fuzz

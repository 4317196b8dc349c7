#pragma once

#include <cstddef>

namespace Fuzz {

// Notes the largest single allocation made while a watch is alive, on any
// thread, so the driver can hold every input to the memory budget. Under
// AddressSanitizer it listens through the sanitizer's allocation hooks;
// otherwise this program's malloc family forwards to the C library's own
// after noting the size.
class AllocationWatch {
public:
    AllocationWatch();
    ~AllocationWatch();
    AllocationWatch(const AllocationWatch&) = delete;
    AllocationWatch& operator=(const AllocationWatch&) = delete;

    std::size_t largest() const;
};

} // namespace Fuzz

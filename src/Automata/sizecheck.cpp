#include "sizecheck.h"

#include <cstdio>
#include <limits>

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace Automata {

namespace {

constexpr long long largest = std::numeric_limits<long long>::max();

// Products and sums that would leave 64 bits stay at the largest value, so an
// absurd request can never wrap round into a small one.
long long saturatingProduct(long long a, long long b)
{
    long long product = 0;
    return __builtin_mul_overflow(a, b, &product) ? largest : product;
}

long long saturatingSum(long long a, long long b)
{
    long long sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? largest : sum;
}

long long physicalMemory()
{
#ifdef Q_OS_UNIX
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages > 0 && pageSize > 0)
        return saturatingProduct(pages, pageSize);
#endif
    // Where the system cannot tell, assume a modest machine.
    return 8LL << 30;
}

long long budgetOverride = 0;

} // namespace

SizeCheck::SizeCheck(std::initializer_list<long long> extent) : extent(extent)
{
    for (const long long length : extent)
        siteCount = saturatingProduct(siteCount, length);
}

SizeCheck& SizeCheck::add(long long count, long long elements, long long elementBytes)
{
    const long long bytes = saturatingProduct(count, saturatingProduct(elements, elementBytes));
    total = saturatingSum(total, bytes);
    return *this;
}

std::string SizeCheck::warning() const
{
    if (fits())
        return std::string();
    std::string size;
    for (const long long length : extent)
        size += (size.empty() ? "" : " x ") + std::to_string(length);
    const char* unit = extent.size() > 2 ? " voxels" : " cells";
    return "A model of " + size + unit + " needs " + memoryText(total)
           + " of memory, more than the " + memoryText(budget()) + " that can be used.";
}

long long SizeCheck::budget()
{
    return budgetOverride > 0 ? budgetOverride : physicalMemory() / 2;
}

void SizeCheck::setBudget(long long bytes)
{
    budgetOverride = bytes;
}

std::string SizeCheck::memoryText(long long bytes)
{
    if (bytes < 1024)
        return std::to_string(bytes) + " bytes";
    const char* const units[] = {"KiB", "MiB", "GiB", "TiB", "PiB", "EiB"};
    double amount = static_cast<double>(bytes) / 1024.0;
    int unit = 0;
    while (amount >= 1024.0 && unit < 5) {
        amount /= 1024.0;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", amount, units[unit]);
    return text;
}

} // namespace Automata

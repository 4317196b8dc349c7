#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "Automata/sizecheck.h"
#include "testsupport.h"

using Automata::SizeCheck;

TEST(SizeCheck, CountsEveryBufferInSixtyFourBitsAndNeverWrapsRound)
{
    // 2^32 sites of three 4-byte buffers: far beyond what 32 bits can count.
    const SizeCheck lattice = SizeCheck({65536, 65536}).perSite<std::int32_t>(3);
    EXPECT_EQ(lattice.sites(), 65536LL * 65536);
    EXPECT_EQ(lattice.bytes(), 65536LL * 65536 * 3 * 4);

    // Buffers of other lengths add to those of one element per site.
    EXPECT_EQ(SizeCheck({10}).add(2, 5, 8).perSite<char>().bytes(), 2 * 5 * 8 + 10);

    // 2^90 voxels cannot be counted; they read as the largest amount, which
    // no budget admits.
    const long long most = std::numeric_limits<long long>::max();
    const SizeCheck absurd = SizeCheck({1 << 30, 1 << 30, 1 << 30}).perSite<double>(2);
    EXPECT_EQ(absurd.bytes(), most);
    TestSupport::BudgetScope budget(most - 1);
    EXPECT_FALSE(absurd.fits());
    EXPECT_FALSE(SizeCheck({3037000500LL, 3037000500LL}).perSite<char>().fits());
}

TEST(SizeCheck, WarningNamesTheExtentAndTheMemoryNeededBeyondTheBudget)
{
    const long long machine = SizeCheck::budget();
    EXPECT_GT(machine, 0);
    {
        TestSupport::BudgetScope budget(40);
        EXPECT_EQ(SizeCheck::budget(), 40);
        const SizeCheck lattice = SizeCheck({3, 2}).perSite<std::int32_t>(2); // 48 bytes
        EXPECT_FALSE(lattice.fits());
        EXPECT_EQ(lattice.warning(), "A model of 3 x 2 cells needs 48 bytes of memory, more than "
                                     "the 40 bytes that can be used.");
        EXPECT_EQ(SizeCheck({4, 4, 4}).perSite<char>().warning(),
                  "A model of 4 x 4 x 4 voxels needs 64 bytes of memory, more than the 40 bytes "
                  "that can be used.");
        // Exactly the budget fits.
        EXPECT_TRUE(SizeCheck({5, 2}).perSite<std::int32_t>().fits());
        EXPECT_EQ(SizeCheck({5, 2}).perSite<std::int32_t>().warning(), "");
    }
    EXPECT_EQ(SizeCheck::budget(), machine);

    EXPECT_EQ(SizeCheck::memoryText(1023), "1023 bytes");
    EXPECT_EQ(SizeCheck::memoryText(1024), "1.0 KiB");
    EXPECT_EQ(SizeCheck::memoryText(1536), "1.5 KiB");
    EXPECT_EQ(SizeCheck::memoryText(5LL << 30), "5.0 GiB");
    EXPECT_EQ(SizeCheck::memoryText(3LL << 40), "3.0 TiB");
}

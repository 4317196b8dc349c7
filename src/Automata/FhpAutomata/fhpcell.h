#pragma once

#include <cstdint>

namespace Automata {
namespace FhpAutomata {

// One site of the hexagonal lattice gas: six direction channels and the site's
// flags, packed into one word, plus the fill level of a reservoir site.
//
// The channel accessors keep the model's inverted encoding: a channel reads 0
// when a particle moves in that direction and 1 when none does. Internally a
// set bit means a particle is present, so empty sites are all-zero and whole
// neighbourhoods stream with a few masks.
class FhpCell {
public:
    static constexpr unsigned EastBit = 1u << 0;
    static constexpr unsigned WestBit = 1u << 1;
    static constexpr unsigned NorthEastBit = 1u << 2;
    static constexpr unsigned NorthWestBit = 1u << 3;
    static constexpr unsigned SouthEastBit = 1u << 4;
    static constexpr unsigned SouthWestBit = 1u << 5;
    static constexpr unsigned ChannelBits = 0x3Fu;
    static constexpr unsigned ObstacleBit = 1u << 6;
    static constexpr unsigned SourceBit = 1u << 7;
    static constexpr unsigned SubstrateBit = 1u << 8;
    static constexpr unsigned DepositBit = 1u << 9;
    static constexpr unsigned FlagBits = ObstacleBit | SourceBit | SubstrateBit | DepositBit;

    static constexpr float defaultSourceLevel = 0.9f;

    std::uint32_t getEast() const { return channel(EastBit); }
    std::uint32_t getWest() const { return channel(WestBit); }
    std::uint32_t getNorthEast() const { return channel(NorthEastBit); }
    std::uint32_t getNorthWest() const { return channel(NorthWestBit); }
    std::uint32_t getSouthEast() const { return channel(SouthEastBit); }
    std::uint32_t getSouthWest() const { return channel(SouthWestBit); }

    // 0 puts a particle into the channel, anything else empties it.
    void setEast(std::uint32_t value) { setChannel(EastBit, value); }
    void setWest(std::uint32_t value) { setChannel(WestBit, value); }
    void setNorthEast(std::uint32_t value) { setChannel(NorthEastBit, value); }
    void setNorthWest(std::uint32_t value) { setChannel(NorthWestBit, value); }
    void setSouthEast(std::uint32_t value) { setChannel(SouthEastBit, value); }
    void setSouthWest(std::uint32_t value) { setChannel(SouthWestBit, value); }

    bool isObstacle() const { return bits & ObstacleBit; }
    bool isSource() const { return bits & SourceBit; }
    bool isSubstrate() const { return bits & SubstrateBit; }
    bool isDeposit() const { return bits & DepositBit; }
    void setObstacle(bool on) { setFlag(ObstacleBit, on); }
    void setSource(bool on) { setFlag(SourceBit, on); }
    void setSubstrate(bool on) { setFlag(SubstrateBit, on); }
    void setDeposit(bool on) { setFlag(DepositBit, on); }

    float getSourceLevel() const { return sourceLevel; }
    // Levels outside [0, 1] are not probabilities and are ignored.
    void setSourceLevel(float level)
    {
        if (level >= 0.0f && level <= 1.0f)
            sourceLevel = level;
    }

    // The packed form, for rules that work on whole neighbourhoods.
    std::uint16_t getBits() const { return bits; }
    void setBits(std::uint16_t value) { bits = value; }
    // A set bit per particle present (EastBit ... SouthWestBit).
    unsigned particles() const { return bits & ChannelBits; }
    void setParticles(unsigned present)
    {
        bits = static_cast<std::uint16_t>((bits & ~ChannelBits) | (present & ChannelBits));
    }
    int particleCount() const { return particleCount(particles()); }
    static int particleCount(unsigned present)
    {
        return __builtin_popcount(present & ChannelBits);
    }

    bool operator==(const FhpCell& other) const
    {
        return bits == other.bits && sourceLevel == other.sourceLevel;
    }
    bool operator!=(const FhpCell& other) const { return !(*this == other); }

private:
    std::uint32_t channel(unsigned bit) const { return (bits & bit) ? 0u : 1u; }
    void setChannel(unsigned bit, std::uint32_t value) { setFlag(bit, value == 0); }
    void setFlag(unsigned bit, bool on)
    {
        bits = static_cast<std::uint16_t>(on ? (bits | bit) : (bits & ~bit));
    }

    std::uint16_t bits = 0;
    float sourceLevel = defaultSourceLevel;
};

} // namespace FhpAutomata
} // namespace Automata

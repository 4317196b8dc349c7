#pragma once

namespace Automata {
namespace FilmEtching {

// One voxel of an exposed photoresist layer: how far it is developed, how
// fast it dissolves (1.0 or 0.1, from the mask) and a length scale of the
// update. A cell is blocked once fully developed: the update leaves it alone.
class PhotoresistCell {
public:
    // Developed and blocked together: 1.0 at or above this, otherwise 0.
    static constexpr float fullyDeveloped = 0.999999f;

    float getDeveloped() const { return developed; }
    float getRate() const { return rate; }
    float getCellLength() const { return cellLength; }
    bool isBlocked() const { return blocked; }

    // At or above fullyDeveloped the value is stored and the cell blocked;
    // below it the cell is undeveloped (0) and free to develop.
    void setDeveloped(float value)
    {
        blocked = value >= fullyDeveloped;
        developed = blocked ? value : 0.0f;
    }
    void setRate(float value) { rate = value; }

    float developed = 0.0f;
    float rate = 1.0f;
    float cellLength = 1.0f;
    bool blocked = false;
};

} // namespace FilmEtching
} // namespace Automata

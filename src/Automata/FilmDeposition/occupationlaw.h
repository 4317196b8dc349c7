#pragma once

#include "huygensparameters.h"

namespace Automata {
namespace FilmDeposition {

// How the deposition radius of an anisotropic Huygens source shrinks with the
// occupation around it: the full radius at or below the threshold, linearly
// less above it, nothing at and beyond the maximum occupation.
class OccupationLaw {
public:
    explicit OccupationLaw(const HuygensParameters& parameters)
        : threshold(parameters.occupationThreshold), maximum(parameters.maximumOccupation),
          slope(-1.0f / (parameters.maximumOccupation - parameters.occupationThreshold)),
          intercept(1.0f - slope * parameters.occupationThreshold)
    {
    }

    // The share of the full radius a source deposits at; negative for none.
    // A maximum at or below the threshold leaves no room for the linear part
    // (its slope would be infinite or of the wrong sign): the law is then a
    // step, the full radius at or below the threshold and nothing above.
    float factor(float occupation) const
    {
        if (occupation <= threshold)
            return 1.0f;
        if (maximum <= threshold || occupation > maximum)
            return -1.0f;
        return slope * occupation + intercept;
    }

    // The factor is 1 at or below this occupation...
    float fullUpTo() const { return threshold; }
    // ... and none above this one.
    float noneAbove() const { return maximum <= threshold ? threshold : maximum; }

    float getSlope() const { return slope; }
    float getIntercept() const { return intercept; }

private:
    float threshold;
    float maximum;
    float slope;
    float intercept;
};

} // namespace FilmDeposition
} // namespace Automata

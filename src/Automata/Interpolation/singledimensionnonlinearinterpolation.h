#pragma once

#include "singledimensionlinearinterpolation.h"

namespace Automata {
namespace Interpolation {

// The ring relaxation with a cubic estimate from four neighbours:
// 0.5 (v[i-1] + v[i+1]) + 0.125 (2 v[i] - v[i-2] - v[i+2]).
class SingleDimensionNonlinearInterpolation : public SingleDimensionLinearInterpolation {
public:
    using SingleDimensionLinearInterpolation::SingleDimensionLinearInterpolation;

    void updateCell(int i) override;

protected:
    void sweep() override;
};

} // namespace Interpolation
} // namespace Automata

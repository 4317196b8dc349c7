#pragma once

namespace Automata {
namespace Surfaces {

// A surface's match function made from a comparer of two cells: a cell is
// inside when Cmp(cell, reference) holds, as a family's comparer decides
// (for films, the same material whatever the other fields hold).
template <typename T, typename Cmp>
class ReferenceMatch {
public:
    explicit ReferenceMatch(const T& reference, Cmp compare = Cmp())
        : reference(reference), compare(compare)
    {
    }

    bool operator()(const T& cell) const { return compare(cell, reference); }

private:
    T reference;
    Cmp compare;
};

} // namespace Surfaces
} // namespace Automata

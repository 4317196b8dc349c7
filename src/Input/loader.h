#pragma once

namespace Automata {
class Automaton;
}

namespace Input {

// Gathers what one model needs (options, an initial image) and builds it.
// T groups loaders by the cell type of their family.
template <typename T>
class Loader {
public:
    virtual ~Loader() = default;
    // The new model (owned by the caller), or null when there is no usable
    // input or the user cancelled the option dialog.
    virtual Automata::Automaton* load() = 0;
};

} // namespace Input

#pragma once

#include "../Automata/MixedAutomata/materialcode.h"
#include "Persistence/grid.h"
#include "loader.h"

class QWidget;

namespace Input {

// Builds the microfabrication volume from its dimensions: empty space with a
// block of silicon, as the dimensions dialog gives them, and opens the
// process options beside the model.
class MixedAutomataManagerLoader : public Loader<Automata::MixedAutomata::MaterialCode> {
public:
    explicit MixedAutomataManagerLoader(QWidget* parent = nullptr);

    Automata::Automaton* load() override;

    // The volume of width x length x height empty voxels with the block
    // [siX, siX + siWidth) x [siY, siY + siLength) x [siZ, siZ + siHeight)
    // of silicon, clipped to the volume; none, after the size warning, when
    // the model would not fit in memory.
    static Persistence::Grid<Automata::MixedAutomata::MaterialCode>
    volume(int width, int length, int height, int siX, int siY, int siZ, int siWidth,
           int siLength, int siHeight);

private:
    Persistence::Grid<Automata::MixedAutomata::MaterialCode> codes;
    QWidget* parent;
};

} // namespace Input

#pragma once

#include <vector>

#include "loader.h"

class QWidget;

namespace Input {

// Asks for a mask picture (pure red masks the top face) and builds the
// multi-automata etcher on a block 300 deep, with its switching form.
class MultiAutomataEtcherLoader : public Loader<bool> {
public:
    explicit MultiAutomataEtcherLoader(QWidget* parent);

    Automata::Automaton* load() override;

    static constexpr int depth = 300;

private:
    QWidget* parent;
    int width = 0;
    int height = 0;
    std::vector<unsigned char> topMask;
};

} // namespace Input

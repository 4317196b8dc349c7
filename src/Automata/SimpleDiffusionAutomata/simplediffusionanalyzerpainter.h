#pragma once

#include "../painter.h"

namespace Automata {
namespace SimpleDiffusionAutomata {

class SimpleDiffusionAnalyzer;

// Draws each site as two stacked grey points whose level is the site's
// occupancy average, on a dark blue background.
class SimpleDiffusionAnalyzerPainter : public Painter {
public:
    explicit SimpleDiffusionAnalyzerPainter(SimpleDiffusionAnalyzer* automaton);

    void paint() override;
    int getWidth() override;
    int getHeight() override;

private:
    SimpleDiffusionAnalyzer* analyzer;
};

} // namespace SimpleDiffusionAutomata
} // namespace Automata

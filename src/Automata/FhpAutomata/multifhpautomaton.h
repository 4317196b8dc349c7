#pragma once

#include <memory>
#include <vector>

#include "../automaton.h"
#include "fhpautomaton.h"
#include "multifhpautomatonpainter.h"

namespace Automata {
namespace FhpAutomata {

// An ensemble of FHP gases run side by side from one initial state. After
// each step the particle momentum is summed over the members, kept for the
// last stepsToAverage steps and averaged over square blocks of scaleFactor
// sites; the mean velocity of each block sits at the block's corner.
class MultiFhpAutomaton : public Automaton {
public:
    // With switchProbability other than 0 the members are AccelerationFhp
    // gases driving a shear flow, otherwise plain FhpAutomaton gases.
    MultiFhpAutomaton(int width, int height, const FhpCell* initial, int memberCount, int scaleFactor,
                      int stripWidth, float switchProbability, int stepsToAverage);

    void step() override;
    // An ensemble average has no picture of its own: nothing is saved.
    void save() override;
    void setSaveAll(bool saveAll, int interval) override;
    Painter* getPainter() override;
    long long getSiteCount() const override;

    // Sums the momentum of columns [from, to) into the current ring slot and
    // averages it onto the block corners: the work of one averaging task.
    // Bands must hold whole blocks.
    void averageColumns(int from, int to);

    int getWidth() const { return width; }
    int getHeight() const { return height; }
    int getMemberCount() const { return static_cast<int>(automata.size()); }
    FhpAutomaton* getMember(int index) const { return automata[static_cast<std::size_t>(index)].get(); }
    int getScaleFactor() const { return scaleFactor; }
    int getStepsToAverage() const { return stepsToAverage; }
    int getRingSlot() const { return ringSlot; }
    int getFilledSlots() const { return filledSlots; }
    // Averaged velocity at site (x, y); meaningful at block corners.
    float getVelocityX(int x, int y) const { return velocityX[index(x, y)]; }
    float getVelocityY(int x, int y) const { return velocityY[index(x, y)]; }
    // Momentum of all members in ring slot `slot` at site (x, y).
    float getMomentumX(int slot, int x, int y) const;
    float getMomentumY(int slot, int x, int y) const;

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(x) * height + y; }

    std::vector<std::unique_ptr<FhpAutomaton>> automata;
    int width;
    int height;
    int scaleFactor;
    std::vector<std::vector<float>> momentumX;
    std::vector<std::vector<float>> momentumY;
    std::vector<float> velocityX;
    std::vector<float> velocityY;
    int ringSlot = 0;
    int filledSlots = 1;
    int stepsToAverage;
    bool saveFrames = false;
    std::unique_ptr<MultiFhpAutomatonPainter> painter;
};

} // namespace FhpAutomata
} // namespace Automata

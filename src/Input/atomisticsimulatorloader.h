#pragma once

#include <vector>

#include "../Automata/SiEtch/atomisticsimulator.h"
#include "loader.h"

class QWidget;

namespace Input {

// Shows the substrate dialog and reads the masks it names: pure red pixels
// are masked. Builds the atomistic wet etch simulator in the chosen form
// (single side, double sided or sphere) with a screen archiver and, for the
// masked forms, its options form. A cancelled dialog builds nothing.
class AtomisticSimulatorLoader : public Loader<bool> {
public:
    explicit AtomisticSimulatorLoader(QWidget* parent);

    Automata::Automaton* load() override;

protected:
    // A new M etched from the top under the top mask; null without one.
    template <typename M>
    Automata::Automaton* buildSingleSide() const
    {
        if (topMask.empty())
            return nullptr;
        return new M(width, height, depth, Automata::SiEtch::AtomisticSimulator::siliconLatticeConstant,
                     topMask);
    }

    QWidget* parent;
    int width = 0;
    int height = 0;
    int depth = 0;
    int diameter = 0;
    std::vector<unsigned char> topMask;
    std::vector<unsigned char> bottomMask;
    // 1 single side, 2 double sided, 3 sphere; 0 when nothing can be built.
    int mode = 0;

private:
    bool readMasks(const QString& top, const QString& bottom, bool twoSided);
};

} // namespace Input

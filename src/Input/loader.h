#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

#include "Automata/sizecheck.h"
#include "Interaction/interaction.h"
#include "Persistence/grid.h"
#include "Persistence/imagefiles.h"

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

    // What a lattice model of width x height built from the loader's cells
    // holds at once: the three colour planes of a saved picture, the loader's
    // cells and the lattice's two buffers. Models that keep more add to it.
    static Automata::SizeCheck latticeCheck(int width, int height)
    {
        return Automata::SizeCheck({width, height}).perSite<unsigned char>(3).perSite<T>(3);
    }

    // Whether the model the check describes fits in memory; when it does
    // not, the size warning is shown and nothing may be built.
    static bool fits(const Automata::SizeCheck& check)
    {
        if (check.fits())
            return true;
        Interaction::interaction().warning(nullptr, QString(),
                                           QString::fromStdString(check.warning()));
        return false;
    }

    // Refuses, with the size warning, a picture whose model, as
    // check(width, height) describes it, would not fit in memory: asked with
    // the size from the picture's header, before it is decoded.
    template <typename Check>
    static Persistence::ImageFiles::SizeFilter sizeFilter(Check check)
    {
        return [check](const QSize& size) { return fits(check(size.width(), size.height())); };
    }

protected:
    // Runs the model's option dialog. A cancelled dialog releases the cells,
    // so load() builds nothing.
    static bool runOptionDialog(QDialog& dialog, Persistence::Grid<T>& cells)
    {
        if (Interaction::interaction().exec(&dialog) == QDialog::Accepted)
            return true;
        cells = Persistence::Grid<T>();
        return false;
    }
};

} // namespace Input

#pragma once

#include <QImage>
#include <QString>

#include "Persistence/grid.h"
#include "loader.h"

class QWidget;

namespace Input {

// Builds the 3D distance-counting model from a height map: voxel (x, y, z)
// is substrate below the red value of pixel (x, y), in a volume 100 voxels
// deep, and then shows the model's form without waiting. The file dialog
// opens where the last picture of this loader came from, at first in the
// home folder.
class DistanceCountingFilmDeposition3DLoader : public Loader<int> {
public:
    static constexpr int depth = 100;

    explicit DistanceCountingFilmDeposition3DLoader(QWidget* parent);

    Automata::Automaton* load() override;

    // The voxel states of a height map when the model built from it fits in
    // memory; none, after the size warning, when it does not, and none for a
    // null picture. No dialog is shown.
    static Persistence::Grid<int> volumeFrom(const QImage& image);
    static QString& rememberedPath();

private:
    Persistence::Grid<int> cells;
    QWidget* parent;
};

} // namespace Input

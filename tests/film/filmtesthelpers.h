#pragma once

#include <vector>

#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include "Automata/FilmDeposition/filmcell.h"

namespace FilmTest {

using Automata::FilmDeposition::FilmCell;
using Automata::FilmDeposition::FilmDepositionCell;

// A width x height lattice of empty cells with distinct values and stamps,
// so tests can see that growth keeps them.
inline std::vector<FilmCell> emptyLattice(int width, int height)
{
    std::vector<FilmCell> cells(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = FilmCell(Automata::FilmDeposition::Empty, 10.0f + static_cast<float>(i),
                            static_cast<std::uint32_t>(i));
    return cells;
}

// A substrate volume: voxel (x, y, z) is substrate when z < heights[x * height + y].
inline std::vector<FilmCell> heightVolume(int width, int height, int depth,
                                          const std::vector<int>& heights)
{
    std::vector<FilmCell> cells(static_cast<std::size_t>(width) * height * depth);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            for (int z = 0; z < depth; ++z)
                cells[(static_cast<std::size_t>(x) * height + y) * depth + z].type =
                    z < heights[static_cast<std::size_t>(x) * height + y]
                        ? Automata::FilmDeposition::Substrate
                        : Automata::FilmDeposition::Empty;
    return cells;
}

// Saves a picture filled with white and returns its path in dir.
inline QString savePicture(const QTemporaryDir& dir, const QString& name, const QImage& image)
{
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

inline QImage whitePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    return image;
}

} // namespace FilmTest

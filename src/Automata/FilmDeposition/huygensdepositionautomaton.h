#pragma once

#include <string>
#include <vector>

#include "../automaton2d.h"
#include "filmcell.h"
#include "huygensemission.h"
#include "huygensparameters.h"

namespace Automata {
namespace FilmDeposition {

// Film growth by Huygens sources: every substrate or film site touching empty
// space (the space beyond the lattice included) turns all empty sites within
// rate x time step of it into film, in one step. y grows upwards; time is in
// minutes.
class HuygensDepositionAutomaton : public Automaton2D<FilmCell> {
public:
    // Copies width x height sites in lattice order into both lattices.
    HuygensDepositionAutomaton(int width, int height, const FilmCell* initial,
                               const HuygensParameters& parameters);

    void step() override;
    void save() override;
    double getTime() override;
    std::string getTimeInfo() override;
    const float* getColor(const FilmCell& cell) override;
    // Upright like the loaded picture: site (x, y) is pixel (x, height - 1 - y).
    void exportImage(unsigned char* red, unsigned char* green, unsigned char* blue) override;

    // The rule at one site, from the current into the next lattice: a solid
    // site writes itself and emits when it touches empty space.
    virtual void updateCell(int x, int y);
    // Deposits around the source at (x, y) into the next lattice. (Qt's
    // signal keyword is set aside for the declaration.)
#pragma push_macro("emit")
#undef emit
    virtual void emit(int x, int y);
#pragma pop_macro("emit")
    // The eight neighbours in the order (x-1, y), (x-1, y+1), (x, y+1),
    // (x+1, y+1), (x+1, y), (x+1, y-1), (x, y-1), (x-1, y-1); beyond the
    // lattice a constant empty cell, so the border is open space.
    virtual void neighbours(int x, int y, const FilmCell* out[8]);

    float getRate() const { return rate; }
    float getTimeStep() const { return timeStep; }
    float getCellSize() const { return cellSize; }

protected:
    using Source = HuygensEmission::Source;

    // Makes the next lattice ready for the sources to write into.
    virtual void prepareStep();
    // Appends the sources of column x, in order of y.
    virtual void findSources(int x, std::vector<Source>& out);
    // The largest squared distance the source at (x, y) deposits at, or
    // negative for none; only reads the lattice.
    virtual long long reach(int x, int y) const;

    // The eight neighbours in the order of neighbours(), `outside` beyond
    // the lattice.
    void neighboursWith(int x, int y, const FilmCell* out[8], const FilmCell& outside) const
    {
        static const int offsets[8][2] = {{-1, 0}, {-1, 1}, {0, 1}, {1, 1},
                                          {1, 0},  {1, -1}, {0, -1}, {-1, -1}};
        for (int i = 0; i < 8; ++i)
            out[i] = &at(x + offsets[i][0], y + offsets[i][1], outside);
    }
    // The current site, or the outside cell beyond the lattice.
    const FilmCell& at(int x, int y, const FilmCell& outside) const
    {
        if (x < 0 || x >= width || y < 0 || y >= height)
            return outside;
        return cells[static_cast<std::size_t>(x) * height + y];
    }
    // Whether any of the eight neighbours is of the given type, the outside
    // reading as `outside`.
    bool touches(int x, int y, FilmDepositionCell type, FilmDepositionCell outside) const
    {
        if (x > 0 && y > 0 && x + 1 < width && y + 1 < height) {
            const FilmCell* c = cells + static_cast<std::size_t>(x) * height + y;
            const int h = height;
            return c[-h - 1].type == type || c[-h].type == type || c[-h + 1].type == type
                   || c[-1].type == type || c[1].type == type || c[h - 1].type == type
                   || c[h].type == type || c[h + 1].type == type;
        }
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                if (dx == 0 && dy == 0)
                    continue;
                const int nx = x + dx;
                const int ny = y + dy;
                const bool inside = nx >= 0 && nx < width && ny >= 0 && ny < height;
                if ((inside ? cells[static_cast<std::size_t>(nx) * height + ny].type : outside) == type)
                    return true;
            }
        return false;
    }
    // Deposits around the given sources.
    void emitAll(const std::vector<Source>& sources);

    // Marks, for the sources of this step, every site with an empty site
    // among itself and its two vertical neighbours; rows beyond the lattice
    // count as empty when `outsideOpen`.
    void markEmptyAlongColumns(bool outsideOpen);
    // After markEmptyAlongColumns: whether the 3 x 3 block around (x, y)
    // holds an empty site, columns beyond the lattice empty when
    // `outsideOpen`. For a solid site, whether it touches empty space.
    bool nearEmpty(int x, int y, bool outsideOpen) const
    {
        const unsigned char* middle = emptyAlongColumns.data() + static_cast<std::size_t>(x) * height + y;
        return (x > 0 ? middle[-height] : outsideOpen) || middle[0]
               || (x + 1 < width ? middle[height] : outsideOpen);
    }

    float rate;
    float timeStep;
    float elapsedTime = 0.0f;
    float cellSize;

private:
    std::vector<unsigned char> emptyAlongColumns;
};

} // namespace FilmDeposition
} // namespace Automata

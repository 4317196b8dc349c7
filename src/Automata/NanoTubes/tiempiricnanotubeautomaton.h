#pragma once

#include <vector>

#include "../automaton2d.h"
#include "ticell.h"

namespace Automata::NanoTubes {

// Grows a row of titanium-oxide nanotubes of a given outer diameter D, wall
// thickness w and depth L into titanium. Pores are seeded in columns every
// D along the oxide surface; every cell carries a vector to its nearest pore
// source, propagated cell to cell like a distance transform. Ti within D/2 of
// a pore axis turns into oxide, and oxide within D/2 - w of it opens into
// electrolyte, leaving a wall of thickness w. A step is one propagation sweep.
class TiEmpiricNanotubeAutomaton : public Automaton2D<TiCell> {
public:
    // The values the options dialog gives, in nanometres.
    struct Parameters {
        bool basicParameters = true;
        float cellDimension = 10.0f;
        float diameter = 120.0f;
        float wallThickness = 25.0f;
        float depth = 300.0f;
    };

    // codes: 0 electrolyte, 1 Ti, 2 oxide, 3 oxide of the second colour.
    TiEmpiricNanotubeAutomaton(int width, int height, const int* codes);

    static int convertColor(int red, int green, int blue) { return phaseFromColor(red, green, blue); }

    void setBasicParameters(bool given) { basicParameters = given; }
    void setNanotubeDiameter(float value) { diameter = value; }
    void setNanotubeDepth(float value) { depth = value; }
    void setWallThickness(float value) { wallThickness = value; }
    void setCellSize(float value) { cellSizeX = cellSizeY = value; }
    // Builds the cells from the codes and seeds the pores; called after the
    // parameters are set.
    void setUp();

    void step() override;
    void save() override {}
    void setSaveAll(bool, int) override {}
    double getTime() override { return currentStep; }
    std::string getTimeInfo() override { return {}; }
    const float* getColor(const TiCell& cell) override;

    // A = (D/2)^2 and B = max(0, D/2 - w)^2.
    float squaredOxideRadius() const { return oxideRadius2; }
    float squaredPoreRadius() const { return poreRadius2; }
    // P = floor(D / s): pore columns stand at x = 0, P, 2P ...
    int porePitch() const;

private:
    void updateColumns(int from, int to);
    TiCell nextCell(const TiCell* column, const TiCell* left, const TiCell* right, int y) const;
    bool hasElectrolyteAround(int x, int y) const;

    std::vector<int> codes;
    float oxideRadius2 = 0.0f;
    float poreRadius2 = 0.0f;
    float cellSizeX = 1.0f;
    float cellSizeY = 1.0f;
    bool basicParameters = false;
    float depth = 0.0f;
    float diameter = 0.0f;
    float wallThickness = 0.0f;
};

} // namespace Automata::NanoTubes

#include <cmath>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/dealgroveoxidation2d.h"
#include "crosssection.h"

using namespace Automata::FilmDeposition;
using OxidationTest::CrossSection;

namespace {

// The dialog's defaults.
struct LawParameters {
    double temperature = 1073.0;
    double initialTime = 1.4;
    double linearEnergy = 2.0;
    double a0 = 3.71e6;
    double parabolicEnergy = 1.23;
    double b0 = 772.0;
};

// The Deal-Grove growth rate (um/h) after t hours, from the textbook form
// x^2 + A x = B (t + tau): dx/dt = B / sqrt(A^2 + 4 B (t + tau)).
double dealGrove(const LawParameters& p, double t)
{
    const double kT = 8.62e-5 * p.temperature;
    const double b = p.b0 * std::exp(-p.parabolicEnergy / kT);
    const double a = b / (p.a0 * std::exp(-p.linearEnergy / kT));
    return b / std::sqrt(a * a + 4.0 * b * (t + p.initialTime));
}

// A silicon cell below oxide, growth 0.01 um/h on 0.001 um cells in 0.01 h steps.
DealGroveOxidation2D make(const LawParameters& p)
{
    const CrossSection section({"O", "S"});
    return DealGroveOxidation2D(1, 2, section.cells.data(), 0.01f, 0.001f, 0.01f, 1.0f,
                                float(p.temperature), float(p.initialTime), float(p.linearEnergy),
                                float(p.a0), float(p.parabolicEnergy), float(p.b0));
}

} // namespace

TEST(DealGroveOxidation, FirstStepRunsAtTheDialogRateLaterStepsFollowTheLaw)
{
    const LawParameters p;
    DealGroveOxidation2D model = make(p);
    model.step();
    const float afterFirst = model.getCells()[1].value;
    EXPECT_NEAR(afterFirst, 1.0 - 0.01 * 0.1 * 0.56, 1e-7);

    // Rate in cells per step: growth times step duration over cell size.
    const double expectedRate = dealGrove(p, 0.01) * 0.01 / 0.001;
    EXPECT_NEAR(model.getRate(), expectedRate, expectedRate * 1e-4);
    model.step();
    EXPECT_NEAR(model.getCells()[1].value, afterFirst - 0.01 * expectedRate * 0.56, 1e-7);

    for (int k = 2; k < 50; ++k)
        model.step();
    const double later = dealGrove(p, 0.5) * 0.01 / 0.001;
    EXPECT_NEAR(model.getRate(), later, later * 1e-3);
    EXPECT_LT(model.getRate(), expectedRate); // the parabolic law slows down
    EXPECT_NEAR(model.getTime(), 0.5, 1e-5);
}

TEST(DealGroveOxidation, WithoutParabolicPrefactorItKeepsTheDialogRate)
{
    LawParameters p;
    p.b0 = 0.0;
    DealGroveOxidation2D model = make(p);
    for (int k = 1; k <= 10; ++k) {
        model.step();
        EXPECT_NEAR(model.getRate(), 0.1, 1e-6);
        EXPECT_NEAR(model.getCells()[1].value, 1.0 - k * 0.01 * 0.1 * 0.56, 1e-6);
    }
}

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <QImage>

#include "Automata/SimpleDiffusionAutomata/simplediffusionanalyzer.h"
#include "Automata/SimpleDiffusionAutomata/simplediffusionautomaton.h"
#include "Automata/painter.h"
#include "viewrenderer.h"

using namespace Automata::SimpleDiffusionAutomata;

TEST(DiffusionPainter, SitesAreColouredByTheirChannels)
{
    const std::vector<Particles> right{Particle, Particle, NoParticle, NoParticle, Other};
    const std::vector<Particles> left{Particle, NoParticle, Particle, NoParticle, NoParticle};
    SimpleDiffusionAutomaton model(5, right.data(), left.data());
    QString error;
    // A frame as large as the drawing, so one unit is one pixel.
    const QImage frame = ViewRenderer::renderOffscreen(model.getPainter(), ViewCamera(), 10, 2, &error);
    if (frame.isNull())
        GTEST_SKIP() << error.toStdString();
    std::vector<QRgb> colours;
    for (int x = 0; x < frame.width(); ++x)
        for (int y = 0; y < frame.height(); ++y)
            colours.push_back(frame.pixel(x, y) & 0xFFFFFF);
    auto drawn = [&](QRgb c) { return std::count(colours.begin(), colours.end(), c) > 0; };
    EXPECT_TRUE(drawn(0xFFFF00u));
    EXPECT_TRUE(drawn(0xFF0000u));
    EXPECT_TRUE(drawn(0x00FF00u));
    EXPECT_TRUE(drawn(0xFFFFFFu));
    // Left to right: both channels, right only, left only.
    int firstYellow = -1, firstRed = -1, firstGreen = -1;
    for (int x = frame.width() - 1; x >= 0; --x)
        for (int y = 0; y < frame.height(); ++y) {
            const QRgb c = frame.pixel(x, y) & 0xFFFFFF;
            if (c == 0xFFFF00u)
                firstYellow = x;
            if (c == 0xFF0000u)
                firstRed = x;
            if (c == 0x00FF00u)
                firstGreen = x;
        }
    EXPECT_LT(firstYellow, firstRed);
    EXPECT_LT(firstRed, firstGreen);
}

TEST(DiffusionPainter, AnalyzerDrawsGreyAveragesOnADarkBlueBackground)
{
    const std::vector<Particles> right{Particle, NoParticle, NoParticle, NoParticle};
    const std::vector<Particles> none(4, NoParticle);
    SimpleDiffusionAnalyzer model(4, right.data(), none.data());
    QString error;
    const QImage frame = ViewRenderer::renderOffscreen(model.getPainter(), ViewCamera(), 40, 20, &error);
    if (frame.isNull())
        GTEST_SKIP() << error.toStdString();
    // Away from the drawing only the painter's clear colour shows.
    // (0, 0.1, 0.2) as bytes, within the frame buffer's rounding.
    const QRgb corner = frame.pixel(0, 0);
    EXPECT_EQ(qRed(corner), 0);
    EXPECT_NEAR(qGreen(corner), 25.5, 1);
    EXPECT_NEAR(qBlue(corner), 51, 1);
    bool white = false, black = false;
    for (int x = 0; x < frame.width(); ++x)
        for (int y = 0; y < frame.height(); ++y) {
            const QRgb c = frame.pixel(x, y) & 0xFFFFFF;
            white = white || c == 0xFFFFFFu;
            black = black || c == 0x000000u;
        }
    EXPECT_TRUE(white) << "the occupied site is drawn at average 1";
    EXPECT_TRUE(black) << "empty sites are drawn at average 0";
}

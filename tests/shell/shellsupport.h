#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <gtest/gtest.h>

#include "Automata/automaton2d.h"
#include "Automata/painter2d.h"
#include "mainwindow.h"

namespace ShellTest {

// Cells are colour indices: 0 black, 1 white, 2 red. Counts its steps and paints,
// and lets a test act inside step() and save().
class TestModel : public Automata::Automaton2D<int> {
public:
    TestModel(int width, int height, int fill = 1) : Automaton2D<int>(width, height)
    {
        for (std::size_t i = 0; i < cellCount(); ++i)
            cells[i] = fill;
        painter = new RecordingPainter(this);
        ++alive;
    }
    ~TestModel() override { --alive; }

    void step() override
    {
        ++steps;
        if (insideStep)
            insideStep();
        ++finishedSteps;
    }
    void save() override
    {
        if (insideSave)
            insideSave();
    }
    void setSaveAll(bool on, int interval) override
    {
        Automaton2D<int>::setSaveAll(on, interval);
        saveAllCalls.push_back({on, interval});
    }
    double getTime() override { return finishedSteps; }
    std::string getTimeInfo() override { return " steps"; }
    const float* getColor(const int& cell) override { return palette[cell]; }

    void setCell(int x, int y, int value) { cells[index(x, y)] = value; }

    std::vector<int> paintedAt; // the number of steps finished at each paint
    int steps = 0;
    int finishedSteps = 0;
    std::vector<std::pair<bool, int>> saveAllCalls;
    std::function<void()> insideStep;
    std::function<void()> insideSave;

    static inline int alive = 0;

private:
    class RecordingPainter : public Automata::Painter2D<int> {
    public:
        explicit RecordingPainter(TestModel* model) : Painter2D<int>(model), model(model) {}
        void paint() override
        {
            model->paintedAt.push_back(model->finishedSteps);
            Painter2D<int>::paint();
        }

    private:
        TestModel* model;
    };

    float palette[3][3] = {{0.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 1.0f}, {1.0f, 0.0f, 0.0f}};
};

inline void expectQuaternion(const float* q, double w, double x, double y, double z)
{
    const double expected[4] = {w, x, y, z};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(q[i], expected[i], 1e-6) << "component " << i;
}

// Lets the event loop work until the condition holds or the bound passes.
inline bool processUntil(const std::function<bool()>& done, int boundMs = 3000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > boundMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Delivers everything already queued, including calls a run() queues again.
inline void drainEvents(int rounds = 50)
{
    for (int i = 0; i < rounds; ++i)
        QCoreApplication::processEvents();
}

} // namespace ShellTest

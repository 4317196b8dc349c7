#pragma once

#include <functional>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include "mainwindow.h"
#include "testmodel.h"

namespace ShellTest {

// Lets the event loop work until the condition holds or the bound passes;
// returns whether the condition held.
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

// Loads a model of the test's own through the window's Load.
inline void loadModel(MainWindow& window, Automata::Automaton* model)
{
    window.setFactory([model](int, QWidget*) { return model; });
    window.load();
}

} // namespace ShellTest

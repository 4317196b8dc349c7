#include <QApplication>

#include <gtest/gtest.h>

#include "Input/scriptedinteraction.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // No test may ever wait on a real dialog: anything not scripted by the
    // test itself is answered as cancelled or accepted with its defaults.
    Input::ScriptedInteraction fallback;
    Input::Interaction::install(&fallback);
    const int result = RUN_ALL_TESTS();
    Input::Interaction::install(nullptr);
    return result;
}

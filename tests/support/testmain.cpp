#include <QApplication>

#include <gtest/gtest.h>

#include "Interaction/scriptedinteraction.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // No test may ever wait on a real dialog: anything not scripted by the
    // test itself is answered as cancelled or accepted with its defaults.
    Interaction::ScriptedInteraction fallback;
    Interaction::Interaction::install(&fallback);
    const int result = RUN_ALL_TESTS();
    Interaction::Interaction::install(nullptr);
    return result;
}

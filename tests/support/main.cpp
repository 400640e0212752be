#include "core/ui/GuardedApplication.h"

#include <gtest/gtest.h>

// Widget tests need the program's application object; the offscreen platform
// comes from the test's environment (QT_QPA_PLATFORM=offscreen).
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

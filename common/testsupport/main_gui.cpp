#include "qtdialogs.h"
#include "testenv.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    kb::test::TestRun run; // before the application reads the environment
    kb::Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return run.finish(RUN_ALL_TESTS());
}

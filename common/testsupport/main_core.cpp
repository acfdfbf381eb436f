#include "testenv.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    kb::test::TestRun run; // before the application reads the environment
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return run.finish(RUN_ALL_TESTS());
}

#include "dialogs.h"
#include "testenv.h"

#include <gtest/gtest.h>

using namespace kb;

TEST(FileDialog, ANameWithoutExtensionGetsTheDefaultOne)
{
    test::TestFolder folder;
    folder.fake().fileAnswers = {QStringLiteral("/tmp/result"), QStringLiteral("/tmp/result.dat"), QStringLiteral("/tmp/plain"), QString()};
    EXPECT_EQ(chooseFile(nullptr, QStringLiteral("t"), QString(), true, QStringLiteral("qvx")), u"/tmp/result.qvx");
    EXPECT_EQ(chooseFile(nullptr, QStringLiteral("t"), QString(), true, QStringLiteral("qvx")), u"/tmp/result.dat");
    EXPECT_EQ(chooseFile(nullptr, QStringLiteral("t"), QString(), false), u"/tmp/plain");
    EXPECT_EQ(chooseFile(nullptr, QStringLiteral("t"), QString(), false, QStringLiteral("qvx")), u""); // a cancel stays a cancel
}

// One running instance: the lock in the temporary folder.
#include <QUuid>
#include <gtest/gtest.h>

#include "ui/SingleInstance.h"

using vrm::SingleInstance;

TEST(MainWindowSingleInstance, SecondInstanceIsRefusedUntilTheFirstEnds)
{
    // A lock name of this test's own, so that a running tool is not disturbed.
    const QString name = QStringLiteral("vrm530-test-%1.lock").arg(QUuid::createUuid().toString(QUuid::Id128));
    {
        SingleInstance first(name);
        ASSERT_TRUE(first.acquire());
        SingleInstance second(name);
        EXPECT_FALSE(second.acquire());
    }
    SingleInstance later(name);
    EXPECT_TRUE(later.acquire());
}

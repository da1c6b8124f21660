// One running instance: the lock in the temporary folder.
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QUuid>
#include <gtest/gtest.h>

#include "ui/SingleInstance.h"

using vrm::SingleInstance;
using Outcome = vrm::SingleInstance::Outcome;

TEST(MainWindowSingleInstance, SecondInstanceIsRefusedUntilTheFirstEnds)
{
    // A lock name of this test's own, so that a running tool is not disturbed.
    const QString name = QStringLiteral("vrm530-test-%1.lock").arg(QUuid::createUuid().toString(QUuid::Id128));
    {
        SingleInstance first(name);
        ASSERT_EQ(first.acquire(), Outcome::Acquired);
        SingleInstance second(name);
        EXPECT_EQ(second.acquire(), Outcome::HeldByAnother);
    }
    SingleInstance later(name);
    EXPECT_EQ(later.acquire(), Outcome::Acquired);
}

TEST(MainWindowSingleInstance, ALockThatCannotBeCreatedIsNotASecondInstance)
{
    // A "folder" that is a file: no lock can be made there, whoever runs the test.
    QTemporaryFile notAFolder;
    ASSERT_TRUE(notAFolder.open());
    QTemporaryDir dir;
    for (const QString& folder : {notAFolder.fileName(), dir.filePath(QStringLiteral("missing"))}) {
        SCOPED_TRACE(folder.toStdString());
        SingleInstance instance(QStringLiteral("vrm530-config.lock"), folder);
        EXPECT_EQ(instance.acquire(), Outcome::Unavailable);
    }
}

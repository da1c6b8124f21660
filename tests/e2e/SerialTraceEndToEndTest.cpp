// The serial trace of a Program against vrm530-sim: every byte the simulator
// received and sent is in it, frame by frame, and the password is not.
#include <QAction>
#include <QFile>

#include "e2e/EndToEndFixture.h"
#include "link/SerialTrace.h"

using namespace vrm;
using namespace vrm::test;

namespace {

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The hexadecimal bytes of the trace lines of one direction, in order, as
// one text; "**" (a hidden byte) becomes a pattern for any byte.
QString tracedBytes(const QString& trace, const QString& direction)
{
    QStringList bytes;
    for (const QString& line : trace.split('\n', Qt::SkipEmptyParts)) {
        if (line.contains(QLatin1Char(' ') + direction + QLatin1Char(' ')) && line.contains(QStringLiteral(" | ")))
            bytes << line.section(QStringLiteral(" | "), 1).trimmed();
    }
    return bytes.join(QLatin1Char(' '));
}

// What the simulator printed for one direction ("<-" received, "->" answered).
QString simulatorBytes(const QString& simTrace, const QString& direction)
{
    QStringList bytes;
    for (const QString& line : simTrace.split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(direction + QLatin1Char(' ')) && line.size() > 3)
            bytes << line.mid(3).trimmed();
    }
    return bytes.join(QLatin1Char(' '));
}

// True when the bytes `traced` run, in order and without a gap, somewhere in
// `seen`; a hidden byte ("**") stands for any byte.
bool tracedWithin(const QString& traced, const QString& seen)
{
    const QStringList t = traced.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QStringList s = seen.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype start = 0; start + t.size() <= s.size(); ++start) {
        qsizetype i = 0;
        while (i < t.size() && (t[i] == QStringLiteral("**") || t[i] == s[start + i]))
            ++i;
        if (i == t.size())
            return true;
    }
    return false;
}

} // namespace

TEST_F(EndToEnd, TheTraceOfAProgramHoldsEveryFrameAndNotThePassword)
{
    start();
    struct StopTrace {
        ~StopTrace() { stopSerialTrace(); }
    } stopTraceAtEnd;
    const QString path = dir_.filePath(QStringLiteral("exchange.log"));
    auto* toggle = form_->findChild<QAction*>(QStringLiteral("SerialTrace"));
    ASSERT_NE(toggle, nullptr);
    ASSERT_TRUE(startSerialTrace(path));
    ASSERT_TRUE(serialTraceActive());

    setImagePassword("Zq7#xK9!");
    trigger("Programm");
    ASSERT_EQ(actionText(), QStringLiteral("Перезагрузка устройства инициированна"));
    // Off through the Settings menu, as the installer would.
    toggle->setChecked(true);
    toggle->setChecked(false);
    EXPECT_FALSE(serialTraceActive());

    const QString trace = fileText(path);
    const QString sent = tracedBytes(trace, QStringLiteral("->"));
    const QString answered = tracedBytes(trace, QStringLiteral("<-"));
    ASSERT_FALSE(sent.isEmpty()) << trace.left(3000).toStdString();
    // The simulator saw exactly these bytes in this order, hidden ones aside.
    EXPECT_TRUE(waitUntil(
        [&] {
            received();
            return tracedWithin(sent, simulatorBytes(traced_, QStringLiteral("<-")))
                && tracedWithin(answered, simulatorBytes(traced_, QStringLiteral("->")));
        },
        3000));

    // Each frame of the Program on its own line, with what it means.
    EXPECT_EQ(trace.count(QStringLiteral("-> cmd 6 write area 1")), 21);
    EXPECT_EQ(trace.count(QStringLiteral("<- cmd 7 read area 1 reply")), 21);
    EXPECT_EQ(trace.count(QStringLiteral("-> cmd 17 password, payload hidden | 05 11 09 00 ** ** ** ** ** ** ** ** ** **")),
              1);
    EXPECT_EQ(trace.count(QStringLiteral("-> cmd 16 restart")), 1);
    EXPECT_TRUE(trace.contains(QStringLiteral("-> cmd 5 identity query")));

    // The password went to the controller, but not into the trace.
    const QString passwordHex = QStringLiteral("5A 71 37 23 78 4B 39 21");
    EXPECT_TRUE(simulatorBytes(traced_, QStringLiteral("<-")).contains(passwordHex));
    EXPECT_FALSE(trace.contains(passwordHex));
    EXPECT_FALSE(trace.contains(QStringLiteral("Zq7#xK9!")));
}

#pragma once
// Collects what a transaction reports, in order.


#include <ostream>
#include <QStringList>
#include <utility>
#include <vector>

#include "link/Transaction.h"

namespace vrm::test {

class RecordingSink : public TransactionSink {
public:
    struct Status {
        QString text;
        StatusKind kind;
    };

    void status(const QString& text, StatusKind kind) override { statuses.push_back({text, kind}); }
    void progress(int position, int maximum) override { progresses.emplace_back(position, maximum); }

    QStringList texts() const
    {
        QStringList all;
        for (const Status& s : statuses)
            all << s.text;
        return all;
    }
    Status last() const { return statuses.empty() ? Status{} : statuses.back(); }

    std::vector<Status> statuses;
    std::vector<std::pair<int, int>> progresses;
};

} // namespace vrm::test

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* out)
{
    *out << bytes.toHex(' ').toStdString();
}

#include "ui/StartupFile.h"

#include <QUrl>

namespace vrm {

QString startupFile(const QStringList& arguments)
{
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')))
            continue;
        if (argument.isEmpty())
            continue;
        if (argument.startsWith(QLatin1String("file:"))) {
            const QUrl url(argument);
            if (url.isLocalFile())
                return url.toLocalFile();
        }
        return argument;
    }
    return {};
}

} // namespace vrm

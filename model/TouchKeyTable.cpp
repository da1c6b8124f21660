#include "model/TouchKeyTable.h"

#include "model/KeyCode.h"

namespace vrm {

KeyArrivalResult receiveKey(QList<TouchKeyRow>& rows, const QString& code)
{
    const KeyCode presented = keyCodeFromText(code);
    for (int i = 0; i < rows.size(); ++i) {
        if (!rows[i].code.trimmed().isEmpty() && keyCodeFromText(rows[i].code) == presented)
            return {KeyArrival::AlreadyInTable, i};
    }
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].code.trimmed().isEmpty()) {
            rows[i].code = keyCodeText(presented);
            rows[i].name = QStringLiteral("KEY%1").arg(i + 1);
            rows[i].arm = true;
            rows[i].disarm = true;
            rows[i].profile = QStringLiteral("-");
            return {KeyArrival::Added, i};
        }
    }
    return {KeyArrival::MemoryFull, -1};
}

void moveKeyRow(QList<TouchKeyRow>& rows, int from, int to)
{
    if (from < 0 || to < 0 || from >= rows.size() || to >= rows.size() || from == to)
        return;
    rows.move(from, to);
}

} // namespace vrm

#include "ui/LoadFailureText.h"

namespace vrm {

QString loadFailureText(LoadResult result)
{
    switch (result) {
    case LoadResult::CannotOpen: return QStringLiteral("Невозможно открыть файл");
    case LoadResult::UnknownFormat: return QStringLiteral("Неизвестный формат файла");
    case LoadResult::VersionMismatch:
        return QStringLiteral("Несоответствие версий! Файл не может быть использован для конфигурирования этого "
                              "устройства.");
    case LoadResult::Loaded: break;
    }
    return {};
}

} // namespace vrm

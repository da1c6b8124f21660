#include "ui/LoadFailureText.h"

#include "model/UiText.h"

namespace vrm {

QString loadFailureText(LoadResult result)
{
    switch (result) {
    case LoadResult::CannotOpen: return Ui::tr("Невозможно открыть файл");
    case LoadResult::UnknownFormat: return Ui::tr("Неизвестный формат файла");
    case LoadResult::VersionMismatch:
        return Ui::tr("Несоответствие версий! Файл не может быть использован для конфигурирования этого "
                      "устройства.");
    case LoadResult::Loaded: break;
    }
    return {};
}

QString openConfigurationTitle()
{
    return Ui::tr("Открытие файла конфигурации");
}

} // namespace vrm

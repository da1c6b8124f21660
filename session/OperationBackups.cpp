#include "session/OperationBackups.h"

#include <QDir>

#include "model/UiText.h"
#include "session/OperationHost.h"

namespace vrm {

void OperationBackups::keep(const QString& imei, BackupKind kind, const QByteArray& mainBlock)
{
    const QString folder = host_.backupFolder();
    if (folder.isEmpty())
        return;
    const BackupResult result = writeBackup(folder, imei, kind, mainBlock);
    if (!result.ok() && pendingError_.isEmpty())
        pendingError_ = result.error;
}

void OperationBackups::reportFailure()
{
    if (pendingError_.isEmpty())
        return;
    const QString error = pendingError_;
    pendingError_.clear();
    if (warned_)
        return;
    warned_ = true;
    host_.showWarning(Ui::tr("Резервные копии"),
                      Ui::tr("Резервная копия конфигурации не сохранена: %1.\nОперация с контроллером "
                             "выполнена. Резервные копии сохраняются в папку \"%2\". Это сообщение больше не "
                             "появится до перезапуска программы.")
                          .arg(error, QDir::toNativeSeparators(host_.backupFolder())));
}

} // namespace vrm

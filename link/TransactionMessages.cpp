#include "link/TransactionMessages.h"

#include "link/Transaction.h"
#include "model/UiText.h"

namespace vrm {

QStringList transactionMessageSources()
{
    static const char* const sources[] = {
        QT_TRANSLATE_NOOP("Ui", "Невозможно открыть "),
        QT_TRANSLATE_NOOP("Ui", "Идентификация..."),
        QT_TRANSLATE_NOOP("Ui", "Передача данных в память контроллера..."),
        QT_TRANSLATE_NOOP("Ui", "Ошибка порта "),
        QT_TRANSLATE_NOOP("Ui", "Чтение данных из памяти контроллера..."),
        QT_TRANSLATE_NOOP("Ui", "Программирование завершено успешно"),
        QT_TRANSLATE_NOOP("Ui", "Ошибка, найдены несоответствия в данных"),
        QT_TRANSLATE_NOOP("Ui", "Данные считаны"),
        QT_TRANSLATE_NOOP("Ui", "Данные в памяти контроллера аналогичны текущим"),
        QT_TRANSLATE_NOOP("Ui", "Данные в памяти контроллера отличаются от текущих"),
        QT_TRANSLATE_NOOP("Ui", "Версия устройства считана"),
        QT_TRANSLATE_NOOP("Ui", "Данные переданы"),
        QT_TRANSLATE_NOOP("Ui", "Перезагрузка устройства инициированна"),
        QT_TRANSLATE_NOOP("Ui", "Нет корректного ответа от устройства"),
        QT_TRANSLATE_NOOP("Ui", "Нет ответа от устройства"),
        QT_TRANSLATE_NOOP("Ui", "Ошибка передачи данных, код 1"),
        QT_TRANSLATE_NOOP("Ui", "Ошибка передачи данных, код 2"),
        QT_TRANSLATE_NOOP("Ui", "Ошибка передачи данных, код 3"),
        QT_TRANSLATE_NOOP("Ui", "Внутренняя ошибка взаимодействия с FLASH памятью"),
        QT_TRANSLATE_NOOP("Ui", "Взаимодействие запрещено без указания пароля, команды чтения/записи и ряд "
                                "управляющих команд не могут быть выполнены"),
    };
    QStringList texts;
    for (const char* source : sources)
        texts << QString::fromUtf8(source);
    return texts;
}

QStringList defaultTransactionMessages()
{
    return translatedAll(transactionMessageSources());
}

namespace message {

QString badAreaText()
{
    return Ui::tr("Ошибка идентификатора области FLASH памяти");
}

} // namespace message
} // namespace vrm

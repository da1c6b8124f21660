#include "ui/LanguageMenu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMessageBox>

#include "model/UiText.h"
#include "ui/InterfaceLanguage.h"

namespace vrm {

QMenu* createLanguageMenu(QWidget* window)
{
    auto* menu = new QMenu(Ui::tr("Язык интерфейса"), window);
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(menu);
    const QString remembered = rememberedInterfaceLanguage();
    const struct {
        QString code;
        QString name;
    } choices[] = {{language::russian, QStringLiteral("Русский")}, {language::english, QStringLiteral("English")}};
    for (const auto& choice : choices) {
        QAction* action = menu->addAction(choice.name);
        action->setObjectName(QStringLiteral("Language_") + choice.code);
        action->setCheckable(true);
        action->setChecked(choice.code == remembered);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, window, [window, code = choice.code] {
            if (code == rememberedInterfaceLanguage())
                return;
            rememberInterfaceLanguage(code);
            QMessageBox::information(window, Ui::tr("Язык интерфейса"),
                                     Ui::tr("Язык интерфейса изменится при следующем запуске программы."));
        });
    }
    return menu;
}

} // namespace vrm

#include "ui/FieldCompareActions.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QSaveFile>

#include "model/ConfigFile.h"
#include "model/FieldCompare.h"
#include "model/RegularFile.h"
#include "model/TextForm.h"
#include "model/UiText.h"
#include "session/ControllerSession.h"
#include "ui/FieldDifferencesWindow.h"
#include "ui/TForm1.h"
#include "ui/LoadFailureText.h"

namespace vrm {

namespace {

QString compareTitle()
{
    return Ui::tr("Сравнение с файлом");
}

QString exportTitle()
{
    return Ui::tr("Экспорт в текст");
}

QString importTitle()
{
    return Ui::tr("Импорт из текста");
}

QString textFilter()
{
    return Ui::tr("Текстовый вид конфигурации (*.txt)");
}

constexpr std::size_t kPasswordOffset = layout::commonBlock[0].base + layout::common::systemPassword.info.offset;

void clearPassword(ConfigImage& image)
{
    std::fill_n(image.data() + kPasswordOffset, layout::common::systemPassword.info.width, uint8_t(0));
}

void warn(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox::warning(parent, caption, text, QMessageBox::Ok);
}

QString chooseFile(TForm1& form, const QString& title, const QString& filter, const QString& suffix, bool save)
{
    QFileDialog dialog(&form, title, form.programDirectory());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setNameFilter(filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

class FieldCompare : public QObject {
public:
    explicit FieldCompare(TForm1& form) : QObject(&form), form_(form) { setObjectName(QStringLiteral("FieldCompare")); }

    void showDifferences(const QString& title, const QString& otherSide, const QList<FieldDifference>& differences)
    {
        if (!window_)
            window_ = new FieldDifferencesWindow([this](int page) { form_.selectPage(page); }, &form_);
        window_->showDifferences(title, otherSide, differences);
    }

    void controllerDiffers(const QByteArray& mainBlock)
    {
        ConfigImage held = form_.image();
        std::copy(mainBlock.cbegin(), mainBlock.cend(), held.data() + blocks::main.offset);
        showDifferences(Ui::tr("Различия с контроллером"), Ui::tr("В контроллере"),
                        compareMainBlocks(form_.image(), held));
    }

    void compareWithFile()
    {
        const QString path = chooseFile(form_, compareTitle(), TForm1::configFileFilter(), QStringLiteral("cnt"), false);
        if (!path.isEmpty())
            compareWithFile(path);
    }

    void compareWithFile(const QString& path)
    {
        form_.storeAndShowShownPage();
        ConfigImage other = form_.image();
        if (const LoadResult result = readConfigFile(path, other); result != LoadResult::Loaded) {
            warn(&form_, compareTitle(), loadFailureText(result));
            return;
        }
        // A file never carries the administrator password: the one typed here is no difference.
        ConfigImage own = form_.image();
        clearPassword(own);
        const QList<FieldDifference> differences = compareMainBlocks(own, other);
        if (differences.isEmpty()) {
            QMessageBox::information(&form_, compareTitle(),
                                     Ui::tr("Текущая конфигурация совпадает с файлом %1").arg(QFileInfo(path).fileName()));
            return;
        }
        showDifferences(Ui::tr("Различия с файлом %1").arg(QFileInfo(path).fileName()),
                        Ui::tr("В файле"), differences);
    }

    void exportToText()
    {
        form_.storeAndShowShownPage();
        const QString path = chooseFile(form_, exportTitle(), textFilter(), QStringLiteral("txt"), true);
        if (path.isEmpty())
            return;
        // A file never carries the administrator password.
        ConfigImage copy = form_.image();
        clearPassword(copy);
        const QByteArray text = exportText(copy);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
            warn(&form_, exportTitle(), Ui::tr("Невозможно сохранить файл"));
    }

    void importFromText()
    {
        const QString path = chooseFile(form_, importTitle(), textFilter(), QStringLiteral("txt"), false);
        if (path.isEmpty())
            return;
        QFile file;
        if (!openRegularFileForReading(file, path)) {
            warn(&form_, importTitle(), loadFailureText(LoadResult::CannotOpen));
            return;
        }
        TextImportError error;
        if (!importText(file.readAll(), form_.image(), error)) {
            warn(&form_, importTitle(), Ui::tr("Файл не загружен, %1").arg(error.message()));
            return;
        }
        form_.showShownPage();
        form_.setStatusPanel(0, path);
    }

private:
    TForm1& form_;
    QPointer<FieldDifferencesWindow> window_;
};

QAction* newAction(QObject* parent, const char* name, const QString& text)
{
    auto* action = new QAction(text, parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

void installFieldCompare(TForm1& form)
{
    auto* compare = new FieldCompare(form);
    QAction* compareFile = newAction(&form, "FileCompare1", Ui::tr("Сравнить с файлом…"));
    QAction* exportAction = newAction(&form, "FileExportText1", Ui::tr("Экспорт в текст…"));
    QAction* importAction = newAction(&form, "FileImportText1", Ui::tr("Импорт из текста…"));
    QObject::connect(compareFile, &QAction::triggered, compare, [compare] { compare->compareWithFile(); });
    QObject::connect(exportAction, &QAction::triggered, compare, &FieldCompare::exportToText);
    QObject::connect(importAction, &QAction::triggered, compare, &FieldCompare::importFromText);
    QObject::connect(form.session(), &ControllerSession::controllerDiffers, compare, &FieldCompare::controllerDiffers);

    QAction* exit = form.findChild<QAction*>(QStringLiteral("FileExit1"));
    QMenu* file = form.menuBar()->actions().isEmpty() ? nullptr : form.menuBar()->actions().constFirst()->menu();
    if (!file)
        return;
    QAction* before = exit && file->actions().contains(exit) ? exit : nullptr;
    // Before the separator that precedes "Закрыть".
    const QList<QAction*> actions = file->actions();
    const qsizetype at = before ? actions.indexOf(before) : -1;
    if (at > 0 && actions[at - 1]->isSeparator())
        before = actions[at - 1];
    file->insertActions(before, {compareFile, exportAction, importAction});
    file->insertSeparator(compareFile);
}

void compareWithConfigurationFile(TForm1& form, const QString& path)
{
    // Only installFieldCompare makes a child of that name.
    if (QObject* compare = form.findChild<QObject*>(QStringLiteral("FieldCompare"), Qt::FindDirectChildrenOnly))
        static_cast<FieldCompare*>(compare)->compareWithFile(path);
}

} // namespace vrm

#include "ui/ReportActions.h"

#include <QAction>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <optional>

#include "model/FactoryImage.h"
#include "model/UiText.h"
#include "report/ReportContent.h"
#include "report/ReportHtml.h"
#include "report/ReportOutput.h"
#include "session/ControllerSession.h"
#include "ui/OpenDocument.h"
#include "ui/TForm1.h"

namespace vrm {

namespace {

constexpr std::size_t kPasswordOffset = layout::commonBlock[0].base + layout::common::systemPassword.info.offset;
constexpr std::size_t kPasswordWidth = layout::common::systemPassword.info.width;

QByteArray mainBlockWithoutPassword(const ConfigImage& image)
{
    QByteArray bytes(reinterpret_cast<const char*>(image.data() + blocks::main.offset), qsizetype(blocks::main.size));
    bytes.replace(qsizetype(kPasswordOffset - blocks::main.offset), qsizetype(kPasswordWidth), QByteArray(qsizetype(kPasswordWidth), '\0'));
    return bytes;
}

class WindowReport : public QObject {
public:
    explicit WindowReport(TForm1& form) : QObject(&form), form_(form)
    {
        setObjectName(QStringLiteral("WindowReport"));
        connect(form.session(), &ControllerSession::configurationTransferred, this,
                [this](bool programmed) { transferred(programmed); });
    }

    QString html()
    {
        form_.storeAndShowShownPage();
        const ConfigImage& image = form_.image();
        ReportHeader header{QFileInfo(form_.document()->path()).fileName(), QDateTime::currentDateTime(), {}};
        // The controller heads the report only while the configuration is still what it holds.
        if (transfer_ && transfer_->mainBlock == mainBlockWithoutPassword(image))
            header.controller = transfer_->controller;
        return reportHtml(buildReportContent(image, buildFactoryImage(), false), header);
    }

    void print()
    {
        const QString report = html();
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(reportTitle());
        QPrintPreviewDialog preview(&printer, &form_);
        preview.setWindowTitle(Ui::tr("Печать"));
        connect(&preview, &QPrintPreviewDialog::paintRequested, this,
                [&report](QPrinter* target) { printReport(report, *target); });
        preview.exec();
    }

    void exportToFile()
    {
        QFileDialog dialog(&form_, Ui::tr("Экспорт отчёта"), form_.programDirectory());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        const QString pdf = Ui::tr("Отчёт PDF (*.pdf)");
        const QString html = Ui::tr("Отчёт HTML (*.html *.htm)");
        dialog.setNameFilters({pdf, html});
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, html](const QString& filter) {
            dialog.setDefaultSuffix(filter == html ? QStringLiteral("html") : QStringLiteral("pdf"));
        });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        exportTo(QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath());
    }

    bool exportTo(const QString& path)
    {
        QString reason;
        if (writeReport(path, html(), reason))
            return true;
        QMessageBox::warning(&form_, Ui::tr("Экспорт отчёта"), reason, QMessageBox::Ok);
        return false;
    }

private:
    struct Transfer {
        ReportController controller;
        QByteArray mainBlock;
    };

    void transferred(bool programmed)
    {
        const IdentityTexts& identity = form_.session()->shownIdentity();
        transfer_ = Transfer{{identity.deviceName, identity.firmwareText(), identity.imei,
                              QDateTime::currentDateTime(), programmed},
                             mainBlockWithoutPassword(form_.image())};
    }

    TForm1& form_;
    std::optional<Transfer> transfer_;
};

WindowReport* reportOf(TForm1& form)
{
    return form.findChild<WindowReport*>(QStringLiteral("WindowReport"), Qt::FindDirectChildrenOnly);
}

QAction* newAction(QObject* parent, const char* name, const QString& text)
{
    auto* action = new QAction(text, parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

void installReportActions(TForm1& form)
{
    auto* report = new WindowReport(form);
    QAction* print = newAction(&form, "FilePrint1", Ui::tr("Печать…"));
    print->setShortcut(QKeySequence::Print);
    QAction* exportAction = newAction(&form, "FileExportReport1", Ui::tr("Экспорт отчёта…"));
    QObject::connect(print, &QAction::triggered, report, [report] { report->print(); });
    QObject::connect(exportAction, &QAction::triggered, report, [report] { report->exportToFile(); });

    QMenu* file = form.menuBar()->actions().isEmpty() ? nullptr : form.menuBar()->actions().constFirst()->menu();
    if (!file)
        return;
    // Before the separator that precedes "Закрыть".
    const QList<QAction*> actions = file->actions();
    QAction* exit = form.findChild<QAction*>(QStringLiteral("FileExit1"));
    QAction* before = exit && actions.contains(exit) ? exit : nullptr;
    const qsizetype at = before ? actions.indexOf(before) : -1;
    if (at > 0 && actions[at - 1]->isSeparator())
        before = actions[at - 1];
    file->insertActions(before, {print, exportAction});
    file->insertSeparator(print);
}

bool exportReport(TForm1& form, const QString& path)
{
    WindowReport* report = reportOf(form);
    return report && report->exportTo(path);
}

QString windowReportHtml(TForm1& form)
{
    WindowReport* report = reportOf(form);
    return report ? report->html() : QString();
}

} // namespace vrm

#include "report/ReportOutput.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextOption>

#include "model/UiText.h"
#include "report/ReportHtml.h"

namespace vrm {

namespace {
constexpr qreal kMarginMillimetres = 15;
constexpr int kPdfResolution = 300;
} // namespace

ReportFormat reportFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return ReportFormat::Pdf;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return ReportFormat::Html;
    return ReportFormat::Unknown;
}

std::unique_ptr<QTextDocument> reportDocument(const QString& html)
{
    auto document = std::make_unique<QTextDocument>();
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSizeF(9);
    // No ligatures: the PDF's text is copied and searched letter by letter ("fi", not one glyph).
    font.setStyleStrategy(QFont::PreferNoShaping);
    document->setDefaultFont(font);
    // Lines break between words only: a narrow column grows to its longest word.
    QTextOption wrapping = document->defaultTextOption();
    wrapping.setWrapMode(QTextOption::WordWrap);
    document->setDefaultTextOption(wrapping);
    document->setHtml(html);
    return document;
}

void printReport(const QString& html, QPagedPaintDevice& device)
{
    reportDocument(html)->print(&device);
}

bool writeReport(const QString& path, const QString& html, QString& error)
{
    const ReportFormat format = reportFormatOf(path);
    if (format == ReportFormat::Unknown) {
        error = Ui::tr("Отчёт сохраняется в файл .pdf или .html");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = Ui::tr("Невозможно сохранить файл");
        return false;
    }
    if (format == ReportFormat::Html) {
        file.write(html.toUtf8());
    } else {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                              QPageLayout::Millimeter);
        writer.setResolution(kPdfResolution);
        writer.setTitle(reportTitle());
        writer.setCreator(QCoreApplication::applicationName());
        printReport(html, writer);
    }
    if (!file.commit()) {
        error = Ui::tr("Невозможно сохранить файл");
        return false;
    }
    return true;
}

} // namespace vrm

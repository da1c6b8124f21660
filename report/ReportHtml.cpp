#include "report/ReportHtml.h"

#include "model/UiText.h"

namespace vrm {

namespace {

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString dateText(const QDateTime& when)
{
    return when.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

// Values keep their blanks (phone numbers, names padded with spaces).
const QString kValueCell = QStringLiteral("<td style=\"white-space: pre-wrap;\">");

// A table of records keeps each cell on one line ("Сценарий 10", a key's code), so that
// its rows stay whole across a page break; its values are short.
const QString kRecordCell = QStringLiteral("<td style=\"white-space: pre;\">");

QString headerRow(const QString& caption, const QString& value)
{
    return QStringLiteral("<tr><td>%1</td>%2%3</td></tr>\n").arg(escaped(caption), kValueCell, escaped(value));
}

QString tableHtml(const ReportTable& table)
{
    QString html;
    if (!table.caption.isEmpty())
        html += QStringLiteral("<h3>%1</h3>\n").arg(escaped(table.caption));
    html += QStringLiteral("<table class=\"%1\" width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<thead><tr>")
                .arg(table.isFieldList ? QStringLiteral("fields") : QStringLiteral("records"));
    for (qsizetype c = 0; c < table.columns.size(); ++c) {
        const QString width = table.isFieldList ? (c == 0 ? QStringLiteral(" width=\"60%\"") : QStringLiteral(" width=\"40%\""))
                                                : QString();
        html += QStringLiteral("<th%1>%2</th>").arg(width, escaped(table.columns[c]));
    }
    html += QStringLiteral("</tr></thead>\n<tbody>\n");
    for (const QStringList& row : table.rows) {
        html += QStringLiteral("<tr>");
        for (qsizetype c = 0; c < row.size(); ++c)
            html += (table.isFieldList ? (c == 0 ? QStringLiteral("<td>") : kValueCell) : kRecordCell) + escaped(row[c])
                    + QStringLiteral("</td>");
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</tbody></table>\n");
    return html;
}

} // namespace

QString reportTitle()
{
    return Ui::tr("Конфигурация контроллера VRM530");
}

QString reportHtml(const ReportContent& content, const ReportHeader& header)
{
    const QString title = content.changedOnly ? Ui::tr("Конфигурация контроллера VRM530: отличия от заводской")
                                              : reportTitle();
    QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n<title>%1</title>\n"
                                  "<style>\n"
                                  "body { font-size: 9pt; }\n"
                                  "h1 { font-size: 15pt; }\n"
                                  "h2 { font-size: 12pt; margin-top: 14px; }\n"
                                  "h3 { font-size: 10pt; }\n"
                                  "table { border-collapse: collapse; border-color: #808080; }\n"
                                  "th { background-color: #e8e8e8; text-align: left; }\n"
                                  "</style></head>\n<body>\n<h1>%1</h1>\n")
                       .arg(escaped(title));
    html += QStringLiteral("<table class=\"header\" cellspacing=\"0\" cellpadding=\"2\">\n");
    if (!header.fileName.isEmpty())
        html += headerRow(Ui::tr("Файл"), header.fileName);
    html += headerRow(Ui::tr("Дата отчёта"), dateText(header.createdAt));
    if (header.controller) {
        const ReportController& controller = *header.controller;
        html += headerRow(Ui::tr("Устройство"), controller.device);
        html += headerRow(Ui::tr("Версия ПО"), controller.firmware);
        html += headerRow(QStringLiteral("IMEI"), controller.imei);
        html += headerRow(controller.programmed ? Ui::tr("Записана в контроллер") : Ui::tr("Считана из контроллера"),
                          dateText(controller.transferredAt));
    }
    if (content.changedOnly)
        html += headerRow(Ui::tr("Содержание"), Ui::tr("только поля, отличающиеся от заводской конфигурации"));
    html += QStringLiteral("</table>\n");
    if (content.sections.isEmpty())
        html += QStringLiteral("<p>%1</p>\n").arg(escaped(Ui::tr("Конфигурация совпадает с заводской.")));
    for (const ReportSection& section : content.sections) {
        html += section.startsGroup ? QStringLiteral("<h2 style=\"page-break-before: always;\">")
                                    : QStringLiteral("<h2>");
        html += escaped(section.heading) + QStringLiteral("</h2>\n");
        for (const ReportTable& table : section.tables)
            html += tableHtml(table);
    }
    html += QStringLiteral("</body></html>\n");
    return html;
}

} // namespace vrm

#pragma once
// The report as HTML: a heading that names the file, the date and, when the
// configuration came from a controller, the controller; then the sections.
// Each section after the first of another kind of record starts a new page
// when printed; every table repeats its heading row on a new page.

#include <QDateTime>
#include <QString>
#include <optional>

#include "report/ReportContent.h"

namespace vrm {

// The controller a configuration was read from or programmed into, as its
// identity record named it.
struct ReportController {
    QString device;     // "VRM530"
    QString firmware;   // "QT.01.02"
    QString imei;
    QDateTime transferredAt;
    bool programmed = false; // written into it rather than read from it
};

struct ReportHeader {
    QString fileName;   // shown as is; empty when the configuration has none
    QDateTime createdAt;
    std::optional<ReportController> controller;
};

// The report's title, also the PDF's.
QString reportTitle();

QString reportHtml(const ReportContent& content, const ReportHeader& header);

} // namespace vrm

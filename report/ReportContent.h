#pragma once
// What a configuration report says, as plain data: the declared fields of the
// main block grouped by the tree page that edits them, each with its readable
// caption and value. A record array edited on one page (scenarios, keys) and
// an array of sub-records (scheduler tasks, input thresholds) become a table
// with a row per record. Fields that no page edits (the signature, inputs
// 9-16) appear only where they differ from the factory configuration. The
// administrator password is left out.

#include <QList>
#include <QString>
#include <QStringList>

#include "model/ConfigImage.h"

namespace vrm {

// A table of the report; a list of fields is a table of two columns.
struct ReportTable {
    QString caption;            // "Задачи"; empty for a section's own fields
    QStringList columns;        // heading row
    QList<QStringList> rows;    // each as many cells as columns
    bool isFieldList = false;   // caption and value per row
};

struct ReportSection {
    int page = -1;              // tree page, -1 for fields no page edits
    QString heading;            // "Вход 3", "Сценарий 1–14"
    bool startsGroup = false;   // first section of another kind of record
    QList<ReportTable> tables;
};

struct ReportContent {
    bool changedOnly = false;   // only what differs from the factory configuration
    QList<ReportSection> sections; // by page, fields no page edits last
};

// The report of `image`, in the interface language; with `changedOnly` the
// fields whose bits equal those of `factory` are left out, and a table keeps
// only the rows and columns that hold a difference.
ReportContent buildReportContent(const ConfigImage& image, const ConfigImage& factory, bool changedOnly);

} // namespace vrm

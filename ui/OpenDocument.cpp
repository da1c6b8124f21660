#include "ui/OpenDocument.h"

#include <QFileInfo>

#include "model/ConfigImage.h"

namespace vrm {

namespace {

// What a configuration file holds of the image: the main block without the
// administrator password, which a file never carries.
QByteArray fileContent(ConfigImage image)
{
    image.setTextPadded(layout::commonBlock[0], layout::common::systemPassword, {});
    const auto block = image.span(blocks::main);
    return QByteArray(reinterpret_cast<const char*>(block.data()), qsizetype(block.size()));
}

} // namespace

OpenDocument::OpenDocument(QString workingFile, CurrentImage current, QObject* parent)
    : QObject(parent), workingFile_(std::move(workingFile)), current_(std::move(current)), path_(workingFile_)
{
}

void OpenDocument::setFile(const QString& path)
{
    path_ = path;
    saved_ = fileContent(current_());
    modified_ = false;
    emit stateChanged(path_, modified_);
}

void OpenDocument::imageShown(const ConfigImage& image)
{
    const QByteArray current = fileContent(current_());
    if (!saved_.isNull() && fileContent(image) == saved_)
        saved_ = current;
    update(current);
}

void OpenDocument::edited()
{
    refresh();
    // Queued, not a timer: it runs once the event of the edit has been handled.
    if (!refreshPosted_) {
        refreshPosted_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                refreshPosted_ = false;
                refresh();
            },
            Qt::QueuedConnection);
    }
}

bool OpenDocument::isWorkingFile() const
{
    return path_ == workingFile_;
}

bool OpenDocument::modified() const
{
    return !saved_.isNull() && fileContent(current_()) != saved_;
}

void OpenDocument::refresh()
{
    update(fileContent(current_()));
}

void OpenDocument::update(const QByteArray& current)
{
    const bool now = !saved_.isNull() && current != saved_;
    if (now != modified_) {
        modified_ = now;
        emit stateChanged(path_, modified_);
    }
}

QString OpenDocument::title(const QString& path, bool modified, const QString& caption)
{
    return QFileInfo(path).fileName() + (modified ? QStringLiteral("*") : QString()) + QStringLiteral(" — ")
           + caption;
}

} // namespace vrm

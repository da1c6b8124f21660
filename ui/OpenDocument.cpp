#include "ui/OpenDocument.h"

#include <QFileInfo>
#include <QTimer>

#include "model/ConfigImage.h"

namespace vrm {

namespace {

// Often enough for the title to follow an edit, rare enough to cost nothing.
constexpr int kCheckIntervalMs = 700;

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
    timer_ = new QTimer(this);
    timer_->setInterval(kCheckIntervalMs);
    connect(timer_, &QTimer::timeout, this, &OpenDocument::refresh);
    timer_->start();
}

void OpenDocument::setFile(const QString& path, const ConfigImage& image)
{
    path_ = path;
    saved_ = fileContent(image);
    modified_ = false;
    emit stateChanged(path_, modified_);
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
    const bool now = modified();
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

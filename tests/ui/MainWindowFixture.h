#pragma once
// Helpers of the main window tests: a fresh working folder per test, and a
// script that answers the modal dialogs an action opens, one step per dialog.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace vrm::test {

// Makes a new temporary folder the working directory; restores the old one.
class WorkingFolder {
public:
    WorkingFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~WorkingFolder() { QDir::setCurrent(previous_); }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a message box said.
struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers modal dialogs in order: each step gets the next modal widget that
// appears. A modal without a step is rejected and counted as unexpected, so
// a test never hangs on a dialog it did not foresee.
class ModalScript {
public:
    using Step = std::function<void(QWidget*)>;

    ModalScript()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    void then(Step step) { steps_.push_back(std::move(step)); }

    // Records a message box and presses `answer`.
    void thenMessage(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        then([this, answer](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            ASSERT_NE(box, nullptr) << "expected a message box, got " << widget->metaObject()->className();
            messages.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            QAbstractButton* button = box->button(answer);
            ASSERT_NE(button, nullptr);
            button->click();
        });
    }

    bool finished() const { return steps_.empty(); }

    std::vector<SeenMessage> messages;
    int unexpected = 0;

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == handled_)
            return;
        handled_ = modal;
        if (steps_.empty()) {
            ++unexpected;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            return;
        }
        // Run the step after this poll returns: a step may open a nested modal
        // that the next polls must see.
        Step step = std::move(steps_.front());
        steps_.erase(steps_.begin());
        QTimer::singleShot(0, modal, [step, modal] { step(modal); });
    }

    QTimer timer_;
    std::vector<Step> steps_;
    QPointer<QWidget> handled_;
};

} // namespace vrm::test

#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

namespace vrm::test {

// What a file dialog offered when it opened.
struct SeenFileDialog {
    QString title;
    QStringList filters;
    QString defaultSuffix;
    QString directory;
    QString proposedName;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
};

// Types `path` into the file dialog's name field and accepts, as a user
// would; an empty path cancels the dialog.
inline ModalScript::Step typeFileName(const QString& path, SeenFileDialog* seen = nullptr)
{
    return [path, seen](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        ASSERT_NE(dialog, nullptr) << "expected a file dialog, got " << widget->metaObject()->className();
        auto* nameEdit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nameEdit, nullptr);
        if (seen) {
            *seen = {dialog->windowTitle(), dialog->nameFilters(), dialog->defaultSuffix(),
                     dialog->directory().absolutePath(), nameEdit->text(), dialog->acceptMode()};
        }
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        nameEdit->setText(path);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own checks run

    };
}

inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 3000)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

} // namespace vrm::test

#pragma once
// The touch-memory key panel of the perimeter pages: the key grid under two
// title lines and a description line, and what a key poll of the controller's
// reader does to them.

#include <QLabel>
#include <QWidget>

#include "ui/pages/io/perimeters/TouchKeyGrid.h"

namespace vrm {

class KeyPanel : public QWidget {
    Q_OBJECT
public:
    // What one poll of the key reader gave.
    enum class Poll { PasswordRefused, KeyRead, NoKey, QueryFailed };

    struct Texts {
        QString keyWithCode;      // "Ключ с кодом: "
        QString alreadyInTable;   // ", уже внесен в таблицу"
        QString memoryFull;       // "Вся память использована"
    };

    // `pageDescription` is the page's own description line, which reports the
    // key arrivals as well.
    KeyPanel(Texts texts, QLabel* pageDescription, QWidget* parent = nullptr);

    TouchKeyGrid* grid() const { return grid_; }
    QLabel* description() const { return description_; }
    QLabel* title() const { return title_; }
    QLabel* readerTitle() const { return readerTitle_; }

    // The outcome of one poll; `code` holds the 16 digits of a key read.
    void keyPolled(Poll poll, const QString& code);

    // The title lines in their normal colour and the description lines empty.
    void reset();

private:
    void setTitlesRed(bool red);

    Texts texts_;
    QLabel* pageDescription_;
    QLabel* title_;
    QLabel* readerTitle_;
    QLabel* description_;
    TouchKeyGrid* grid_;
};

} // namespace vrm

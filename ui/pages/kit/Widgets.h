#pragma once
// Named controls and the page frame with its title line, shared by every page;
// the show rules of combo boxes and check boxes, and the three-state input
// boxes with their pair of 16-bit masks.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <vector>

class QGroupBox;
class QVBoxLayout;

namespace vrm::kit {

QLabel* makeLabel(const QString& text, const QString& objectName = {});
// A label that wraps and takes the width it is given.
QLabel* makeNote(const QString& text, const QString& objectName = {});
QCheckBox* makeCheckBox(const QString& objectName, const QString& caption);
QComboBox* makeComboBox(const QString& objectName, const QStringList& items);
// `qtMask` is in Qt's notation (see the notes beside each page); empty = no mask.
QLineEdit* makeEdit(const QString& objectName, int maxLength, const QString& qtMask = {});
// An edit in which typing stops at `typedLimit` characters, while a text the
// tool shows there (showWholeText) is never cut to that length.
QLineEdit* makeTypedEdit(const QString& objectName, int typedLimit);
void showWholeText(QLineEdit* edit, const QString& text);
// A width given in pixels for the 13-pixel-high font the pages were drawn
// with, grown in proportion to `widget`'s font (a larger font or a screen of
// more dots per inch), never below the pixels given.
int designWidth(const QWidget* widget, int pixels);
QGroupBox* makeGroup(const QString& objectName, const QString& caption);
// The bold page title.
QLabel* makeTitle(const QString& objectName);

// The page's panel: a bold title line on top and a body below it, scrolled when
// `scrolled` (for the tall pages). Returns the body's layout.
struct PageFrame {
    QWidget* panel = nullptr;
    QLabel* title = nullptr;
    QVBoxLayout* body = nullptr;
};
PageFrame makePageFrame(const QString& panelName, const QString& titleName, bool scrolled);

// Gives `box` these items with the first one selected, as clearing it and
// adding them would; a box that has them already keeps them, so an entry step
// that refills its lists costs nothing on a revisit.
void setItems(QComboBox* box, const QStringList& items);

// Numbered item texts: prefix + n + suffix for n in [first, last].
QStringList numberedItems(int first, int last, const QString& suffix = {}, const QString& prefix = {});

// A stored value that has no item shows no selection (and a box without
// selection stores nothing), so a value this tool cannot show survives a visit.
void showIndex(QComboBox* box, uint32_t value);
void showCheck(QCheckBox* box, uint32_t value);

// Input source boxes 1-8: word A has bit i set when box i is grayed or checked,
// word B when it is checked. Bits 8-15 are written as 0.
using InputBoxes = std::array<QCheckBox*, 8>;
uint16_t inputsSetWord(const InputBoxes& boxes);
uint16_t inputsCheckedWord(const InputBoxes& boxes);
void showInputStates(const InputBoxes& boxes, uint16_t setWord, uint16_t checkedWord);

} // namespace vrm::kit

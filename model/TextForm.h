#pragma once
// The text form of a configuration: UTF-8, one line per field of the main
// block, stable in order so that two exports of the same kind diff cleanly.
//
//   # comment lines and blank lines are ignored
//   [21] Вход 1 · Название входа = "Дверь"
//   [21] Вход 1 · При переходе в активное состояние · Реле 1 = 1 # включить
//   [-] Прочие байты по смещению 66 = 00
//
// "[page]" is the tree page that edits the field ("-" where none does), the
// name is the field's readable name, the value its exact form (FieldText.h);
// after a number, "#" starts a comment. Bytes, or bits of bytes, that no field
// owns come last as "Прочие байты по смещению N". Reading the text back gives
// exactly the bytes written; a field left out keeps its factory value.

#include <QByteArray>
#include <QString>

#include "model/ConfigImage.h"

namespace vrm {

// The main block of `image` as text, the administrator password included as it
// stands (callers that write files clear it first, as for .cnt files).
QByteArray exportText(const ConfigImage& image);

struct TextImportError {
    int line = 0;   // 1-based
    QString reason;
    // "строка 12: значение 300 вне диапазона 0..255"
    QString message() const;
};

// Reads a text form into the main block of `image`. On any refusal `image`
// is left unchanged and `error` names the line and the reason.
bool importText(const QByteArray& text, ConfigImage& image, TextImportError& error);

} // namespace vrm

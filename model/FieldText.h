#pragma once
// One field's value as text, both ways. The exact form keeps every byte (the
// text form of a configuration writes and reads it); the readable form is what
// an installer reads in a comparison: item texts for lists, the password hidden.
//
// Exact forms by kind:
//   numbers and bit fields   decimal, "-5" for a signed byte
//   floating point           shortest decimal that gives the same bits back,
//                            or 0x7FC00000 for a value that is no number
//   IPv4                     192.168.1.10
//   text                     "Дверь" with \" \\ and \xHH for bytes that are no
//                            printable character; when the bytes behind the
//                            terminating NUL are not all NUL they follow as
//                            + 00 41 42 (from the NUL on)
//   raw bytes, other bytes   hexadecimal pairs: 0A FF 00

#include <QString>

#include "model/ConfigImage.h"
#include "model/FieldMap.h"

namespace vrm {

QString exactValue(const ConfigImage& image, const FieldEntry& entry);
QString exactValue(const ConfigImage& image, const OtherBytes& other);

// Stores `text` into the field's bytes of `image`; false with the reason when
// the text is malformed or outside the field's domain (`image` is then
// unchanged). A number is accepted when it is one of the field's items, inside
// its declared range, or the field's factory value; a text when it fits the
// field's width in code page 1251.
bool parseExactValue(const QString& text, const FieldEntry& entry, ConfigImage& image, QString& reason);
bool parseExactValue(const QString& text, const OtherBytes& other, ConfigImage& image, QString& reason);

// What the text form writes after a number as a comment, in the interface
// language (the import reads no comment): the item
// it stands for ("включить", "Реле 2") and its unit; a value outside the
// field's domain (other than its factory value) is marked with what is allowed.
// Empty when there is nothing to say.
QString exportComment(const ConfigImage& image, const FieldEntry& entry);

// What an installer reads, in the interface language: item texts for lists,
// numbers with their unit, the password as set or not.
QString readableValue(const ConfigImage& image, const FieldEntry& entry);

// True when the element's own bits are equal in both images.
bool sameValue(const ConfigImage& a, const ConfigImage& b, const FieldEntry& entry);
bool sameValue(const ConfigImage& a, const ConfigImage& b, const OtherBytes& other);

} // namespace vrm

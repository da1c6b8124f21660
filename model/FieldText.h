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
// the text is malformed or out of the field's range (`image` is then unchanged).
bool parseExactValue(const QString& text, const FieldEntry& entry, ConfigImage& image, QString& reason);
bool parseExactValue(const QString& text, const OtherBytes& other, ConfigImage& image, QString& reason);

// The item a number stands for ("включить", "Реле 2") in the interface language,
// empty when it is none. The text form writes it as a comment.
QString itemText(FieldMeaning meaning, uint32_t value);

// What an installer reads, in the interface language: item texts for lists,
// the password as set or not.
QString readableValue(const ConfigImage& image, const FieldEntry& entry);

// True when the element's own bits are equal in both images.
bool sameValue(const ConfigImage& a, const ConfigImage& b, const FieldEntry& entry);
bool sameValue(const ConfigImage& a, const ConfigImage& b, const OtherBytes& other);

} // namespace vrm

#pragma once
// A declared field's domain read as texts and numbers: its items in the
// interface language or as their sources, whether a value lies inside it, and
// what a refusal tells the installer is allowed.

#include <QString>
#include <QStringList>
#include <optional>

#include "model/layout/Declare.h"

namespace vrm {

// The items of `list`: translated for display, or their sources (the Russian
// texts the text form writes).
QStringList itemTexts(const ItemList& list, bool translate);

// The item of a stored value, if the field is chosen from a list holding it.
std::optional<QString> itemText(const FieldInfo& field, long long value, bool translate);

// The least and greatest value a number field may hold: its items' values,
// its declared range, else all that its bits can hold.
struct NumberBounds {
    long long low = 0;
    long long high = 0;
};
NumberBounds kindBounds(const FieldInfo& field);
NumberBounds domainBounds(const FieldInfo& field);

// True when `value` is one of the field's items, inside its declared range, or
// (without either) anything its kind holds.
bool inDomain(const FieldInfo& field, long long value);

// What the field allows, for a refusal: "1..247", or the items (in the
// interface language) with their values.
QString allowedValues(const FieldInfo& field);

// The unit of a number, translated or as its source; empty when it has none.
QString unitText(const FieldInfo& field, bool translate);

} // namespace vrm

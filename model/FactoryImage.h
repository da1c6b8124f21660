#pragma once
// Factory defaults of the configuration image and the operations built on them.

#include <cstdint>
#include <span>

#include "model/ConfigImage.h"

namespace vrm {

// Fills all 23,360 bytes with the factory configuration; the gap 5302-5303 stays zero.
ConfigImage buildFactoryImage();
// Overwrites only the main block (0-5291) with its factory value.
void restoreFactoryMainBlock(ConfigImage& image);
// Overwrites only the modes block (5292-5301) with its factory value.
void restoreFactoryModesBlock(ConfigImage& image);
// Restores the GPRS connection strategy group (2934-2937) and nothing else.
void restoreGprsStrategyDefaults(ConfigImage& image);
// Recomputes byte 32 of phone record `index` (0-499).
void updateRecordCheckByte(ConfigImage& image, int index);
// Removes every blank of a 16-byte phone number in place; returns the new length.
int stripSpaces(std::span<uint8_t, 16> field);
// Format byte equal and version text equal as NUL-terminated text of at most 8 characters.
bool signatureCheck(const ConfigImage& image, const ConfigImage& factory);

} // namespace vrm

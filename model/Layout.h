#pragma once
// The declared memory map of the configuration image: blocks, record arrays
// and fields (model/layout/*.h, one header per page group). Pages bind their
// controls through these declarations, so every offset lives here once.

#include <cstddef>
#include <span>
#include <string_view>

#include "model/layout/Clock.h"
#include "model/layout/Comms.h"
#include "model/layout/Declare.h"
#include "model/layout/Inputs.h"
#include "model/layout/OutputAction.h"
#include "model/layout/Outputs.h"
#include "model/layout/Perimeters.h"
#include "model/layout/Power.h"
#include "model/layout/Profiles.h"
#include "model/layout/Scenarios.h"
#include "model/layout/System.h"

namespace vrm {

struct Block {
    std::size_t offset;
    std::size_t size;
    constexpr std::size_t end() const { return offset + size; }
};

namespace blocks {
constexpr Block image{0, 23360};
constexpr Block main{0, 5292};
constexpr Block modes{5292, 10};
constexpr Block gap{5302, 2};
constexpr Block systemParameters{5304, 24};
constexpr Block phoneListHeader{5328, 32};
constexpr Block phoneRecords{5360, 18000};
constexpr Block phoneList{5328, 18032}; // header and records, one controller area
} // namespace blocks

namespace layout {

// Where the records of one array lie, for walking the whole image.
struct Placement {
    std::string_view name; // the array's name in code
    std::size_t base = 0;
    std::size_t count = 1;
    int firstPage = -1;
    int pages = 0;
    const RecordInfo* record = nullptr;
    // Titles of the records one by one where "%1" cannot say them (relays and outputs).
    std::span<const std::string_view> titles;

    constexpr std::size_t end() const { return base + record->size * count; }
    constexpr int pageOf(std::size_t index) const { return pageOfRecord(firstPage, pages, count, index); }
};

// Every record array of the image, in image order; together they cover it
// byte for byte.
std::span<const Placement> placements();

} // namespace layout
} // namespace vrm

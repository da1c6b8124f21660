#include "model/Layout.h"

#include <array>

namespace vrm::layout {

namespace {

template <class R>
constexpr Placement place(std::string_view name, const RecordArray<R>& array,
                          std::span<const std::string_view> titles = {})
{
    return {name, array.base, array.count, array.firstPage, array.pages, recordInfo(static_cast<const R*>(nullptr)),
            titles};
}

constexpr std::array kPlacements{
    place("signature", signatureBlock),
    place("common", commonBlock),
    place("connections", connections),
    place("inputsCommon", inputsCommonBlock),
    place("inputs", inputs),
    place("outputs", outputs, output::kNames),
    place("scenarios", scenarios),
    place("clock", clockBlock),
    place("power", powerBlock),
    place("balance", balanceBlock),
    place("temperature", temperatureBlock),
    place("gprs", gprsBlock),
    place("servers", servers),
    place("reserved3072", reserved3072Block),
    place("perimeters", perimeters),
    place("reserved3291", reserved3291Block),
    place("touchKeys", touchKeys),
    place("profiles", profiles),
    place("modes", modesBlock),
    place("gap", gapBlock),
    place("systemParameters", systemParameterBlock),
    place("phoneListHeader", phoneListHeaderBlock),
    place("phoneRecords", phoneRecords),
};

} // namespace

std::span<const Placement> placements()
{
    return kPlacements;
}

} // namespace vrm::layout

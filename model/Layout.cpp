#include "model/Layout.h"

#include <array>

namespace vrm::layout {

namespace {
constexpr Field signatureFields[] = {signature::format, signature::version, signature::reserved};
constexpr Field commonFields[] = {common::systemPassword, common::pin, common::dtmfPassword,
                                  common::smsPassword, common::smsCentre};
constexpr Field connectionFields[] = {connection::phone};
constexpr Field inputFields[] = {input::name, input::activeText, input::inactiveText};
constexpr Field outputFields[] = {output::name, output::onText, output::offText};
constexpr Field gprsFields[] = {gprs::apn, gprs::userName, gprs::password, gprs::strategy};
constexpr Field perimeterFields[] = {perimeter::name};
constexpr Field profileFields[] = {profile::name};
constexpr Field phoneRecordFields[] = {phoneRecord::check};

constexpr std::array recordLayouts{
    RecordLayout{"signature", signature::array, signatureFields},
    RecordLayout{"common connection parameters", common::array, commonFields},
    RecordLayout{"connection", connections, connectionFields},
    RecordLayout{"inputs, common", inputsCommon, {}},
    RecordLayout{"input", inputs, inputFields},
    RecordLayout{"output", outputs, outputFields},
    RecordLayout{"scenario", scenarios, {}},
    RecordLayout{"clock and scheduler", scheduler, {}},
    RecordLayout{"power and temperature", power, {}},
    RecordLayout{"balance request", balance, {}},
    RecordLayout{"indication and tamper", powerTail, {}},
    RecordLayout{"GPRS", gprs::array, gprsFields},
    RecordLayout{"server", servers, {}},
    RecordLayout{"reserved", reserved3072, {}},
    RecordLayout{"perimeter", perimeters, perimeterFields},
    RecordLayout{"touch-memory key", touchMemoryKeys, {}},
    RecordLayout{"profile", profiles, profileFields},
    RecordLayout{"phone record", phoneRecords, phoneRecordFields},
};
} // namespace

std::span<const RecordLayout> records()
{
    return recordLayouts;
}

} // namespace vrm::layout

#include "model/Layout.h"

#include <array>

namespace vrm::layout {

namespace {
constexpr Field signatureFields[] = {signature::format, signature::version, signature::reserved};
constexpr Field commonFields[] = {
    common::systemPassword,
    common::pin,
    common::dtmfPassword,
    common::smsPassword,
    common::smsCentre,
    common::callPause,
    common::alwaysAcknowledgeSms,
    common::smsControlOnlyListed,
    common::dtmfControlOnlyListed,
    common::dialPriority,
    common::outdatedMessageTime,
    common::dataProtocol,
    common::modbusAddress,
};
constexpr Field balanceFields[] = {common::ussdCommand, common::balanceKeyword, common::balanceThreshold,
                                   common::balanceRequestPeriod};
constexpr Field connectionFields[] = {
    connection::phone,
    connection::transportPriority,
    connection::groupNumber,
    connection::voiceWaitTime,
    connection::incomingCallAction,
    connection::incomingCallOutput,
    connection::incomingCallOutputAction,
    connection::hangUpIsDelivery,
    connection::voiceEnabled,
    connection::voiceCallLength,
    connection::connectionType,
    connection::voiceInputsSet,
    connection::voiceInputsChecked,
    connection::voiceArm,
    connection::voiceDisarm,
    connection::voiceRestrictedArm,
    connection::voiceSystemEvents,
    connection::voiceTest,
    connection::voiceGps,
    connection::smsWaitTime,
    connection::smsLanguage,
    connection::smsUserIdentity,
    connection::controlErrorCheck,
    connection::smsEnabled,
    connection::jointUse,
    connection::smsInputsSet,
    connection::smsInputsChecked,
    connection::smsArm,
    connection::smsDisarm,
    connection::smsRestrictedArm,
    connection::smsSystemEvents,
    connection::smsTest,
    connection::smsGps,
    connection::smsProfile,
};
constexpr Field inputFields[] = {input::name, input::activeText, input::inactiveText};
constexpr Field outputFields[] = {output::name, output::onText, output::offText};
constexpr Field gprsFields[] = {
    gprs::apn,
    gprs::userName,
    gprs::password,
    gprs::dns1,
    gprs::dns2,
    gprs::inputsSet,
    gprs::inputsChecked,
    gprs::arm,
    gprs::disarm,
    gprs::restrictedArm,
    gprs::systemEvents,
    gprs::test,
    gprs::profile,
    gprs::connectionStrategy,
    gprs::attempts,
    gprs::pingPeriod,
    gprs::blockTime,
    gprs::onlineTime,
};
constexpr Field serverFields[] = {server::address, server::port, server::addressType, server::enabled,
                                  server::gprsWaitTime};
constexpr Field systemParameterFields[] = {
    systemParameters::calibrationLow,
    systemParameters::calibrationBit16,
    systemParameters::calibrationDirection,
    systemParameters::batteryType,
    systemParameters::modemFirmwareUpdate,
    systemParameters::keyCrcCheckOff,
};
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
    RecordLayout{"balance request", balance, balanceFields},
    RecordLayout{"indication and tamper", powerTail, {}},
    RecordLayout{"GPRS", gprs::array, gprsFields},
    RecordLayout{"server", servers, serverFields},
    RecordLayout{"reserved", reserved3072, {}},
    RecordLayout{"perimeter", perimeters, perimeterFields},
    RecordLayout{"touch-memory key", touchMemoryKeys, {}},
    RecordLayout{"profile", profiles, profileFields},
    RecordLayout{"system parameters", systemParameters::array, systemParameterFields},
    RecordLayout{"phone record", phoneRecords, phoneRecordFields},
};
} // namespace

std::span<const RecordLayout> records()
{
    return recordLayouts;
}

} // namespace vrm::layout

#pragma once
// The message bodies the configuration link uses. Parameter lists travel as the plug-in keeps
// them (a count byte, then 32-bit ID, 8-bit length, value), so 0x8103 and 0x0104 carry them
// unchanged.
#include <optional>
#include <span>
#include <string>

#include "tools/jt808/Frame.h"

namespace mdvr::jt808 {

namespace msg {
inline constexpr uint16_t kTerminalResponse = 0x0001;
inline constexpr uint16_t kHeartbeat = 0x0002;
inline constexpr uint16_t kLogout = 0x0003;
inline constexpr uint16_t kRegister = 0x0100;
inline constexpr uint16_t kAuthenticate = 0x0102;
inline constexpr uint16_t kQueryReply = 0x0104;
inline constexpr uint16_t kPlatformResponse = 0x8001;
inline constexpr uint16_t kRegisterReply = 0x8100;
inline constexpr uint16_t kSetParams = 0x8103;
inline constexpr uint16_t kQueryAll = 0x8104;
inline constexpr uint16_t kQueryListed = 0x8106;
}  // namespace msg

// Results of the general responses.
enum class Result : uint8_t { Ok = 0, Failed = 1, BadMessage = 2, Unsupported = 3 };

struct GeneralResponse {
    uint16_t serial = 0;  // of the message answered
    uint16_t msgId = 0;
    Result result = Result::Ok;

    bool operator==(const GeneralResponse&) const = default;
};

enum class RegisterResult : uint8_t {
    Ok = 0,
    VehicleTaken = 1,
    NoSuchVehicle = 2,
    TerminalTaken = 3,
    NoSuchTerminal = 4,
};

// Fixed-width text fields are padded with zero bytes; their widths depend on the version.
struct Registration {
    uint16_t province = 0;
    uint16_t city = 0;
    std::string manufacturer;
    std::string model;
    std::string terminalId;
    uint8_t plateColor = 0;
    std::string plate;

    bool operator==(const Registration&) const = default;
};

struct RegisterReply {
    uint16_t serial = 0;
    RegisterResult result = RegisterResult::Ok;
    std::string authCode;  // only with Ok

    bool operator==(const RegisterReply&) const = default;
};

// 2013 sends the code alone; 2019 adds its length, the IMEI and the software version.
struct Authentication {
    std::string code;
    std::string imei;
    std::string softwareVersion;

    bool operator==(const Authentication&) const = default;
};

struct QueryReply {
    uint16_t serial = 0;  // of the query answered
    Bytes list;           // count byte and items

    bool operator==(const QueryReply&) const = default;
};

Bytes Encode(const GeneralResponse& body);
Bytes Encode(const Registration& body, Version version);
Bytes Encode(const RegisterReply& body);
Bytes Encode(const Authentication& body, Version version);
Bytes Encode(const QueryReply& body);

// Each gives nullopt for a body that is too short or whose fields do not fit.
std::optional<GeneralResponse> DecodeGeneralResponse(std::span<const uint8_t> body);
std::optional<Registration> DecodeRegistration(std::span<const uint8_t> body, Version version);
std::optional<RegisterReply> DecodeRegisterReply(std::span<const uint8_t> body);
std::optional<Authentication> DecodeAuthentication(std::span<const uint8_t> body,
                                                   Version version);
std::optional<QueryReply> DecodeQueryReply(std::span<const uint8_t> body);

}  // namespace mdvr::jt808

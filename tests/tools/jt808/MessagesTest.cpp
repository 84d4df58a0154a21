// Message bodies, byte by byte as the protocol lays them out, in both versions.
#include <gtest/gtest.h>

#include "tools/jt808/Messages.h"

namespace mdvr::jt808 {
namespace {

Bytes Text(std::string_view text, size_t width) {
    Bytes b(text.begin(), text.end());
    b.resize(width, 0);
    return b;
}

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

const Registration kRegistration{0x002C, 0x0133, "MDVR", "X1", "T000001", 1, "A1"};

TEST(Jt808Messages, RegistrationFieldWidthsPerVersion) {
    const Bytes head{0x00, 0x2C, 0x01, 0x33};
    const Bytes tail{0x01, 'A', '1'};
    const struct {
        Version version;
        Bytes body;
    } cases[] = {
        {Version::V2013, Cat({head, Text("MDVR", 5), Text("X1", 20), Text("T000001", 7), tail})},
        {Version::V2019, Cat({head, Text("MDVR", 11), Text("X1", 30), Text("T000001", 30), tail})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Encode(kRegistration, c.version), c.body);
        EXPECT_EQ(DecodeRegistration(c.body, c.version), kRegistration);
        EXPECT_FALSE(DecodeRegistration(Bytes(c.body.begin(), c.body.begin() + 20), c.version));
    }
}

TEST(Jt808Messages, AuthenticationPerVersion) {
    const Authentication auth{"AC1", "860000000000001", "1.0"};
    const Bytes v2013{'A', 'C', '1'};
    const Bytes v2019 = Cat({{0x03, 'A', 'C', '1'}, Text("860000000000001", 15), Text("1.0", 20)});
    EXPECT_EQ(Encode(auth, Version::V2013), v2013);
    EXPECT_EQ(Encode(auth, Version::V2019), v2019);
    EXPECT_EQ(DecodeAuthentication(v2013, Version::V2013)->code, "AC1");
    EXPECT_EQ(DecodeAuthentication(v2019, Version::V2019), auth);
    // A code length that runs past the body.
    EXPECT_FALSE(DecodeAuthentication(Bytes{0x40, 'A'}, Version::V2019));
}

TEST(Jt808Messages, ResponsesAndReplies) {
    const GeneralResponse response{0x1234, 0x8103, Result::Failed};
    EXPECT_EQ(Encode(response), (Bytes{0x12, 0x34, 0x81, 0x03, 0x01}));
    EXPECT_EQ(DecodeGeneralResponse(Encode(response)), response);
    EXPECT_FALSE(DecodeGeneralResponse(Bytes{0x12, 0x34, 0x81, 0x03}));

    const RegisterReply ok{0x0003, RegisterResult::Ok, "AC1"};
    EXPECT_EQ(Encode(ok), (Bytes{0x00, 0x03, 0x00, 'A', 'C', '1'}));
    EXPECT_EQ(DecodeRegisterReply(Encode(ok)), ok);
    const RegisterReply refused{0x0003, RegisterResult::NoSuchTerminal, ""};
    EXPECT_EQ(Encode(refused), (Bytes{0x00, 0x03, 0x04}));  // no code after a refusal
    EXPECT_EQ(DecodeRegisterReply(Encode(refused)), refused);

    const QueryReply reply{0x0007, {0x01, 0x00, 0x00, 0x00, 0x55, 0x01, 0x3C}};
    EXPECT_EQ(Encode(reply), (Bytes{0x00, 0x07, 0x01, 0x00, 0x00, 0x00, 0x55, 0x01, 0x3C}));
    EXPECT_EQ(DecodeQueryReply(Encode(reply)), reply);
    EXPECT_FALSE(DecodeQueryReply(Bytes{0x00}));
}

}  // namespace
}  // namespace mdvr::jt808

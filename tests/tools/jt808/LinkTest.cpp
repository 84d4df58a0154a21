// The platform and terminal sides over loopback: registration, queries, settings, sub-packets
// and both header versions. Faulty replies are the live-link test's, lying frames the fault test's.
#include <gtest/gtest.h>

#include "LinkFixture.h"

namespace mdvr::jt808 {
namespace {

class LinkTest : public LinkFixture {};

TEST_F(LinkTest, QueriesAndSettingsInBothVersions) {
    const struct {
        Version version;
        const char* phone;
        Bytes list;
    } cases[] = {
        {Version::V2013, "013900000001", ListOf(3, 4)},
        {Version::V2019, "00000000013900000002", ListOf(3, 4)},
        {Version::V2013, "13900000003", ListOf(12, 200)},  // 0x0104 in three packets
        {Version::V2019, "13900000004", ListOf(12, 200)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.phone);
        Terminal& t = Start(c.phone, c.version, TerminalSide::Fault::None, c.list);
        const std::string key = PhoneKey(c.phone);
        ASSERT_TRUE(RunUntil([&] { return m_platform.Ready(key); })) << m_log.str();

        for (const Bytes& ids : {Bytes{}, Bytes{0x01, 0x00, 0x00, 0xF0, 0x01}}) {
            Answer got;
            m_platform.Query(key, ids, Into(got));
            ASSERT_TRUE(RunUntil([&] { return got.arrived; })) << m_log.str();
            EXPECT_EQ(got.list, c.list);
        }
        // A list received and sent back unedited arrives with the same items.
        Answer set;
        m_platform.Set(key, c.list, Into(set));
        ASSERT_TRUE(RunUntil([&] { return set.arrived; }));
        EXPECT_TRUE(set.list) << set.why;
        EXPECT_EQ(t.applied, c.list);
    }
}

TEST_F(LinkTest, UnknownTerminalsGetNoConfigurationTraffic) {
    Start("999", Version::V2013);
    ASSERT_TRUE(RunUntil([&] { return m_log.str().find("registration refused") != std::string::npos; }));
    EXPECT_FALSE(m_platform.Ready("999"));
    Answer got;
    m_platform.Query("999", {}, Into(got));
    EXPECT_TRUE(got.arrived);
    EXPECT_FALSE(got.list);
    EXPECT_NE(m_log.str().find("not in the registry"), std::string::npos) << m_log.str();
}

TEST(Jt808Endpoint, AddressAndPortOrNothing) {
    EXPECT_EQ(ParseEndpoint("127.0.0.1:7808").port(), 7808);
    EXPECT_EQ(ParseEndpoint("127.0.0.1:0").port(), 0);  // any free port
    for (const char* bad : {"127.0.0.1", "127.0.0.1:", "127.0.0.1:70000", "127.0.0.1:-1",
                            "localhost:7808", "127.0.0.1:78x"}) {
        EXPECT_THROW(ParseEndpoint(bad), std::invalid_argument) << bad;
    }
}

}  // namespace
}  // namespace mdvr::jt808

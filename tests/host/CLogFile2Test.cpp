#include "host/CLogFile2.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "support/AllocationCounter.h"
#include "support/ScratchDir.h"
#include "text/AppPath.h"
#include "text/LocalFile.h"

namespace mdvr {
namespace {

namespace fs = std::filesystem;

class CLogFile2Test : public ::testing::Test {
  protected:
    void SetUp() override { CLogFile2::Instance().SetFile(m_dir / "sub" / "dir" / "test.log"); }
    void TearDown() override { CLogFile2::Instance().SetFile(fs::path()); }
    std::vector<std::string> Lines() const {
        std::ifstream in(m_dir / "sub" / "dir" / "test.log");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    test::ScratchDir m_scratch{"mdvr_log"};
    const fs::path& m_dir = m_scratch.Path();
};

TEST_F(CLogFile2Test, HeaderThenOffsetHexAndAsciiLinesAppended) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 18; ++i) bytes.push_back(static_cast<uint8_t>(0x3F + i));
    bytes[1] = 0x00;
    bytes[2] = 0xFF;
    CLogFile2::Instance().WriteHex(2, bytes.data(), 18, "GetParamConfig:[%d]", 42);
    CLogFile2::Instance().WriteHex(0, nullptr, 5, "null");  // a header alone
    CLogFile2::Instance().WriteHex(0, bytes.data(), 0, "empty");
    CLogFile2::Instance().SetFile(m_dir / "sub" / "dir" / "test.log");  // reopened: appended to
    CLogFile2::Instance().WriteHex(0, nullptr, 0, "%s", std::string(2000, 'x').c_str());
    auto lines = Lines();
    ASSERT_EQ(lines.size(), 6u);
    std::regex header(
        R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \[2\] GetParamConfig:\[42\] \(18 bytes\))");
    EXPECT_TRUE(std::regex_match(lines[0], header)) << lines[0];
    EXPECT_EQ(lines[1],
              "00000000  3F 00 FF 42 43 44 45 46  47 48 49 4A 4B 4C 4D 4E  ?..BCDEFGHIJKLMN");
    EXPECT_EQ(lines[2], "00000010  4F 50                                             OP");
    EXPECT_NE(lines[3].find("null (0 bytes)"), std::string::npos);
    EXPECT_NE(lines[4].find("empty (0 bytes)"), std::string::npos);
    EXPECT_LT(lines[5].size(), 700u);  // a long caption is cut, not overrun
}

TEST_F(CLogFile2Test, NoHeapUseOnceOpen) {
    std::vector<uint8_t> bytes(3000, 0x5A);
    CLogFile2::Instance().WriteHex(0, bytes.data(), 1, "open");
    const uint64_t before = test::AllocationCount();
    for (int i = 0; i < 10; ++i) {
        CLogFile2::Instance().WriteHex(1, bytes.data(), static_cast<uint32_t>(bytes.size()),
                                       "GetParamConfig:[%d] %s", i, "text");
    }
    EXPECT_EQ(test::AllocationCount(), before);
    EXPECT_EQ(Lines().size(), 2u + 10u * (1u + (3000u + 15u) / 16u));
}

// An unopenable file is skipped quietly; an empty name means the default under the application
// path.
TEST_F(CLogFile2Test, UnopenableOrDefaultFile) {
    std::ofstream(m_dir / "blocker") << "a file where a directory should be";
    CLogFile2::Instance().SetFile(m_dir / "blocker" / "x.log");
    const uint8_t byte = 1;
    CLogFile2::Instance().WriteHex(0, &byte, 1, "lost");
    CLogFile2::Instance().WriteHex(0, &byte, 1, "lost again");
    EXPECT_FALSE(fs::exists(m_dir / "blocker" / "x.log"));
    EXPECT_EQ(CLogFile2::Instance().File(), m_dir / "blocker" / "x.log");
    CLogFile2::Instance().SetFile(fs::path());
    EXPECT_EQ(CLogFile2::Instance().File(), ToFsPath(GetAppPath()) / "Log" / "mdvr808.log");
}

}  // namespace
}  // namespace mdvr

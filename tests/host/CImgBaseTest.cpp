#include "host/CImgBase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <tuple>
#include <vector>

#include "host/ImageHeader.h"

#include "support/ScratchDir.h"

namespace mdvr {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Png(uint32_t width, uint32_t height) {
    Bytes b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (uint32_t v : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) b.push_back(static_cast<uint8_t>(v >> shift));
    }
    b.insert(b.end(), {8, 6, 0, 0, 0, 0xDE, 0xAD, 0xBE, 0xEF});  // depth, colour type, ..., CRC
    return b;
}

// SOI, an APP0 segment, a DQT-like segment, then a start-of-frame segment of the given kind.
Bytes Jpeg(uint16_t width, uint16_t height, uint8_t frameMarker = 0xC0) {
    Bytes b = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x06, 'J',  'F',
               'I',  'F',  0xFF, 0xFF, 0xDB, 0x00, 0x03, 0x01};
    b.insert(b.end(), {0xFF, frameMarker, 0x00, 0x0B, 0x08, static_cast<uint8_t>(height >> 8),
                       static_cast<uint8_t>(height), static_cast<uint8_t>(width >> 8),
                       static_cast<uint8_t>(width), 0x01, 0x01, 0x11, 0x00, 0xFF, 0xD9});
    return b;
}

// Every cut before the end of the size fields fails, never reading past the cut.
TEST(ReadImageHeader, ReadsSizesOfWholeWellFormedHeadersOnly) {
    const struct {
        Bytes bytes;
        size_t needed;
        ImageFormat format;
        uint32_t width, height;
    } cases[] = {
        {Png(1000, 670), 24, ImageFormat::kPng, 1000, 670},
        {Png(1, 0x7FFFFFFF), 24, ImageFormat::kPng, 1, 0x7FFFFFFF},
        {Jpeg(640, 480), 25, ImageFormat::kJpeg, 640, 480},
        {Jpeg(65535, 1, 0xC2), 25, ImageFormat::kJpeg, 65535, 1},  // progressive
    };
    for (const auto& c : cases) {
        auto cut = [&](size_t n) {  // a copy, so that reading past it shows under ASan
            return ReadImageHeader(Bytes(c.bytes.begin(), c.bytes.begin() + static_cast<long>(n)));
        };
        for (size_t n = 0; n < c.needed; ++n) EXPECT_FALSE(cut(n)) << n;
        auto header = cut(c.needed);
        ASSERT_TRUE(header);
        EXPECT_EQ(std::tuple(header->format, header->width, header->height),
                  std::tuple(c.format, c.width, c.height));
    }
    Bytes noIhdr = Png(4, 4);
    noIhdr[12] = 'X';
    const Bytes bad[] = {
        noIhdr,
        Png(0, 4),
        Jpeg(8, 8, 0xC4),                                  // DHT is not a frame header
        {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x00, 0xFF, 0xC0},  // zero length
        {0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02, 0xFF, 0xC0, 0, 11, 8, 0, 8, 0, 8},  // scan first
        {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'},
    };
    for (const Bytes& b : bad) EXPECT_FALSE(ReadImageHeader(b));
}

// A failed load leaves no picture, whatever was loaded before.
TEST(CImgBaseTest, LoadsSizeAndKeepsTheBytesOrNothing) {
    test::ScratchDir dir("mdvr_img");
    auto Write = [&](const char* name, const Bytes& b) {
        return dir.Write(name, std::string(b.begin(), b.end()));
    };
    std::unique_ptr<CImgBase, void (*)(CImgBase*)> image(CImgBase::SCreateImage(),
                                                         CImgBase::SDeleteImage);
    EXPECT_FALSE(image->HasPic());
    const Bytes jpeg = Jpeg(120, 34);
    ASSERT_TRUE(image->LoadImgByFileW(Write("playback_tab_config.jpg", jpeg)));
    EXPECT_TRUE(image->HasPic());
    EXPECT_EQ(image->GetWidth(), 120);
    EXPECT_EQ(image->GetHeight(), 34);
    EXPECT_EQ(image->Format(), ImageFormat::kJpeg);
    EXPECT_EQ(Bytes(image->Bytes().begin(), image->Bytes().end()), jpeg);
    const std::filesystem::path bad[] = {dir.Path() / "missing.png", Write("empty.png", {}),
                                         Write("junk.jpg", {0xFF, 0xD8, 0x00, 0x01}), dir.Path(),
                                         Write("huge.png", Png(0x80000000u, 1))};
    for (const auto& path : bad) {
        ASSERT_TRUE(image->LoadImgByFileW(Write("ok.png", Png(2, 2))));
        EXPECT_FALSE(image->LoadImgByFileW(path)) << path;
        EXPECT_FALSE(image->HasPic());
        EXPECT_EQ(image->GetWidth(), 0);
        EXPECT_TRUE(image->Bytes().empty());
    }
}

}  // namespace
}  // namespace mdvr

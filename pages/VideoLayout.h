#pragma once
// What the video pages share: the JT/T 1078 variant sends the standard record layouts and
// reports its saves to several devices as kind 0x45; every other device sends the shorter
// layouts and reports no kind.
#include <cstdint>

namespace mdvr {

inline constexpr uint32_t kVideoBatchKind = 0x45;
// Row variants of the record fields that differ between the layouts.
inline constexpr uint8_t kStandardVideoFields = 1;
inline constexpr uint8_t kShortVideoFields = 2;

bool IsStandardVideoLayout();
uint8_t VideoFieldVariant();

// Writes the video kind for the standard layout; leaves kind alone otherwise.
void GetVideoBatchKind(uint32_t* kind);

}  // namespace mdvr

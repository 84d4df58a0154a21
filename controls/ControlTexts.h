#pragma once
// Language string IDs the controls show.

namespace mdvr {

constexpr int kStrInputErrorTitle = 17001;
constexpr int kStrRangePrefix = 17002;
constexpr int kStrRejectedChar = 17003;

}  // namespace mdvr

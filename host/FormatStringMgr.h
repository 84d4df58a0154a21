#pragma once
// Display names of JT/T 808 vehicle plate colour codes.
#include <string>

namespace mdvr {

class FormatStringMgr {
  public:
    // 0 未上牌, 1 蓝色, 2 黄色, 3 黑色, 4 白色, 5 绿色, 9 其他; any other code gives the empty
    // text, so a caller can tell an unknown code from the code for "other".
    static std::wstring GetColorByIndex(int index);
};

}  // namespace mdvr

#include "host/CMgrJTT.h"

#include <string_view>

namespace mdvr {

namespace {

constexpr int kBits = 32;

constexpr std::wstring_view kAlarmNames[kBits] = {
    L"紧急报警",
    L"超速报警",
    L"疲劳驾驶",
    L"危险预警",
    L"GNSS模块发生故障",
    L"GNSS天线未接或被剪断",
    L"GNSS天线短路",
    L"终端主电源欠压",
    L"终端主电源掉电",
    L"终端LCD或显示器故障",
    L"TTS模块故障",
    L"摄像头故障",
    L"道路运输证IC卡模块故障",
    L"超速预警",
    L"疲劳驾驶预警",
    L"",
    L"",
    L"",
    L"当天累计驾驶超时",
    L"超时停车",
    L"进出区域",
    L"进出路线",
    L"路段行驶时间不足/过长",
    L"路线偏离报警",
    L"车辆VSS故障",
    L"车辆油量异常",
    L"车辆被盗",
    L"车辆非法点火",
    L"车辆非法位移",
    L"碰撞预警",
    L"侧翻预警",
    L"非法开门报警",
};

constexpr std::wstring_view kVideoAlarmNames[kBits] = {
    L"视频信号丢失报警",
    L"视频信号遮挡报警",
    L"存储单元故障报警",
    L"其他视频设备故障报警",
    L"客车超员报警",
    L"异常驾驶行为报警",
    L"特殊报警录像达到存储阈值报警",
};

std::wstring BitName(const CHostFile& file, std::wstring_view section,
                     const std::wstring_view (&defaults)[kBits], int bit) {
    if (bit < 0 || bit >= kBits) return {};
    std::wstring_view fallback = file.GetInt(section, L"Defaults", 1) != 0 ? defaults[bit] : L"";
    return file.GetString(section, std::to_wstring(bit), fallback);
}

}  // namespace

CMgrJTT& CMgrJTT::Instance() {
    static CMgrJTT instance;
    return instance;
}

CMgrJTT::CMgrJTT() : m_file(L"HostAlarmNames.ini") {}

std::wstring CMgrJTT::GetAlarmBitString(int bit) const {
    return BitName(m_file, L"Alarm", kAlarmNames, bit);
}

std::wstring CMgrJTT::GetVideoAlarmBitString(int bit) const {
    return BitName(m_file, L"VideoAlarm", kVideoAlarmNames, bit);
}

}  // namespace mdvr

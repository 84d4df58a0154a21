#pragma once
// The theme values the skinned controls use, taken once from the module's path manager.
#include <cstdint>
#include <filesystem>

namespace mdvr {

struct ControlTheme {
    std::filesystem::path folder;  // the theme's image folder
    uint32_t dialogBackground = 0xFFFFFF;
    uint32_t textColour = 0;
    bool flatDesign = true;

    static const ControlTheme& Current();
};

}  // namespace mdvr

#pragma once
// Screen scaling from the desktop DPI, read from the backend once.
namespace mdvr {

constexpr int kBaseDpi = 96;

// v * dpi / 96 above 96 DPI, else v (truncated toward zero).
int ScaleFullAt(int v, int dpi);
// (v + v * dpi / 96) / 2 above 96 DPI, else v: title heights grow half as fast.
int ScaleHalfAt(int v, int dpi);

// The desktop DPI, read once on first use.
int ScreenDpi();
int ScaleFull(int v);
int ScaleHalf(int v);

}  // namespace mdvr

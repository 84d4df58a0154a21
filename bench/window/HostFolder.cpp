#include "HostFolder.h"

#include <windows.h>

#include <objbase.h>
#include <wincodec.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <vector>

namespace mdvr::wintest {

namespace {

constexpr char kDevices[] =
    "[Device1002]\r\nName=MDVR-1002\r\nCap9=6\r\nCap10=23\r\nCap75=10\r\nCap110=3\r\n"
    "Cap112=1\r\n";
constexpr char kSettings[] = "[Settings]\r\n1100=1\r\n1103=1\r\n1108=1\r\n";

struct ImageFile {
    const wchar_t* name;
    UINT width;
    UINT height;
    uint32_t colour;  // 0xAARRGGBB
};

// PNG contents under the theme's JPEG names: the loader goes by the bytes.
constexpr std::array<ImageFile, 8> kImages{{
    {L"btn_bk.jpg", 100, 28, 0xFFD8E4F0},
    {L"btn_bk_over.jpg", 100, 28, 0xFFB8D0EA},
    {L"btn_bk_unenable.jpg", 100, 28, 0xFFE0E0E0},
    {L"btn_long_bk.jpg", 130, 28, 0xFFD8E4F0},
    {L"btn_long_bk_over.jpg", 130, 28, 0xFFB8D0EA},
    {L"btn_long_bk_unenable.jpg", 130, 28, 0xFFE0E0E0},
    {L"playback_tab_config.jpg", 120, 30, 0xFFE8ECF2},
    {L"playback_tab_config_over.jpg", 120, 30, 0xFF9CC2E8},
}};

bool Backdate(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
    t.QuadPart -= 3600ull * 10'000'000ull;
    const FILETIME past{t.LowPart, t.HighPart};
    const bool ok = SetFileTime(file, nullptr, nullptr, &past) != FALSE;
    CloseHandle(file);
    return ok;
}

bool WriteBytes(const std::wstring& path, const char* bytes, size_t size) {
    {
        std::ofstream out(std::filesystem::path(path), std::ios::binary);
        if (!out.write(bytes, static_cast<std::streamsize>(size))) return false;
    }
    return Backdate(path);
}

bool WritePng(IWICImagingFactory* factory, const std::wstring& path, const ImageFile& image) {
    std::vector<uint32_t> pixels(size_t{image.width} * image.height, image.colour);
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    const UINT stride = image.width * 4;
    const bool ok = SUCCEEDED(factory->CreateStream(&stream)) &&
                    SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
                    SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
                    SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
                    SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
                    SUCCEEDED(frame->Initialize(nullptr)) &&
                    SUCCEEDED(frame->SetSize(image.width, image.height)) &&
                    SUCCEEDED(frame->SetPixelFormat(&format)) &&
                    SUCCEEDED(frame->WritePixels(image.height, stride, stride * image.height,
                                                 reinterpret_cast<BYTE*>(pixels.data()))) &&
                    SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    if (frame != nullptr) frame->Release();
    if (encoder != nullptr) encoder->Release();
    if (stream != nullptr) stream->Release();
    return ok && Backdate(path);
}

bool WriteImages(const std::wstring& theme) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    bool ok =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, reinterpret_cast<void**>(&factory)));
    for (const ImageFile& image : kImages) ok = ok && WritePng(factory, theme + image.name, image);
    if (factory != nullptr) factory->Release();
    CoUninitialize();
    return ok;
}

bool CopyBackdated(const std::wstring& from, const std::wstring& to) {
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE && Backdate(to);
}

}  // namespace

bool WriteHostFolder(const std::wstring& folder, const std::wstring& languageSource) {
    const std::wstring theme = folder + L"Theme\\Default\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW((folder + L"Theme").c_str(), nullptr);
    CreateDirectoryW(theme.c_str(), nullptr);
    return WriteBytes(folder + L"HostDevices.ini", kDevices, sizeof kDevices - 1) &&
           WriteBytes(folder + L"HostSettings.ini", kSettings, sizeof kSettings - 1) &&
           CopyBackdated(languageSource, folder + L"zh-CN.ini") && WriteImages(theme);
}

}  // namespace mdvr::wintest

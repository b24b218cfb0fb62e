// The library's process-wide state: its own file name and folder, and the count of live COM
// objects that decides whether it may be unloaded.
#pragma once
#include <windows.h>

#include <string>

namespace zelt::icon {

// {6F0A3C52-8E1D-4B7A-9C35-2D41E8B7A913}: the icon handler's class.
inline constexpr CLSID kIconHandlerClsid = {
    0x6f0a3c52, 0x8e1d, 0x4b7a, {0x9c, 0x35, 0x2d, 0x41, 0xe8, 0xb7, 0xa9, 0x13}};
inline constexpr char kIconHandlerClsidText[] = "{6F0A3C52-8E1D-4B7A-9C35-2D41E8B7A913}";
// {3B7E4D21-6A9C-4F18-B2D5-7C0E91A4F6D3}: the thumbnail provider's class.
inline constexpr CLSID kThumbnailClsid = {
    0x3b7e4d21, 0x6a9c, 0x4f18, {0xb2, 0xd5, 0x7c, 0x0e, 0x91, 0xa4, 0xf6, 0xd3}};
inline constexpr char kThumbnailClsidText[] = "{3B7E4D21-6A9C-4F18-B2D5-7C0E91A4F6D3}";
// {A4C81F9E-2D37-4B6A-8E05-5F93B1D7C2E8}: the preview handler's class.
inline constexpr CLSID kPreviewClsid = {
    0xa4c81f9e, 0x2d37, 0x4b6a, {0x8e, 0x05, 0x5f, 0x93, 0xb1, 0xd7, 0xc2, 0xe8}};
inline constexpr char kPreviewClsidText[] = "{A4C81F9E-2D37-4B6A-8E05-5F93B1D7C2E8}";

// The three classes the library serves.
enum class HandlerClass { kIcon, kThumbnail, kPreview };

HINSTANCE ModuleInstance();
// The library's full file name in the ANSI code page, as the shell's ANSI interface reports it.
const std::string& ModuleFileName();
// The library's full file name in UTF-16, whatever its length and characters; empty when it cannot
// be had. This is the name the class is registered with.
std::wstring ModuleFileNameWide();

void AddObject();
void RemoveObject();

}  // namespace zelt::icon

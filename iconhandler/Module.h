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

HINSTANCE ModuleInstance();
// The library's full file name in the ANSI code page, as the shell's ANSI interface reports it.
const std::string& ModuleFileName();
// The library's full file name in UTF-16, whatever its length and characters; empty when it cannot
// be had. This is the name the class is registered with.
std::wstring ModuleFileNameWide();

void AddObject();
void RemoveObject();

}  // namespace zelt::icon

#include "editor/program/CrashReport.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace zelt {
namespace {

// A pretend address space: the words it holds are readable, everything else is not.
struct FakeMemory {
    std::map<uint64_t, uint64_t> words;
    std::vector<uint64_t> asked;
};

bool ReadFake(uint64_t address, uint64_t* value, void* context) {
    auto* memory = static_cast<FakeMemory*>(context);
    memory->asked.push_back(address);
    const auto it = memory->words.find(address);
    if (it == memory->words.end()) return false;
    *value = it->second;
    return true;
}

void Append(std::string_view text, void* context) { static_cast<std::string*>(context)->append(text); }

std::string Format(const CrashInfo& info, FakeMemory& memory) {
    std::string report;
    FormatCrashReport(info, ReadFake, &memory, Append, &report);
    return report;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The lines after the stack dump's heading.
std::vector<std::string> StackLines(const std::string& report) {
    const std::vector<std::string> lines = Lines(report);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == "*************") return {lines.begin() + static_cast<long>(i) + 1, lines.end()};
    }
    return {};
}

CrashInfo SampleInfo(uint32_t code) {
    CrashInfo info;
    info.code = code;
    info.address = 0x00007FF6123456ABull;
    CrashRegisters& r = info.registers;
    r.rip = 0x00007FF6123456AB, r.rsp = 0x000000000022FE00, r.rbp = 0x000000000022FE40;
    r.rax = 1, r.rbx = 2, r.rcx = 3, r.rdx = 4, r.rsi = 5, r.rdi = 6;
    r.r8 = 8, r.r9 = 9, r.r10 = 10, r.r11 = 11, r.r12 = 12, r.r13 = 13, r.r14 = 14, r.r15 = 0xFEDCBA9876543210;
    r.eflags = 0x10246;
    r.cs = 0x33, r.ss = 0x2B, r.ds = 0x2B, r.es = 0x2B, r.fs = 0x53, r.gs = 0x2B;
    info.buildDate = "Mar  1 2025";
    info.buildTime = "12:34:56";
    return info;
}

TEST(CrashReport, DivisionByZeroHasTheWholeLayout) {
    FakeMemory memory;
    memory.words[0x22FE00] = 0x1122334455667788;
    memory.words[0x22FE08] = 0xAB;
    const std::string report = Format(SampleInfo(0xC0000094), memory);

    const std::string head =
        "Error code: EXCEPTION_INT_DIVIDE_BY_ZERO\n"
        "Description: The thread tried to divide an integer value by an integer divisor of zero.\n"
        "Exception occurred at 00007FF6123456AB\n"
        "\n"
        "Version 1.000\n"
        "Internal Version 1.00\n"
        "Release Build: 65 by ZQ Mar  1 2025 12:34:56\n"
        "\n"
        "Details:\n"
        "Rip:00007FF6123456AB\tRsp:000000000022FE00\tRbp:000000000022FE40\n"
        "Rax:0000000000000001\tRbx:0000000000000002\tRcx:0000000000000003\n"
        "Rdx:0000000000000004\tRsi:0000000000000005\tRdi:0000000000000006\n"
        "R8:0000000000000008\tR9:0000000000000009\tR10:000000000000000A\n"
        "R11:000000000000000B\tR12:000000000000000C\tR13:000000000000000D\n"
        "R14:000000000000000E\tR15:FEDCBA9876543210\n"
        "EFlags:00010246\n"
        "CS:0033  SS:002B  DS:002B  ES:002B  FS:0053  GS:002B\n"
        "\n"
        "Stack dump:\n"
        "*************\n"
        "000000000022FE00 1122334455667788\n"
        "000000000022FE08 00000000000000AB\n"
        "000000000022FE10 Unavailable\n";
    EXPECT_EQ(report.substr(0, head.size()), head);
    EXPECT_EQ(report.find("Access address"), std::string::npos);
    EXPECT_EQ(report.back(), '\n');
}

TEST(CrashReport, AccessViolationNamesTheAddressAndTheAccess) {
    struct Case {
        uint64_t access, address;
        const char* line;
    };
    const Case cases[] = {
        {1, 0, "Access address:0000000000000000 was write from."},
        {0, 0xDEADBEEF00000010, "Access address:DEADBEEF00000010 was read from."},
        {8, 0x00007FF612340000, "Access address:00007FF612340000 was execute from."},
    };
    for (const Case& c : cases) {
        CrashInfo info = SampleInfo(0xC0000005);
        info.parameterCount = 2;
        info.parameters[0] = c.access, info.parameters[1] = c.address;
        FakeMemory memory;
        const std::vector<std::string> lines = Lines(Format(info, memory));
        ASSERT_GE(lines.size(), 4u);
        EXPECT_EQ(lines[0], "Error code: EXCEPTION_ACCESS_VIOLATION");
        EXPECT_EQ(lines[1],
                  "Description: The thread tried to read from or write to a virtual address for which it does "
                  "not have the appropriate access.");
        EXPECT_EQ(lines[2], c.line);
        EXPECT_EQ(lines[3], "Exception occurred at 00007FF6123456AB");
    }

    // A record without its two parameters gets no access line rather than made-up values.
    CrashInfo bare = SampleInfo(0xC0000005);
    FakeMemory memory;
    EXPECT_EQ(Format(bare, memory).find("Access address"), std::string::npos);
}

TEST(CrashReport, UnknownCodeIsWrittenInHexWithAnEmptyDescription) {
    CrashInfo info = SampleInfo(0xE06D7363);
    info.parameterCount = 2;  // two parameters, but not an access violation: no access line
    FakeMemory memory;
    const std::vector<std::string> lines = Lines(Format(info, memory));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Error code: E06D7363 Unknown");
    EXPECT_EQ(lines[1], "Description: ");
    EXPECT_EQ(lines[2], "Exception occurred at 00007FF6123456AB");
    EXPECT_EQ(FindExceptionKind(0xE06D7363), nullptr);
}

TEST(CrashReport, StackNearTheTopOfItsRegionTurnsUnavailableButKeepsItsLength) {
    CrashInfo info = SampleInfo(0xC00000FD);
    info.registers.rsp = 0x00000000001FFF00;  // 32 words below the region's end at 0x200000
    FakeMemory memory;
    for (uint64_t a = 0x1FF000; a < 0x200000; a += 8) memory.words[a] = a * 3;
    const std::vector<std::string> stack = StackLines(Format(info, memory));

    ASSERT_EQ(stack.size(), static_cast<size_t>(kStackDumpWords));
    EXPECT_EQ(stack[0], "00000000001FFF00 00000000005FFD00");
    EXPECT_EQ(stack[31], "00000000001FFFF8 00000000005FFFE8");
    EXPECT_EQ(stack[32], "0000000000200000 Unavailable");
    EXPECT_EQ(stack[599], "00000000002011B8 Unavailable");
    for (size_t i = 32; i < stack.size(); ++i) EXPECT_NE(stack[i].find(" Unavailable"), std::string::npos) << i;
}

TEST(CrashReport, StackAtTheTopOfTheAddressSpaceNeverWrapsAround) {
    CrashInfo info = SampleInfo(0xC0000005);
    info.registers.rsp = 0xFFFFFFFFFFFFFFE8;
    FakeMemory memory;
    memory.words[0] = 7;  // where a wrapped address would land
    for (uint64_t a = 0xFFFFFFFFFFFFFFE8; a != 0; a += 8) memory.words[a] = 1;
    const std::vector<std::string> stack = StackLines(Format(info, memory));

    ASSERT_EQ(stack.size(), static_cast<size_t>(kStackDumpWords));
    EXPECT_EQ(stack[0], "FFFFFFFFFFFFFFE8 0000000000000001");
    EXPECT_EQ(stack[1], "FFFFFFFFFFFFFFF0 0000000000000001");
    EXPECT_EQ(stack[2], "FFFFFFFFFFFFFFF8 0000000000000001");
    EXPECT_EQ(stack[3], "0000000000000000 Unavailable");
    for (uint64_t asked : memory.asked) EXPECT_GE(asked, 0xFFFFFFFFFFFFFFE8u);
}

}  // namespace
}  // namespace zelt

// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// Our settings layer beside the system's profile functions: the same texts are read and written
// through GetPrivateProfileStringA and WritePrivateProfileStringA and through ini_profile, and
// what each reads and the bytes each writes are compared.

#include "core/ini_profile.h"

#include "fuzz/ini_seeds.h"
#include "tests/support/page_bytes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <windows.h>

namespace stocks {
namespace {

namespace fs = std::filesystem;

constexpr const char* absent = "(absent)";

struct Write {
    std::string section, key, value;
};

struct Text {
    std::string name, bytes;
    std::vector<Write> writes;
};

// The texts of the settings tests and the settings fuzzer's seeds and regressions.
std::vector<Text> texts()
{
    std::vector<Text> all = {
        {"ini first match",
         "file=outside\r\n [ Html ] trailing\r\n  ; file=comment\r\nrefrate\r\n"
         "\tFILE =  C:\\a b.html \t\r\n[broker\r\nvis=0\r\nfile=second\r\n[html]\nrefrate=5",
         {}},
        {"ini quotes",
         "[s]\r\na=\" a \"\r\nb='x'\r\nc=\"'x'\"\r\nd=\"x'\r\ne=\"\r\nf=''\r\ng=a=b\r\n",
         {}},
        {"ini long value", "[s]\r\nk=" + std::string(1500, 'z') + "\r\n", {}},
        {"ini foreign lines",
         "; settings\n[html]\r\nFile = old\nother=1\r\n\r\n[form]\ntop=5\n; end of form\n\n"
         "[broker]\r\nvis=1",
         {{"HTML", "file", "new"},
          {"html", "refrate", "10"},
          {"form", "left", "7"},
          {"broker", "url", "x"},
          {"new", "k", ""}}},
        {"ini lone cr", "[a]\r", {{"a", "k", "v"}}},
        {"ini empty", "", {{" s ", " k ", " v "}}},
        {"ini brackets",
         "[a]b] x\r\nk=1\r\n[c]]\r\nk=2\r\n",
         {{"a]b", "k", "3"}, {"s]", "k", "v"}}},
        {"ini refused",
         "",
         {{"s", "k", "a\r\nb=c"},
          {"s", "k", "a\nb"},
          {"s", "a=b", "v"},
          {"s", "[k", "v]"},
          {"s", ";k", "v"}}},
        {"ini mac lines",
         "[html]\rfile=a.html\rrefrate=5\r\r[form]\rtop=7\r",
         {{"html", "refrate", "6"}}},
        {"settings integers",
         "[form]\r\nhex=0x10\r\n$hex=$10\r\nlead=\" 12\"\r\nplus=+5\r\nminus= -7\r\n"
         "trail=\"12 \"\r\nletters=abc\r\nhuge=2147483648\r\nlow=-2147483648\r\nempty=\r\n"
         "quoted=''\r\n",
         {}},
        {"settings booleans", "[broker]\nzero=0\none=1\nother=-3\nbad=yes\n", {}},
        {"settings foreign lines",
         "; mine\n[form]\nskin=0\n",
         {{"html", "file", "C:\\Stocks\\MorvaneStocks.html"},
          {"form", "top", "-20"},
          {"form", "left", "2147483647"},
          {"broker", "vis", "0"}}},
        {"settings new file", "", {{"html", "refrate", "10"}}},
        {"settings windows-1252",
         "[html]\r\nold=C:\\B\xF6rse\\MorvaneStocks.html\r\n",
         {{"html", "file", "C:\\Users\\Zo\xEB\\MorvaneStocks.html"},
          {"form", "skin", "\x80 \x81"}}},
    };
    // Each text also takes the keys the program writes, as the close writes them.
    for (auto& text : all)
        text.writes.insert(text.writes.end(), {{"html", "refrate", "12"}, {"Form", "TOP", "-3"}});
    for (const auto& seed : samples::iniSeeds())
        all.push_back({"seed " + seed.name, seed.text, {{seed.section, seed.key, seed.value}}});
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(STOCKS_INI_REGRESSIONS, error)) {
        const std::string input = bytesOf(entry.path());
        std::vector<std::string> fields;
        std::size_t at = 0;
        for (int field = 0; field < 3 && at <= input.size(); ++field) {
            const auto end = input.find('\0', at);
            if (end == std::string::npos)
                break;
            fields.push_back(input.substr(at, end - at));
            at = end + 1;
        }
        if (fields.size() == 3)
            all.push_back({"regression " + entry.path().filename().string(),
                           input.substr(at),
                           {{fields[0], fields[1], fields[2]}}});
    }
    return all;
}

// The bytes with line ends and other controls shown, for one line of the report.
std::string shown(const std::string& bytes)
{
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r')
            text += "\\r";
        else if (c == '\n')
            text += "\\n";
        else if (byte < 0x20 || byte >= 0x7F)
            text += "\\x" + std::string(1, "0123456789ABCDEF"[byte >> 4]) +
                    "0123456789ABCDEF"[byte & 15];
        else
            text += c;
    }
    return text;
}

std::string trimmed(std::string text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The section and key names a text holds, as a reader of it would look them up, with the
// program's own names and the written ones.
std::vector<std::pair<std::string, std::string>> probesFor(const Text& text)
{
    std::set<std::string> sections = {"html", "form", "broker", "s", "a"};
    std::set<std::string> keys = {"file", "refrate", "top", "left", "vis", "skin", "k"};
    std::size_t begin = 0;
    while (begin < text.bytes.size()) {
        auto end = text.bytes.find_first_of("\r\n", begin);
        if (end == std::string::npos)
            end = text.bytes.size();
        const std::string line = trimmed(text.bytes.substr(begin, end - begin));
        if (line.starts_with('[') && line.find(']') != std::string::npos)
            sections.insert(trimmed(line.substr(1, line.find(']') - 1)));
        else if (line.find('=') != std::string::npos && !line.starts_with(';'))
            keys.insert(trimmed(line.substr(0, line.find('='))));
        begin = end + 1;
    }
    for (const auto& write : text.writes) {
        sections.insert(write.section);
        keys.insert(write.key);
    }
    std::vector<std::pair<std::string, std::string>> probes;
    for (const auto& section : sections) {
        for (const auto& key : keys) {
            if (!section.empty() && !key.empty())
                probes.emplace_back(section, key);
        }
    }
    return probes;
}

std::string systemRead(const fs::path& file, const std::string& section, const std::string& key)
{
    std::string buffer(1024, '\0');
    const DWORD length =
        ::GetPrivateProfileStringA(section.c_str(), key.c_str(), absent, buffer.data(),
                                   static_cast<DWORD>(buffer.size()), file.string().c_str());
    buffer.resize(length);
    return buffer;
}

// How one written key came out: the same bytes, or a difference that is ours by design.
enum class Outcome { same, layout, refused, unexplained };

// What every probe of the text reads from the file through the profile functions.
std::vector<std::string> systemReadings(const fs::path& file, const Text& text)
{
    std::vector<std::string> readings;
    for (const auto& [section, key] : probesFor(text))
        readings.push_back(systemRead(file, section, key));
    return readings;
}

class Comparison {
public:
    explicit Comparison(const fs::path& folder) : folder_(folder) {}

    void compareReads(const Text& text)
    {
        const fs::path file = freshFile(text.bytes);
        for (const auto& [section, key] : probesFor(text)) {
            const std::string ours = readProfileString(file, section, key, absent);
            const std::string theirs = systemRead(file, section, key);
            ++reads;
            if (ours == theirs)
                ++readsAgreed;
            else
                unexplained.push_back(text.name + " read [" + section + "] " + key + ": ours '" +
                                      shown(ours) + "', system '" + shown(theirs) + "'");
        }
    }

    void compareWrite(const Text& text, const Write& write)
    {
        const fs::path mine = freshFile(text.bytes);
        const fs::path system = freshFile(text.bytes);
        const bool oursWritten = writeProfileString(mine, write.section, write.key, write.value);
        const bool theirsWritten =
            ::WritePrivateProfileStringA(write.section.c_str(), write.key.c_str(),
                                         write.value.c_str(), system.string().c_str()) != 0;
        const Outcome outcome = judge(text, write, mine, system, oursWritten && theirsWritten);
        ++writes[outcome];
        if (outcome != Outcome::same)
            report(outcome, text.name + " write [" + write.section + "] " + write.key + ": ours '" +
                                shown(bytesOf(mine)) + "', system '" + shown(bytesOf(system)) +
                                "'");
    }

    int reads = 0;
    int readsAgreed = 0;
    std::map<Outcome, int> writes;
    std::vector<std::string> layout, refused, unexplained;

private:
    Outcome judge(const Text& text, const Write& write, const fs::path& mine,
                  const fs::path& system, bool bothWritten)
    {
        if (bothWritten && bytesOf(mine) == bytesOf(system))
            return Outcome::same;
        // Ours rewrites only the key's own line; the system writes the whole file in its own
        // layout. Either way, every key must read back the same.
        if (bothWritten && systemReadings(mine, text) == systemReadings(system, text))
            return Outcome::layout;
        // Ours refuses names and values that would not read back as written, and leaves the
        // file as it was; the system writes them, and they do not read back.
        // A line that begins with ';' is a comment to ours; to the system, a key of that name.
        const bool unreadable = systemRead(system, write.section, write.key) != write.value;
        const bool comment = trimmed(write.key).starts_with(';');
        if (!bothWritten && bytesOf(mine) == text.bytes && (unreadable || comment))
            return Outcome::refused;
        return Outcome::unexplained;
    }

    void report(Outcome outcome, const std::string& line)
    {
        (outcome == Outcome::layout    ? layout
         : outcome == Outcome::refused ? refused
                                       : unexplained)
            .push_back(line);
    }

    fs::path freshFile(const std::string& bytes)
    {
        // A new name each time: the system keeps parsed files cached by name.
        const fs::path file = folder_ / ("case" + std::to_string(next_++) + ".INI");
        if (!bytes.empty())
            writeBytes(file, bytes);
        return file;
    }

    fs::path folder_;
    int next_ = 0;
};

void print(const char* heading, const std::vector<std::string>& lines)
{
    std::printf("%s: %zu\n", heading, lines.size());
    for (const auto& line : lines)
        std::printf("  %s\n", line.c_str());
}

TEST(ProfileAgreement, EveryReadAgreesAndEveryWriteAgreesOrDiffersByDesign)
{
    const TempFolder folder;
    Comparison comparison(folder);
    for (const auto& text : texts()) {
        comparison.compareReads(text);
        for (const auto& write : text.writes)
            comparison.compareWrite(text, write);
    }
    auto& writes = comparison.writes;
    const int written = writes[Outcome::same] + writes[Outcome::layout] + writes[Outcome::refused] +
                        writes[Outcome::unexplained];
    std::printf("reads: %d of %d agree\nwrites: %d of %d give the same bytes\n",
                comparison.readsAgreed, comparison.reads, writes[Outcome::same], written);
    print("writes that differ only in the layout of other lines", comparison.layout);
    print("writes ours refuses because they would not read back or would be comments",
          comparison.refused);
    print("unexplained", comparison.unexplained);
    EXPECT_GT(comparison.reads, 500);
    EXPECT_GT(written, 50);
    EXPECT_EQ(comparison.unexplained, std::vector<std::string>{});
}

} // namespace
} // namespace stocks

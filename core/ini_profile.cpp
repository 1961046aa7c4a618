// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/ini_profile.h"

#include "core/ascii_case.h"
#include "core/file_io.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace stocks {
namespace {

constexpr std::size_t maxValueLength = 1023;

struct Line {
    std::size_t begin;
    std::size_t contentEnd; // before its line end
    std::size_t end;        // after it
};

// A line ends at CR LF, at LF, or at a CR alone, as old Mac editors end their lines.
std::vector<Line> splitLines(std::string_view text)
{
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const auto contentEnd = std::min(text.find_first_of("\r\n", begin), text.size());
        auto end = contentEnd;
        if (end < text.size())
            end += text.substr(end, 2) == "\r\n" ? 2 : 1;
        lines.push_back({begin, contentEnd, end});
        begin = end;
    }
    return lines;
}

std::string_view contentOf(std::string_view text, const Line& line)
{
    return text.substr(line.begin, line.contentEnd - line.begin);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::string_view> sectionHeader(std::string_view content)
{
    content = trimBlanks(content);
    if (content.empty() || content.front() != '[')
        return std::nullopt;
    // The name ends at the line's last ']', as the profile functions read it.
    const auto close = content.rfind(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimBlanks(content.substr(1, close - 1));
}

// A key's line: a name, then '=' and the value, or the name alone, a key without a value
// that reads as missing but is the line a write of that key replaces.
std::optional<std::string_view> keyOf(std::string_view content)
{
    content = trimBlanks(content);
    if (content.empty() || content.front() == ';')
        return std::nullopt;
    return trimBlanks(content.substr(0, content.find('=')));
}

// Only for a line keyOf accepts; nothing for a key without a value.
std::optional<std::string_view> valueOf(std::string_view content)
{
    const auto equals = content.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return trimBlanks(content.substr(equals + 1));
}

struct Location {
    std::optional<std::size_t> section;
    std::size_t sectionEnd = 0;
    std::optional<std::size_t> key;
};

Location locate(std::string_view text, const std::vector<Line>& lines, std::string_view section,
                std::string_view key)
{
    Location found;
    section = trimBlanks(section);
    key = trimBlanks(key);
    if (section.empty() || key.empty())
        return found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto content = contentOf(text, lines[i]);
        if (const auto name = sectionHeader(content)) {
            if (found.section) {
                found.sectionEnd = i;
                return found;
            }
            if (equalsIgnoringAsciiCase(*name, section))
                found.section = i;
        } else if (found.section) {
            const auto keyName = keyOf(content);
            if (keyName && equalsIgnoringAsciiCase(*keyName, key)) {
                found.key = i;
                return found;
            }
        }
    }
    found.sectionEnd = lines.size();
    return found;
}

bool fitsOneLine(std::string_view text)
{
    return text.find_first_of("\r\n") == std::string_view::npos;
}

// Names that would read back as something else are refused, as are values that would
// spill into lines of their own.
bool storable(std::string_view section, std::string_view key, std::string_view value)
{
    section = trimBlanks(section);
    key = trimBlanks(key);
    return !section.empty() && !key.empty() && key.front() != '[' && key.front() != ';' &&
           key.find('=') == std::string_view::npos && fitsOneLine(section) && fitsOneLine(key) &&
           fitsOneLine(value);
}

// What must precede a new line inserted at pos so that the line before it stays whole.
std::string_view lineBreakBefore(std::string_view text, std::size_t pos)
{
    if (pos == 0 || text[pos - 1] == '\n')
        return "";
    return text[pos - 1] == '\r' ? "\n" : "\r\n";
}

enum class LoadStatus { loaded, missing, failed };

struct LoadedFile {
    LoadStatus status = LoadStatus::failed;
    std::string bytes;
    std::filesystem::perms permissions = std::filesystem::perms::none;
};

LoadedFile loadFile(const std::filesystem::path& file)
{
    LoadedFile loaded;
    // Never waits: a FIFO under the INI's name cannot hang the program.
    const InputFile input = openRegularFile(file);
    if (input.status == InputFile::Status::missing)
        loaded.status = LoadStatus::missing;
    if (input.status != InputFile::Status::opened)
        return loaded;
    const bool read = readBlocks(input.handle.get(), [&loaded](std::string_view block) {
        loaded.bytes.append(block);
        return true;
    });
    if (read) {
        loaded.status = LoadStatus::loaded;
        loaded.permissions = input.permissions;
    }
    return loaded;
}

} // namespace

std::optional<std::string> findProfileValue(std::string_view iniText, std::string_view section,
                                            std::string_view key)
{
    const auto lines = splitLines(iniText);
    const auto found = locate(iniText, lines, section, key);
    if (!found.key)
        return std::nullopt;
    const auto stored = valueOf(contentOf(iniText, lines[*found.key]));
    if (!stored)
        return std::nullopt;
    auto value = *stored;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, maxValueLength));
}

std::optional<std::string> withProfileValue(std::string_view iniText, std::string_view section,
                                            std::string_view key, std::string_view value)
{
    if (!storable(section, key, value))
        return std::nullopt;
    const auto lines = splitLines(iniText);
    const auto found = locate(iniText, lines, section, key);
    // A key that is there keeps the name it is spelt with, as the profile functions keep it.
    std::string entry(found.key ? *keyOf(contentOf(iniText, lines[*found.key])) : trimBlanks(key));
    entry.append("=").append(value).append("\r\n");

    std::string result;
    if (found.key) {
        const Line& line = lines[*found.key];
        result.append(iniText.substr(0, line.begin)).append(entry);
        result.append(iniText.substr(line.end));
    } else if (found.section) {
        auto last = found.sectionEnd - 1;
        while (last > *found.section && trimBlanks(contentOf(iniText, lines[last])).empty())
            --last;
        const auto at = lines[last].end;
        result.append(iniText.substr(0, at)).append(lineBreakBefore(iniText, at)).append(entry);
        result.append(iniText.substr(at));
    } else {
        result.append(iniText).append(lineBreakBefore(iniText, iniText.size()));
        result.append("[").append(trimBlanks(section)).append("]\r\n").append(entry);
    }
    return result;
}

std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue)
{
    const auto loaded = loadFile(file);
    if (loaded.status == LoadStatus::loaded) {
        if (auto value = findProfileValue(loaded.bytes, section, key))
            return std::move(*value);
    }
    return std::string(defaultValue);
}

bool writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value)
{
    const ProfileEntry entry{section, key, value};
    return writeProfileStrings(file, std::span(&entry, 1));
}

bool writeProfileStrings(const std::filesystem::path& file, std::span<const ProfileEntry> entries)
{
    // A settings file that is a link stays a link: the file it points to is replaced.
    const auto target = linkTarget(file);
    const auto loaded = loadFile(target);
    // A file without write permission is refused, as the profile functions refuse a
    // read-only file.
    if (loaded.status == LoadStatus::failed ||
        (loaded.status == LoadStatus::loaded && noWriteBits(loaded.permissions)))
        return false;
    std::string updated = loaded.bytes;
    for (const auto& entry : entries) {
        auto next = withProfileValue(updated, entry.section, entry.key, entry.value);
        if (!next)
            return false;
        updated = std::move(*next);
    }
    std::optional<std::filesystem::perms> permissions;
    if (loaded.status == LoadStatus::loaded)
        permissions = loaded.permissions;
    StagedFile staged(target, permissions);
    if (!staged.write(updated) || !staged.finish() || !staged.putInPlace())
        return false;
    syncFolder(target.parent_path());
    return true;
}

} // namespace stocks

// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/file_io.h"

#include "core/file_io_native.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace stocks {
namespace {

namespace fs = std::filesystem;
using NativeName = fs::path::string_type;
using NativeNameView = std::basic_string_view<fs::path::value_type>;

constexpr std::size_t blockSize = std::size_t{64} * 1024;
constexpr int maxLinkHops = 40;
constexpr int maxNameAttempts = 100;
// Leaves room for the hidden name's additions within the file system's 255 bytes.
constexpr std::size_t maxKeptNameBytes = 200;

// Staged names are ".<destination name>.<process id>-<counter>.tmp".
NativeName stagedNamePrefix(const fs::path& destination)
{
    NativeName prefix = fs::path(".").native();
    prefix += destination.filename().native().substr(0, maxKeptNameBytes);
    prefix += fs::path(".").native();
    return prefix;
}

// A hidden name beside the destination that no other writer, in this process or another,
// is handed at the same time. A name taken by a crashed run's leftover is skipped.
template <typename Create> fs::path createUniqueSibling(const fs::path& destination, Create create)
{
    static std::atomic<unsigned> counter{0};
    const NativeName prefix = stagedNamePrefix(destination);
    for (int attempt = 0; attempt < maxNameAttempts; ++attempt) {
        fs::path name = prefix;
        name +=
            std::to_string(native::currentProcessId()) + '-' + std::to_string(counter++) + ".tmp";
        auto candidate = destination.parent_path() / name;
        const native::Creation made = create(candidate);
        if (made == native::Creation::created)
            return candidate;
        if (made != native::Creation::nameTaken)
            break;
    }
    return {};
}

bool isDecimal(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The name's characters as bytes where all of them are ASCII.
std::optional<std::string> asciiOf(NativeNameView name)
{
    std::string text;
    for (const auto c : name) {
        if (static_cast<std::make_unsigned_t<fs::path::value_type>>(c) > 0x7F)
            return std::nullopt;
        text.push_back(static_cast<char>(c));
    }
    return text;
}

// The process id in a name that createUniqueSibling made with this prefix; nothing for any
// other name.
std::optional<native::ProcessId> stagedNameOwner(NativeNameView name, NativeNameView prefix)
{
    if (!name.starts_with(prefix))
        return std::nullopt;
    const auto tail = asciiOf(name.substr(prefix.size()));
    constexpr std::string_view suffix = ".tmp";
    if (!tail || tail->size() <= suffix.size() || !tail->ends_with(suffix))
        return std::nullopt;
    const std::string_view middle(tail->data(), tail->size() - suffix.size());
    const auto dash = middle.find('-');
    if (dash == std::string_view::npos || !isDecimal(middle.substr(0, dash)) ||
        !isDecimal(middle.substr(dash + 1)))
        return std::nullopt;
    native::ProcessId pid = 0;
    const auto [end, error] = std::from_chars(middle.data(), middle.data() + dash, pid);
    if (error != std::errc() || pid <= 0)
        return std::nullopt;
    return pid;
}

} // namespace

FileHandle::FileHandle(FileHandle&& other) noexcept
    : handle_(std::exchange(other.handle_, noHandle)),
      descriptor_(std::exchange(other.descriptor_, -1))
{}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept
{
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, noHandle);
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

FileHandle::~FileHandle()
{
    close();
}

bool readBlocks(NativeHandle handle, const std::function<bool(std::string_view)>& consume)
{
    std::vector<char> block(blockSize);
    for (;;) {
        const std::int64_t got = native::readSome(handle, block.data(), block.size());
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!consume({block.data(), static_cast<std::size_t>(got)}))
            return false;
    }
}

bool writeAll(NativeHandle handle, std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::int64_t written = native::writeSome(handle, bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool noWriteBits(fs::perms permissions)
{
    constexpr auto writeBits =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (permissions & writeBits) == fs::perms::none;
}

fs::path linkTarget(const fs::path& file)
{
    fs::path current = file;
    std::error_code error;
    for (int hop = 0; hop < maxLinkHops; ++hop) {
        if (!fs::is_symlink(current, error))
            return current;
        const auto next = fs::read_symlink(current, error);
        if (error)
            return current;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    // A loop: the name is used as it is, and opening it fails.
    return file;
}

void removeStaleStagedFiles(const fs::path& destination)
{
    const NativeName prefix = stagedNamePrefix(destination);
    const auto folder = destination.parent_path();
    std::error_code error;
    fs::directory_iterator entry(folder.empty() ? fs::path(".") : folder, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const auto& name = entry->path();
        const auto owner = stagedNameOwner(name.filename().native(), prefix);
        if (owner && native::isStaleStagedFile(name, *owner))
            native::removeFile(name);
    }
}

StagedFile::StagedFile(fs::path destination, std::optional<fs::perms> permissions)
    : destination_(std::move(destination))
{
    name_ = createUniqueSibling(destination_, [&](const fs::path& name) {
        return native::createNewFile(name, permissions, handle_);
    });
}

std::optional<StagedFile> StagedFile::linkOf(const fs::path& existing, fs::path destination)
{
    StagedFile staged;
    staged.destination_ = std::move(destination);
    staged.name_ = createUniqueSibling(staged.destination_, [&](const fs::path& name) {
        return native::makeLink(existing, name);
    });
    if (!staged.created())
        return std::nullopt;
    return staged;
}

std::optional<StagedFile> StagedFile::copyOf(const FileHandle& source, fs::path destination,
                                             std::optional<fs::perms> permissions)
{
    StagedFile copy(std::move(destination), permissions);
    const bool copied =
        readBlocks(source.get(), [&copy](std::string_view block) { return copy.write(block); }) &&
        copy.finish();
    if (!copied)
        return std::nullopt;
    return copy;
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : destination_(std::move(other.destination_)), name_(std::exchange(other.name_, {})),
      handle_(std::move(other.handle_)), spoiled_(other.spoiled_)
{}

StagedFile::~StagedFile()
{
    handle_.close();
    if (created())
        native::removeFile(name_);
}

bool StagedFile::write(std::string_view bytes)
{
    // Bytes after a failed write would leave a gap where the lost ones belong.
    if (spoiled_ || !handle_.valid() || !writeAll(handle_.get(), bytes))
        spoiled_ = true;
    return !spoiled_;
}

bool StagedFile::finish()
{
    const bool synced = handle_.valid() && native::flushToDisk(handle_.get());
    if (!handle_.close() || !synced)
        spoiled_ = true;
    return !spoiled_;
}

bool StagedFile::putInPlace()
{
    if (!created() || spoiled_ || !native::replaceFile(name_, destination_))
        return false;
    // Where the destination already was this very file, as when another copy of the program
    // put the same page in place as the backup a moment ago, rename keeps both names.
    native::removeFile(name_);
    name_.clear();
    return true;
}

bool StagedFile::putInPlaceIfAbsent()
{
    if (!created() || spoiled_ || !native::moveIfAbsent(name_, destination_))
        return false;
    name_.clear();
    return true;
}

} // namespace stocks

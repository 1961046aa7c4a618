#pragma once

#include <filesystem>
#include <string_view>

namespace stocks {

/// @brief The file-system steps of a page save, behind one seam so that tests can make
/// any single step fail.
class FileOps {
public:
    enum class WriteResult { written, notCreated, shortWrite };
    enum class Result { done, missing, failed };

    virtual ~FileOps() = default;

    /// Creates or truncates the file, writes all bytes and flushes them to the disk.
    virtual WriteResult createAndWrite(const std::filesystem::path& file,
                                       std::string_view bytes) = 0;
    /// Replaces `to` if it exists; `missing` when `from` does not exist.
    virtual Result rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual Result remove(const std::filesystem::path& file) = 0;
    /// Gives an existing file a second name; `missing` when `existing` does not exist.
    virtual Result link(const std::filesystem::path& existing,
                        const std::filesystem::path& newName) = 0;
};

/// @brief The real file system, through POSIX calls.
class SystemFileOps final : public FileOps {
public:
    WriteResult createAndWrite(const std::filesystem::path& file, std::string_view bytes) override;
    Result rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    Result remove(const std::filesystem::path& file) override;
    Result link(const std::filesystem::path& existing,
                const std::filesystem::path& newName) override;
};

} // namespace stocks

#include "core/page_file.h"

#include "core/cp1252.h"
#include "core/stock_error.h"

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace stocks {
namespace {

class InputFile {
public:
    explicit InputFile(const std::filesystem::path& file)
        // Non-blocking, so that a FIFO at the name cannot hang the start.
        : fd_(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)), openError_(errno)
    {}
    ~InputFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    int fd() const { return fd_; }
    bool missing() const { return fd_ < 0 && (openError_ == ENOENT || openError_ == ENOTDIR); }

private:
    int fd_;
    int openError_;
};

// Collects the lines while the file streams by in blocks, so that no copy of the whole
// file is ever held.
class LineSplitter {
public:
    void add(std::string_view bytes)
    {
        for (auto lineFeed = bytes.find('\n'); lineFeed != std::string_view::npos;
             lineFeed = bytes.find('\n')) {
            addText(bytes.substr(0, lineFeed));
            endLine();
            bytes.remove_prefix(lineFeed + 1);
        }
        addText(bytes);
    }

    std::vector<std::string> finish()
    {
        endLine();
        return std::move(lines_);
    }

private:
    void addText(std::string_view text)
    {
        if (cut_)
            return;
        if (const auto zero = text.find('\0'); zero != std::string_view::npos) {
            text = text.substr(0, zero);
            cut_ = true;
        }
        current_ += text;
    }

    void endLine()
    {
        if (!current_.empty() && current_.back() == '\r')
            current_.pop_back();
        lines_.push_back(std::move(current_));
        current_.clear();
        cut_ = false;
    }

    std::vector<std::string> lines_;
    std::string current_;
    bool cut_ = false;
};

std::optional<std::vector<std::string>> readLines(int fd)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    LineSplitter splitter;
    std::vector<char> block(64 * 1024);
    for (;;) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return splitter.finish();
        splitter.add({block.data(), static_cast<std::size_t>(got)});
    }
}

} // namespace

std::optional<std::vector<std::string>> readPageFile(const std::filesystem::path& page)
{
    const InputFile file(page);
    if (file.missing())
        return std::nullopt;
    auto lines = file.fd() < 0 ? std::nullopt : readLines(file.fd());
    if (!lines)
        throw StockError(formatMessage("Cannot open file %s", textFromPath(page)));
    return lines;
}

} // namespace stocks

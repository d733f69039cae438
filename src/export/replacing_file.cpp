#include "export/replacing_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t BufferSize = 1 << 20;

std::string folderOf(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file the target names: a symbolic link is followed, so that writing
// through it replaces the file it points to and keeps the link.
std::string resolvedTarget(const std::string& target)
{
    struct stat st {};
    if (lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return target;
    char* real = realpath(target.c_str(), nullptr);
    if (!real)
        return target;
    std::string resolved(real);
    std::free(real);
    return resolved;
}

// The permissions a newly created file would get (0666 less the umask).
mode_t defaultMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

DescriptorBuffer::DescriptorBuffer(int fd) : fd_(fd), buffer_(BufferSize)
{
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool DescriptorBuffer::writeAll(const char* data, std::size_t size)
{
    if (error_ != 0)
        return false;
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error_ = errno;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool DescriptorBuffer::flushBuffer()
{
    const bool ok = writeAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return ok;
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c)
{
    if (!flushBuffer())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize DescriptorBuffer::xsputn(const char* s, std::streamsize n)
{
    const std::streamsize room = epptr() - pptr();
    if (n <= room) {
        std::memcpy(pptr(), s, static_cast<std::size_t>(n));
        pbump(static_cast<int>(n));
        return n;
    }
    if (!flushBuffer())
        return 0;
    if (static_cast<std::size_t>(n) >= buffer_.size())
        return writeAll(s, static_cast<std::size_t>(n)) ? n : 0;
    std::memcpy(pptr(), s, static_cast<std::size_t>(n));
    pbump(static_cast<int>(n));
    return n;
}

int DescriptorBuffer::sync()
{
    return flushBuffer() ? 0 : -1;
}

ReplacingFile::ReplacingFile(const std::string& target) : shown_(target), target_(resolvedTarget(target))
{
    struct stat st {};
    mode_t mode = defaultMode();
    if (stat(target_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            fail("it is a folder", 0);
            return;
        }
        // A read-only file is not replaced behind the user's back, even where
        // the folder would allow it (and even for the superuser).
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(target_.c_str(), W_OK) != 0) {
            fail("the file is read-only", 0);
            return;
        }
        mode = st.st_mode & 07777;
        if (!S_ISREG(st.st_mode)) {
            openDirect();
            return;
        }
    }
    std::string pattern = folderOf(target_) + "/.ravlo-export-XXXXXX";
    fd_ = mkstemp(pattern.data());
    if (fd_ < 0) {
        fail("cannot create a file in " + folderOf(target_), errno);
        return;
    }
    temporary_ = pattern;
    fchmod(fd_, mode);
    buffer_ = std::make_unique<DescriptorBuffer>(fd_);
    stream_ = std::make_unique<std::ostream>(buffer_.get());
}

ReplacingFile::~ReplacingFile()
{
    discard();
}

void ReplacingFile::openDirect()
{
    fd_ = ::open(shown_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd_ < 0) {
        fail("cannot open it for writing", errno);
        return;
    }
    direct_ = true;
    buffer_ = std::make_unique<DescriptorBuffer>(fd_);
    stream_ = std::make_unique<std::ostream>(buffer_.get());
}

void ReplacingFile::fail(const std::string& what, int err)
{
    if (!error_.empty())
        return;
    error_ = "Cannot write \"" + shown_ + "\": " + what;
    if (err != 0)
        error_ += std::string(" (") + std::strerror(err) + ")";
}

void ReplacingFile::discard()
{
    stream_.reset();
    buffer_.reset();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool ReplacingFile::commit()
{
    if (!stream_) {
        fail("the file was not opened", 0);
        return false;
    }
    stream_->flush();
    if (buffer_->error() != 0 || !*stream_) {
        fail("writing failed", buffer_->error());
        discard();
        return false;
    }
    // A pipe or a device takes the text as it comes; it cannot be synced
    // or replaced.
    if (direct_) {
        const int fd = fd_;
        fd_ = -1;
        stream_.reset();
        buffer_.reset();
        if (::close(fd) != 0) {
            fail("writing failed", errno);
            return false;
        }
        return true;
    }
    if (fsync(fd_) != 0) {
        fail("writing failed", errno);
        discard();
        return false;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        fail("writing failed", errno);
        discard();
        return false;
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        fail("cannot replace the file", errno);
        discard();
        return false;
    }
    temporary_.clear();
    stream_.reset();
    buffer_.reset();
    return true;
}

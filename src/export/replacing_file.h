#pragma once

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

// A stream buffer over an open file descriptor that remembers the first
// write error instead of dropping it.
class DescriptorBuffer : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd);
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

    // errno of the first failed write, 0 while every write succeeded.
    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    bool writeAll(const char* data, std::size_t size);
    bool flushBuffer();

    int fd_;
    int error_ = 0;
    std::vector<char> buffer_;
};

// Writes a file so that it either appears complete or not at all: the text
// goes to a temporary file in the target's folder, which replaces the target
// only when every byte was written and reached the disk. Until then, and when
// anything fails, an existing target stays as it was. A target that exists
// and is no regular file (a pipe, a terminal, a device) is written directly:
// it is never replaced by a file.
class ReplacingFile {
public:
    // Creates the temporary file. On failure stream() is null and error()
    // tells why.
    explicit ReplacingFile(const std::string& target);
    // Removes the temporary file unless commit() moved it over the target.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    std::ostream* stream() { return stream_.get(); }

    // Flushes, syncs and closes the temporary file and moves it over the
    // target; false (target untouched, error() set) when any step failed.
    bool commit();

    const std::string& error() const { return error_; }

private:
    // Opens a target that is no regular file for writing in place.
    void openDirect();
    void fail(const std::string& what, int err);
    void discard();

    std::string shown_;
    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    bool direct_ = false;
    std::unique_ptr<DescriptorBuffer> buffer_;
    std::unique_ptr<std::ostream> stream_;
    std::string error_;
};

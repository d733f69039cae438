#pragma once

// Writes layout text to a file of its own in the temporary folder for the
// length of one test, so that a test can open it as a user would.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class TempLayout {
public:
    explicit TempLayout(const std::string& text, const std::string& suffix = ".mrv")
    {
        static std::atomic<int> counter{0};
        path_ = (std::filesystem::temp_directory_path() /
                 ("ravlo_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++) + suffix))
                    .string();
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~TempLayout()
    {
        std::error_code ec;
        std::filesystem::remove(path_, ec);
    }
    TempLayout(const TempLayout&) = delete;
    TempLayout& operator=(const TempLayout&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

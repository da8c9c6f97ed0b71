#pragma once

#include "text/FileIo.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

// A fresh folder for the running test, removed afterwards.
class TempFolder {
public:
    TempFolder() : path_(std::filesystem::temp_directory_path() / UniqueName()) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    static std::string UniqueName() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("lumbrant-settings-") + std::to_string(getpid()) + "-" +
                           info->test_suite_name() + "-" + info->name();
        for (char& c : name) {
            if (c == '/') {
                c = '_';
            }
        }
        return name;
    }

    std::filesystem::path path_;
};

inline std::string FileContent(const std::string& path) {
    return text::ReadFileBytes(path).value_or("<missing>");
}

#include "text/FileIo.h"

#include "text/DurableFile.h"
#include "text/PrivateFile.h"

#include <atomic>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace text {

namespace fs = std::filesystem;

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::FILE* file = OpenPrivateFile(path, "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string content;
    char buffer[64 * 1024];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        content.append(buffer, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return std::nullopt;
    }
    return content;
}

std::optional<std::string> ReadFileIfPresent(const std::string& path) {
    if (auto content = ReadFileBytes(path)) {
        return content;
    }
    std::error_code error;
    if (fs::exists(path, error) || error) {
        throw std::runtime_error("Cannot read file \"" + path + "\".");
    }
    return std::nullopt;
}

std::string UniqueNameBeside(const std::string& path, std::string_view ending) {
    static std::atomic<unsigned long> names{0};
    std::string name =
        path + "." + std::to_string(CurrentProcessId()) + "-" + std::to_string(++names);
    name.append(ending);
    return name;
}

void WriteFileAtomic(const std::string& path, const std::string& content, Durability durability) {
    // Two writers never write into each other's file.
    const std::string temporary = UniqueNameBeside(path, ".tmp~");
    const bool flush = durability == Durability::Flushed;
    std::error_code error = WriteNewFile(temporary, content, flush);
    if (!error) {
        error = MoveIntoPlace(temporary, path, flush);
    }
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw std::runtime_error("Cannot write file \"" + path + "\". " + error.message());
    }
}

void AppendToFile(const std::string& path, std::string_view content, Durability durability) {
    if (const std::error_code error =
            AppendWhole(path, content, durability == Durability::Flushed)) {
        throw std::runtime_error("Cannot write file \"" + path + "\". " + error.message());
    }
}

void FlushFile(const std::string& path) {
    if (FileExists(path)) {
        if (const std::error_code error = FlushToDisk(path)) {
            throw std::runtime_error("Cannot flush file \"" + path + "\". " + error.message());
        }
    }
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool DirectoryExists(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

} // namespace text

// The INI reader and writer on arbitrary file content.
#include "text/FileIo.h"
#include "text/IniFile.h"

#include <cstdint>
#include <filesystem>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / "lumbrant-fuzz-ini.ini").string();
    text::WriteFileAtomic(path, std::string(reinterpret_cast<const char*>(data), size));
    text::IniFile ini(path);
    ini.ReadSectionKeys("1");
    ini.WriteString("Access Log", "0", "x");
    ini.ReadSectionKeys("access log");
    return 0;
}

#pragma once

// A folder presented as a drive of its own for a test's length (Windows,
// MappedDriveLetterWin.cpp): a free letter from y down to d. Under Wine its
// mount manager maps it, as Wine's own drive configuration does, with the
// kind of drive asked for; on Windows the letter is defined as subst does,
// and the drive is of the kind of the disk that holds the folder.

#include <filesystem>
#include <string>

namespace lumbrant::testing {

class MappedDriveLetter {
public:
    // driveType: a GetDriveType kind such as DRIVE_REMOVABLE.
    MappedDriveLetter(const std::filesystem::path& folder, unsigned driveType);
    ~MappedDriveLetter();
    MappedDriveLetter(const MappedDriveLetter&) = delete;
    MappedDriveLetter& operator=(const MappedDriveLetter&) = delete;

    bool Mapped() const { return letter_ != 0; }
    // "g:"
    std::string Root() const { return std::string(1, letter_) + ":"; }

private:
    bool Map(char letter);
    void Unmap();

    std::string folder_;
    unsigned driveType_;
    char letter_ = 0;
};

} // namespace lumbrant::testing

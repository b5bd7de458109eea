#pragma once

// A folder that only this user can enter, made for one hand-off of an ECO file to PowerPCB in
// the system's temporary folder, so that no other user can read or replace the file while
// PowerPCB reads it.

#include <filesystem>

namespace sequate::eco {

class PrivateFolder {
public:
    // Throws EcoError naming the temporary folder and the reason.
    PrivateFolder();
    // Removes whatever is left, quietly: for the paths on which the hand-off failed earlier.
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::filesystem::path& path() const { return mPath; }
    // Removes the folder with its files; throws std::runtime_error with the reason.
    void remove();
    // Leaves the folder and its files for the user: PowerPCB may still be reading them.
    void keep() { mRemoved = true; }

private:
    std::filesystem::path mPath;
    bool mRemoved = false;
};

} // namespace sequate::eco

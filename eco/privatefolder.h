#pragma once

// A folder that only this user can enter, made for one hand-off of an ECO file to PowerPCB in
// the system's temporary folder, so that no other user can read or replace the file while
// PowerPCB reads it. Its name carries the process id ("sequate-eco-<pid>-XXXXXX"), so that a
// folder a killed Sequate left behind can be told from one still in use.

#include <filesystem>

namespace sequate::eco {

// Removes the folders of hand-offs that this user's processes, no longer running, left in the
// temporary folder, with the files in them; folders of other users, links and folders of
// running processes stay. Quiet: tidying never stops a hand-off. Run whenever a folder is made,
// and offered to the window to run at start.
void removeStaleHandOffFolders();

class PrivateFolder {
public:
    // Throws EcoError with a host::EcoFolderUnmade.
    PrivateFolder();
    // Removes whatever is left, quietly: for the paths on which the hand-off failed earlier.
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::filesystem::path& path() const { return mPath; }
    // Removes the folder with its files; throws std::runtime_error with the system's reason.
    void remove();
    // Leaves the folder and its files for the user: PowerPCB may still be reading them. Marked,
    // so that no later clean-up takes it.
    void keep();

private:
    std::filesystem::path mPath;
    bool mRemoved = false;
};

} // namespace sequate::eco

#pragma once

#include <filesystem>

namespace sequate::eco::test {

// Makes a file that its owner cannot delete for as long as the object lives. The superuser
// deletes anything its permissions forbid, so the file is marked immutable where the file
// system and the privileges allow; otherwise its folder is made read-only. ok() is false when
// neither works here.
class Undeletable {
public:
    explicit Undeletable(const std::filesystem::path& file);
    ~Undeletable();
    Undeletable(const Undeletable&) = delete;
    Undeletable& operator=(const Undeletable&) = delete;

    bool ok() const { return mImmutable || mReadOnlyFolder; }

private:
    std::filesystem::path mFile;
    bool mImmutable = false;
    bool mReadOnlyFolder = false;
};

} // namespace sequate::eco::test

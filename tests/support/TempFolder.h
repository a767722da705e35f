// A fresh folder below the system's temporary folder for one test, removed with everything in
// it (also what a test made unwritable).
#pragma once

#include <filesystem>
#include <random>
#include <set>
#include <string>

namespace k7x::test {

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("k7x-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        for (const auto& e : std::filesystem::recursive_directory_iterator(path_, ec)) {
            if (e.is_directory(ec) && !e.is_symlink(ec))
                std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ec);
        }
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of an entry, as text.
    std::string file(const std::string& relative) const { return (path_ / relative).string(); }

    // Names of everything directly in the folder.
    std::set<std::string> entries() const {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            names.insert(e.path().filename().string());
        return names;
    }

private:
    std::filesystem::path path_;
};

}  // namespace k7x::test

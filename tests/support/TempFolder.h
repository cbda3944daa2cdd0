#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

// A new, empty folder of the test's own under the temporary folder, removed
// with everything in it when the test is done.
class TempFolder {
public:
    explicit TempFolder(std::string_view purpose = "test") {
        std::string pattern =
            (std::filesystem::temp_directory_path() / ("lumavert-" + std::string(purpose) + "-XXXXXX"))
                .string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder from " + pattern);
        path_ = pattern;
    }
    ~TempFolder() {
        // A test may have taken the write permission away; give it back first.
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }
    operator const std::filesystem::path &() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path &name) const { return path_ / name; }
    std::string string() const { return path_.string(); }

    // Writes the bytes into a file of the folder (and the folders it needs); its full name.
    std::string Write(const std::string &name, std::string_view bytes) const {
        const std::filesystem::path file = path_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    std::string Path(const std::string &name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

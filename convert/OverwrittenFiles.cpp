#include "convert/OverwrittenFiles.h"

#include "document/Errors.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The copy lies beside the file, so putting it back is a rename on one file system. It never goes
// over a file that is there already (the user may have one of that name): the next free name is taken.
std::string KeepCopy(const std::string &fileName) {
    constexpr int kNamesTried = 1000;
    std::error_code error;
    for (int attempt = 0; attempt < kNamesTried; ++attempt) {
        std::string copy = fileName + ".before-cancel";
        if (attempt > 0)
            copy += "-" + std::to_string(attempt);
        if (fs::copy_file(fileName, copy, fs::copy_options::none, error))
            return copy;
        if (error != std::errc::file_exists)
            break;
    }
    throw FileError("Cannot keep a copy of \"" + fileName + "\". " + error.message());
}

} // namespace

OverwrittenFiles::~OverwrittenFiles() {
    std::error_code ignored;
    for (const Noted &noted : noted_)
        if (!noted.copy.empty())
            fs::remove(noted.copy, ignored);
}

void OverwrittenFiles::BeforeWriting(const std::string &fileName) {
    const bool seen = std::any_of(noted_.begin(), noted_.end(),
                                  [&](const Noted &noted) { return noted.fileName == fileName; });
    if (seen)
        return;
    std::error_code error;
    const fs::file_status status = fs::status(fileName, error);
    if (!fs::exists(status)) {
        noted_.push_back({fileName, {}});
        return;
    }
    // Only a plain file can be rewritten; anything else fails when written and stays.
    if (!fs::is_regular_file(status))
        return;
    noted_.push_back({fileName, KeepCopy(fileName)});
}

void OverwrittenFiles::PutBack() {
    // Best effort: Cancel has nobody left to tell of a file that would not go back.
    std::error_code ignored;
    for (auto noted = noted_.rbegin(); noted != noted_.rend(); ++noted) {
        if (noted->copy.empty())
            fs::remove(noted->fileName, ignored);
        else
            fs::rename(noted->copy, noted->fileName, ignored);
    }
    noted_.clear();
}

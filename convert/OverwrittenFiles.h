#pragma once

#include <string>
#include <vector>

// The files that work about to be cancelled may still write: each one is
// noted before it is written, and an existing file is first copied aside,
// so that Cancel can leave the folder as it was. The copies go when the
// work ends any other way.
class OverwrittenFiles {
public:
    OverwrittenFiles() = default;
    OverwrittenFiles(const OverwrittenFiles &) = delete;
    OverwrittenFiles &operator=(const OverwrittenFiles &) = delete;
    ~OverwrittenFiles();

    // Called before fileName is written; a copy that cannot be made throws
    // FileError, and the file is then not written.
    void BeforeWriting(const std::string &fileName);
    // Every file noted is back as it was: a copy returns over it, a file that
    // did not exist goes.
    void PutBack();

private:
    struct Noted {
        std::string fileName;
        std::string copy; // empty when there was no file
    };
    std::vector<Noted> noted_;
};

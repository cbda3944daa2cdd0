#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

// Bytes read at offsets, the way a header reader looks into a file without
// loading it: the file itself, or bytes in memory for tests and fuzzing.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // How many bytes the source holds.
    virtual std::uint64_t Size() const = 0;
    // Copies `count` bytes from `offset`; false when they are not all there.
    virtual bool ReadAt(std::uint64_t offset, char *into, std::size_t count) = 0;
};

class MemoryBytes final : public ByteSource {
public:
    explicit MemoryBytes(std::string_view bytes) : bytes_(bytes) {}
    std::uint64_t Size() const override { return bytes_.size(); }
    bool ReadAt(std::uint64_t offset, char *into, std::size_t count) override;

private:
    std::string_view bytes_;
};

// A file opened read-only; the file name is UTF-8 like every text.
class FileBytes final : public ByteSource {
public:
    // Nothing when the file does not exist or cannot be opened as a plain file.
    static std::unique_ptr<FileBytes> Open(const std::string &fileName);
    ~FileBytes() override;
    FileBytes(const FileBytes &) = delete;
    FileBytes &operator=(const FileBytes &) = delete;

    std::uint64_t Size() const override { return size_; }
    bool ReadAt(std::uint64_t offset, char *into, std::size_t count) override;

private:
    FileBytes(std::FILE *file, std::uint64_t size) : file_(file), size_(size) {}
    std::FILE *file_;
    std::uint64_t size_;
};

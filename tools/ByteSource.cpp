#include "tools/ByteSource.h"

#include <cstring>
#include <filesystem>
#include <limits>
#include <sys/types.h>

bool MemoryBytes::ReadAt(std::uint64_t offset, char *into, std::size_t count) {
    if (offset > bytes_.size() || count > bytes_.size() - offset)
        return false;
    std::memcpy(into, bytes_.data() + offset, count);
    return true;
}

std::unique_ptr<FileBytes> FileBytes::Open(const std::string &fileName) {
    const std::filesystem::path path = fileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return nullptr;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return nullptr;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return nullptr;
    return std::unique_ptr<FileBytes>(new FileBytes(file, size));
}

FileBytes::~FileBytes() {
    std::fclose(file_);
}

bool FileBytes::ReadAt(std::uint64_t offset, char *into, std::size_t count) {
    if (offset > size_ || count > size_ - offset ||
        offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()))
        return false;
    if (fseeko(file_, static_cast<off_t>(offset), SEEK_SET) != 0)
        return false;
    return std::fread(into, 1, count, file_) == count;
}

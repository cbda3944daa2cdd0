#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <string_view>

// A file of the given bytes in the test's temporary folder.
inline std::string WriteToolFile(const std::string &name, std::string_view bytes) {
    const std::string path = testing::TempDir() + "lumavert-tools-" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

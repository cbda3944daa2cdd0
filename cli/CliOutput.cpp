#include "cli/CliOutput.h"

#include "document/TextFile.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// Copies go in blocks of this size.
constexpr std::size_t kBlockSize = std::size_t{1} << 20;

bool WriteBlock(std::string_view block, std::FILE *stream = stdout) {
    return std::fwrite(block.data(), 1, block.size(), stream) == block.size();
}

struct CloseFile {
    void operator()(std::FILE *file) const { std::fclose(file); }
};

bool CopyStream(std::FILE *from, std::FILE *to) {
    std::string block(kBlockSize, '\0');
    bool written = true;
    std::size_t got;
    while (written && (got = std::fread(block.data(), 1, block.size(), from)) > 0)
        written = WriteBlock(std::string_view(block).substr(0, got), to);
    return written && !std::ferror(from);
}

} // namespace

void ReportBox(std::string_view label, std::string_view text, std::string_view suffix) {
    std::string line(label);
    line += ": ";
    std::string oneLine(text);
    std::replace_if(
        oneLine.begin(), oneLine.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    line += oneLine;
    line += suffix;
    line += '\n';
    WriteBlock(line, stderr);
}

void ReportProblem(std::string_view text) {
    std::string line = "lumavert-cli: ";
    line += text;
    line += '\n';
    WriteBlock(line, stderr);
}

bool WriteLinesToStandardOutput(const TextList &lines, std::string_view lineEnd, const TextEncoding &encoding) {
    const bool written = WriteEncodedLines(lines, encoding, lineEnd, [](std::string_view piece) { return WriteBlock(piece); });
    return std::fflush(stdout) == 0 && written;
}

bool CopyFileToStandardOutput(const std::string &fileName) {
    const std::unique_ptr<std::FILE, CloseFile> file(std::fopen(fileName.c_str(), "rb"));
    return file && CopyStream(file.get(), stdout) && std::fflush(stdout) == 0;
}

bool CopyStandardInputToFile(const std::string &fileName) {
    std::unique_ptr<std::FILE, CloseFile> file(std::fopen(fileName.c_str(), "wbx"));
    return file && CopyStream(stdin, file.get()) && std::fclose(file.release()) == 0;
}

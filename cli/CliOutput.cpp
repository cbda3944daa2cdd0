#include "cli/CliOutput.h"

#include "document/TextFile.h"

#include <algorithm>
#include <cstdio>

namespace {

// Copies go in blocks of this size.
constexpr std::size_t kBlockSize = std::size_t{1} << 20;

bool WriteBlock(std::string_view block, std::FILE *stream = stdout) {
    return std::fwrite(block.data(), 1, block.size(), stream) == block.size();
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

bool WriteLinesToStandardOutput(const TextList &lines, std::string_view lineEnd,
                                const TextEncoding &encoding) {
    const bool written =
        WriteEncodedLines(lines, encoding, lineEnd, [](std::string_view piece) { return WriteBlock(piece); });
    return std::fflush(stdout) == 0 && written;
}

std::optional<std::string> ReadStandardInput() {
    std::string bytes;
    std::size_t used = 0;
    for (;;) {
        bytes.resize(used + kBlockSize);
        const std::size_t got = std::fread(bytes.data() + used, 1, kBlockSize, stdin);
        used += got;
        if (got < kBlockSize)
            break;
    }
    if (std::ferror(stdin))
        return std::nullopt;
    bytes.resize(used);
    return bytes;
}

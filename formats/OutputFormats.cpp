#include "formats/OutputFormats.h"

#include "formats/PieceWriting.h"
#include "formats/SubRipWriter.h"
#include "formats/Writers.h"

#include <algorithm>

namespace {

// The list of FrameLines is already a MicroDVD file, line for line.
void WriteMicroDvd(const TextList &entries, EntryRange range, const WriteOptions &, EntryLineOut &out) {
    for (std::size_t i = range.from; i < range.to; ++i) {
        out.Entry(i);
        out.Add(entries[i]);
    }
}

// SubRip has no escape: its text is written as it stands.
void WriteSubRip(const TextList &entries, EntryRange range, const WriteOptions &options, EntryLineOut &out) {
    for (std::size_t i = range.from; i < range.to; ++i) {
        out.Entry(i);
        AppendSubRipBlock(out, i + 1, entries[i], options.delaySeconds, options.fps);
    }
}

// clang-format off
constexpr OutputFormat kOutputFormats[] = {
    {"sub", "MicroDVD", ".sub", "text/x-microdvd", WriteMicroDvd, false},
    {"srt", "SubRip", ".srt", "application/x-subrip", WriteSubRip, false},
    {"vtt", "WebVTT", ".vtt", "text/vtt", WriteWebVtt, true},
    {"ass", "Advanced SubStation Alpha", ".ass", "text/x-ass", WriteAdvancedSubStationAlpha, false},
    {"ssa", "SubStation Alpha", ".ssa", "text/x-ssa", WriteSubStationAlpha, false},
    {"smi", "SAMI", ".smi", "application/x-sami", WriteSami, false},
    {"ttml", "TTML", ".ttml", "application/ttml+xml", WriteTtml, true},
    {"subviewer", "SubViewer 2.0", ".sub", "text/x-subviewer", WriteSubViewer2, false},
    {"mpl2", "MPL2", ".txt", "text/x-mpl2", WriteMpl2, false},
};
// clang-format on

// Counts the lines written and keeps the subtitle of one of them.
class LineFinder final : public EntryLineOut {
public:
    explicit LineFinder(std::size_t line) : line_(line), subtitle_(line + 1) {}
    void Entry(std::size_t index) override { entry_ = index + 1; }
    void Add(std::string_view) override {
        if (count_++ == line_ && entry_ != 0)
            subtitle_ = entry_;
    }
    std::size_t Subtitle() const { return subtitle_; }

private:
    std::size_t line_;
    std::size_t subtitle_;
    std::size_t entry_ = 0;
    std::size_t count_ = 0;
};

} // namespace

std::span<const OutputFormat> OutputFormats() {
    return kOutputFormats;
}

const OutputFormat *FindOutputFormat(std::string_view key) {
    for (const OutputFormat &format : kOutputFormats)
        if (format.key == key)
            return &format;
    return nullptr;
}

const OutputFormat *OutputFormatOfFileName(std::string_view fileName) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (const OutputFormat &format : kOutputFormats) {
        const std::string_view extension = format.extension;
        if (fileName.size() <= extension.size())
            continue;
        const std::string_view end = fileName.substr(fileName.size() - extension.size());
        if (std::equal(end.begin(), end.end(), extension.begin(), extension.end(),
                       [&](char a, char b) { return lower(a) == b; }))
            return &format;
    }
    return nullptr;
}

const OutputFormat &MicroDvdOutput() {
    return kOutputFormats[0];
}

const OutputFormat &SubRipOutput() {
    return kOutputFormats[1];
}

std::string OutputFormatKeys() {
    std::string keys;
    for (const OutputFormat &format : kOutputFormats)
        keys += (keys.empty() ? "" : ", ") + std::string(format.key);
    return keys;
}

std::string SaveDialogFilter(const OutputFormat &format) {
    const std::string pattern = "*" + std::string(format.extension);
    return std::string(format.name) + " (" + pattern + ")|" + pattern;
}

TextEncoding OutputEncodingOf(const OutputFormat &format, const TextEncoding &chosen) {
    return format.alwaysUtf8 ? Utf8Encoding(false) : chosen;
}

void WriteFormat(const OutputFormat &format, const TextList &entries, const WriteOptions &options,
                 LineOut &out, const std::function<void(int)> &progress) {
    const std::size_t count = entries.Count();
    // Entry i starting tells that entry i - 1 is done; the last is told at the end.
    EntryTracking tracking(out, [&](std::size_t index) {
        if (progress && index > 0)
            progress(ConversionProgress(index - 1, count));
    });
    WriteInPieces(
        count, [&](EntryRange range, EntryLineOut &piece) { format.write(entries, range, options, piece); },
        tracking);
    if (progress && count > 0)
        progress(ConversionProgress(count - 1, count));
}

TextList WrittenLines(const OutputFormat &format, const TextList &entries, const WriteOptions &options,
                      const std::function<void(int)> &progress) {
    TextList lines;
    ListLineOut out(lines);
    WriteFormat(format, entries, options, out, progress);
    return lines;
}

std::size_t SubtitleOfOutputLine(const OutputFormat &format, const TextList &entries,
                                 const WriteOptions &options, std::size_t line) {
    LineFinder finder(line);
    format.write(entries, {0, entries.Count()}, options, finder);
    return finder.Subtitle();
}

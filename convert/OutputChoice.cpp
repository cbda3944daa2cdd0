#include "convert/OutputChoice.h"

#include "formats/SubRipWriter.h"

namespace {

// The first two items read as the box has always read them.
constexpr std::string_view kListAsItStands = "Original to MicroDVD (*.Sub)";
constexpr std::string_view kSubRipItem = "SubRip (*.Srt)";

} // namespace

TextList OutputBoxItems() {
    TextList items;
    for (const OutputFormat &format : OutputFormats()) {
        if (&format == &MicroDvdOutput())
            items.Add(kListAsItStands);
        else if (&format == &SubRipOutput())
            items.Add(kSubRipItem);
        else
            items.Add(std::string(format.name) + " (*" + std::string(format.extension) + ")");
    }
    return items;
}

const OutputFormat &OutputOfBoxItem(int item) {
    const auto formats = OutputFormats();
    if (item < 0 || static_cast<std::size_t>(item) >= formats.size())
        return SubRipOutput();
    return formats[static_cast<std::size_t>(item)];
}

const OutputFormat &ConvertedOutputOf(int item) {
    const OutputFormat &format = OutputOfBoxItem(item);
    return &format == &MicroDvdOutput() ? SubRipOutput() : format;
}

int BoxItemOfKey(std::string_view key) {
    const auto formats = OutputFormats();
    for (std::size_t i = 0; i < formats.size(); ++i)
        if (formats[i].key == key)
            return static_cast<int>(i);
    return -1;
}

std::size_t SubtitleOfMemoLine(const ConvertedMemo &memo, const TextList &memoLines, const TextList &entries,
                               std::size_t line) {
    if (memo.format == &SubRipOutput())
        return SubRipSubtitleOf(memoLines, line);
    return SubtitleOfOutputLine(*memo.format, entries, memo.options, line);
}

std::string MemoSaveFilter(const OutputFormat &format) {
    return &format == &SubRipOutput() ? "Subrip (Srt)|*.srt" : SaveDialogFilter(format);
}

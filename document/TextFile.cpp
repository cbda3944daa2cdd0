#include "document/TextFile.h"

#include "document/Errors.h"
#include "document/LargeBlock.h"
#include "document/TwoThreads.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <system_error>
#include <tuple>
#include <utility>
#include <vector>

#include <unistd.h>

namespace {

// CHOICE: a file or text below a megabyte is read on one thread.
constexpr std::size_t kHalvedFrom = std::size_t{1} << 20;

// The next `c` at or after `from`, or `end`; `cached` keeps the last one
// found, so each character is searched once however long the lines.
const char *NextOf(char c, const char *from, const char *end, const char *&cached) {
    if (cached == nullptr || cached < from) {
        const void *found = std::memchr(from, c, static_cast<std::size_t>(end - from));
        cached = found == nullptr ? end : static_cast<const char *>(found);
    }
    return cached;
}

// Calls `take` with each line of the text: lines end at CR LF, LF or a lone
// CR. Room is reserved for as many lines as the text has line feeds (or
// returns, in an old Mac file).
template <typename Take> TextList SplitLines(std::string_view text, Take take) {
    TextList lines;
    auto lineEnds = std::count(text.begin(), text.end(), '\n');
    if (lineEnds == 0)
        lineEnds = std::count(text.begin(), text.end(), '\r');
    lines.Reserve(static_cast<std::size_t>(lineEnds) + 1);
    const char *const end = text.data() + text.size();
    const char *start = text.data();
    const char *nextFeed = nullptr;
    const char *nextReturn = nullptr;
    while (start != end) {
        const char *lineEnd =
            std::min(NextOf('\n', start, end, nextFeed), NextOf('\r', start, end, nextReturn));
        take(lines, std::string_view(start, static_cast<std::size_t>(lineEnd - start)));
        if (lineEnd == end)
            break;
        start = lineEnd + 1;
        if (*lineEnd == '\r' && start != end && *start == '\n')
            ++start;
    }
    return lines;
}

TextList SplitLines(std::string_view text) {
    return SplitLines(text, [](TextList &lines, std::string_view line) { lines.Add(line); });
}

std::filesystem::path SystemPath(const std::string &fileName) {
    return fileName;
}

std::string Reason(int error) {
    return std::generic_category().message(error);
}

[[noreturn]] void ThrowFileError(std::string_view what, const std::string &fileName,
                                 std::string_view reason) {
    throw FileError(std::string(what) + " \"" + fileName + "\". " + std::string(reason));
}

[[noreturn]] void ThrowFileError(std::string_view what, const std::string &fileName, int error) {
    ThrowFileError(what, fileName, Reason(error));
}

// Subtitle files are a few megabytes; a file beyond this is refused before
// it is read rather than exhausting memory.
constexpr std::uintmax_t kLargestFile = std::uintmax_t{1} << 30;

// Only plain files are read: a folder, a pipe or a device (one that never
// ends, such as /dev/zero) is refused before it is opened.
void CheckReadable(const std::filesystem::path &path, const std::string &fileName) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status))
        return; // opening reports why
    if (std::filesystem::is_directory(status))
        ThrowFileError("Cannot open file", fileName, EISDIR);
    if (!std::filesystem::is_regular_file(status))
        ThrowFileError("Cannot open file", fileName, "It is not a regular file");
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kLargestFile)
        ThrowFileError("Cannot open file", fileName, "The file is larger than 1 GiB");
}

// A save through a symbolic link writes the file the link points to, so the
// link stays a link.
std::filesystem::path ResolveLinks(std::filesystem::path path) {
    std::error_code error;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(path, error); ++hops) {
        const std::filesystem::path link = std::filesystem::read_symlink(path, error);
        if (error)
            break;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

// The permissions of the file a save replaces, which the new file takes
// over; none when there is no such file. A file nobody may write is not
// replaced, not even by a user whom permissions do not stop.
std::optional<std::filesystem::perms> ReplacedPermissions(const std::filesystem::path &target,
                                                          const std::string &fileName) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(target, error);
    if (error || !std::filesystem::is_regular_file(status))
        return std::nullopt;
    using std::filesystem::perms;
    const perms permissions = status.permissions();
    if ((permissions & (perms::owner_write | perms::group_write | perms::others_write)) == perms::none)
        ThrowFileError("Cannot create file", fileName, EACCES);
    return permissions;
}

// The C library does not promise errno for every stream failure.
int LastError() {
    return errno != 0 ? errno : EIO;
}

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file of our own beside the target, never one that exists already.
std::pair<FileHandle, std::filesystem::path> CreateTemporaryBeside(const std::filesystem::path &target,
                                                                   const std::string &fileName) {
    const std::string base = target.string() + ".lumavert-";
    int error = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate = base + std::to_string(attempt) + ".tmp";
        errno = 0;
        FileHandle file(std::fopen(candidate.c_str(), "wbx"));
        if (file)
            return {std::move(file), std::move(candidate)};
        error = errno;
        if (error != EEXIST)
            break;
    }
    ThrowFileError("Cannot create file", fileName, error);
}

// Text that reads the same in UTF-8 needs no decoding: UTF-8 that the choice
// found valid, or only ASCII in an encoding that keeps ASCII as it is.
bool ReadsAsItStands(std::string_view text, const ChosenEncoding &chosen) {
    if (chosen.source == EncodingSource::Utf8)
        return true;
    if (chosen.encoding.name == "UTF-8")
        return IsValidUtf8(text);
    return KeepsAscii(chosen.encoding) &&
           std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The lines of a piece of text, decoded a line at a time when a decoder is
// given; counts the sequences read as U+FFFD.
TextList LinesOf(std::string_view text, const LineDecoder *decoder, std::size_t &invalid) {
    if (decoder == nullptr)
        return SplitLines(text);
    std::string line;
    // Counted here and added once: the halves of a text are read on two
    // threads, and a count each writes at every line must not share a cache line.
    std::size_t found = 0;
    TextList lines = SplitLines(text, [&](TextList &into, std::string_view bytesOfLine) {
        line.clear();
        found += decoder->Append(line, bytesOfLine);
        into.Add(line);
    });
    invalid += found;
    return lines;
}

// As LinesOf; a large text is cut in two after the line feed nearest its
// middle and the halves are read on two threads. A line ends at a line feed
// whatever comes before it, so the halves' lines are the whole text's.
TextList LinesInHalves(std::string_view text, const LineDecoder *decoder, std::size_t &invalid) {
    const std::size_t feed =
        TwoThreadsFor(text.size(), kHalvedFrom) ? text.find('\n', text.size() / 2) : std::string_view::npos;
    if (feed == std::string_view::npos)
        return LinesOf(text, decoder, invalid);
    std::size_t invalidInFront = 0;
    auto [lines, back] =
        BothHalves([&] { return LinesOf(text.substr(0, feed + 1), decoder, invalidInFront); },
                   [&] { return LinesOf(text.substr(feed + 1), decoder, invalid); });
    lines.AddAll(std::move(back));
    invalid += invalidInFront;
    return lines;
}

// The file's lines as UTF-8, in the encoding chosen for its bytes. Text that
// reads as it stands is split as it is; text in an encoding that decodes line
// by line is decoded a line at a time, so no decoded copy of the whole file is
// ever held; any other is decoded whole first.
LoadedText DecodeLines(std::string_view bytes, const ReadingOptions &options, const std::string &fileName) {
    LoadedText loaded;
    loaded.encoding = ChooseEncoding(bytes, options);
    const std::string_view text = bytes.substr(loaded.encoding.markSize);
    if (ReadsAsItStands(text, loaded.encoding)) {
        loaded.lines = LinesInHalves(text, nullptr, loaded.invalidCharacters);
        return loaded;
    }
    if (const LineDecoder decoder(loaded.encoding.encoding); decoder.Decodes()) {
        loaded.lines = LinesInHalves(text, &decoder, loaded.invalidCharacters);
    } else {
        const DecodedText decoded = DecodeText(text, loaded.encoding.encoding);
        loaded.lines = LinesInHalves(decoded.utf8, nullptr, loaded.invalidCharacters);
        loaded.invalidCharacters = decoded.invalid;
    }
    if (loaded.invalidCharacters > 0 && loaded.encoding.source == EncodingSource::Named)
        ThrowFileError("Cannot read file", fileName,
                       "It is not " + loaded.encoding.encoding.name +
                           " text: " + std::to_string(loaded.invalidCharacters) +
                           " of its characters cannot be read in that encoding");
    return loaded;
}

// Reads `size` bytes from `offset` on; false when the file ends or fails first.
bool ReadAt(int descriptor, char *to, std::size_t size, std::size_t offset) {
    while (size > 0) {
        const ssize_t got = pread(descriptor, to, size, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        const auto read = static_cast<std::size_t>(got);
        to += read;
        size -= read;
        offset += read;
    }
    return true;
}

// The first `size` bytes of a file, read as two halves at once, so that two
// threads share the copying and the fresh pages it fills; false, with the
// file where it was, when it came short (it changed while it was read).
bool ReadInHalves(std::FILE *file, char *to, std::size_t size) {
    const int descriptor = fileno(file);
    const std::size_t half = size / 2;
    const auto [front, back] = BothHalves([&] { return ReadAt(descriptor, to, half, 0); },
                                          [&] { return ReadAt(descriptor, to + half, size - half, half); });
    return front && back && std::fseek(file, static_cast<long>(size), SEEK_SET) == 0;
}

} // namespace

LoadedText DecodeTextLines(std::string_view bytes, const ReadingOptions &options,
                           const std::string &fileName) {
    return DecodeLines(bytes, options, fileName);
}

FileBytes ReadFileBytes(const std::string &fileName) {
    const std::filesystem::path path = SystemPath(fileName);
    CheckReadable(path, fileName);
    std::error_code sizeError;
    errno = 0;
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file)
        ThrowFileError("Cannot open file", fileName, errno);
    const std::uintmax_t expected = std::filesystem::file_size(path, sizeError);
    // Read to the end rather than trusting the size: the file may change or
    // not be a plain file. A block one byte larger than the file tells that
    // the end was reached without a second read of its size.
    std::size_t room = sizeError ? std::size_t{1} << 20 : static_cast<std::size_t>(expected) + 1;
    std::shared_ptr<char[]> bytes = NewLargeBlock(room);
    std::size_t used = 0;
    if (!sizeError && TwoThreadsFor(expected, kHalvedFrom) && ReadInHalves(file.get(), bytes.get(), expected))
        used = expected;
    for (;;) {
        used += std::fread(bytes.get() + used, 1, room - used, file.get());
        if (used < room)
            break;
        if (used > kLargestFile)
            ThrowFileError("Cannot read file", fileName, "The file is larger than 1 GiB");
        std::shared_ptr<char[]> larger = NewLargeBlock(room * 2);
        std::memcpy(larger.get(), bytes.get(), used);
        bytes = std::move(larger);
        room *= 2;
    }
    if (std::ferror(file.get()))
        ThrowFileError("Cannot read file", fileName, LastError());
    return {std::move(bytes), used};
}

LoadedText ReadTextFile(const std::string &fileName, const ReadingOptions &options) {
    return DecodeLines(ReadFileBytes(fileName).View(), options, fileName);
}

namespace {

// Encodes lines into pieces of about a megabyte for `write`. After the first
// character the encoding lacks, or the first failed write, it takes no more
// lines and keeps what went wrong.
class EncodingLineOut final : public LineOut {
public:
    EncodingLineOut(const TextEncoding &encoding, std::string_view lineEnd,
                    std::function<bool(std::string_view)> write)
        : encoding_(encoding), encoder_(encoding), piece_(ByteOrderMarkOf(encoding)),
          write_(std::move(write)) {
        encoder_.Append(end_, lineEnd);
        piece_.reserve(kPiece + 256);
    }

    void Add(std::string_view line) override {
        if (Stopped())
            return;
        if (const std::optional<UnencodableCharacter> lacking = encoder_.Append(piece_, line)) {
            lacking_.emplace("The character " + CodePointName(lacking->character) + " of line " +
                                 std::to_string(lines_ + 1) + " cannot be written in " + encoding_.name,
                             lacking->character, lines_);
            return;
        }
        piece_ += end_;
        ++lines_;
        if (piece_.size() >= kPiece)
            Hand();
    }

    // Hands over what is left; false when a write failed.
    bool Finish() {
        if (!Stopped() && !piece_.empty())
            Hand();
        return !writeFailed_;
    }

    bool Stopped() const { return writeFailed_ || lacking_; }
    const std::optional<EncodingError> &Lacking() const { return lacking_; }

private:
    static constexpr std::size_t kPiece = 1 << 20;

    void Hand() {
        writeFailed_ = !write_(piece_);
        piece_.clear();
    }

    const TextEncoding &encoding_;
    TextEncoder encoder_;
    std::string end_;
    std::string piece_;
    std::function<bool(std::string_view)> write_;
    std::size_t lines_ = 0;
    bool writeFailed_ = false;
    std::optional<EncodingError> lacking_;
};

// Lines that go nowhere.
class NoLineOut final : public LineOut {
public:
    void Add(std::string_view) override {}
};

// A temporary file that goes away unless it was renamed over its target.
struct TemporaryFile {
    FileHandle file;
    std::filesystem::path path;
    ~TemporaryFile() {
        if (path.empty())
            return;
        file.reset();
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

} // namespace

bool WriteEncodedLines(const TextList &lines, const TextEncoding &encoding, std::string_view lineEnd,
                       const std::function<bool(std::string_view)> &write) {
    EncodingLineOut out(encoding, lineEnd, write);
    for (std::size_t i = 0; i < lines.Count() && !out.Stopped(); ++i)
        out.Add(lines[i]);
    const bool written = out.Finish();
    if (out.Lacking())
        throw *out.Lacking();
    return written;
}

void CheckEncodable(const TextList &lines, const TextEncoding &encoding) {
    WriteEncodedLines(lines, encoding, "", [](std::string_view) { return true; });
}

void WriteTextFile(const std::string &fileName, const TextList &lines, const TextEncoding &encoding) {
    WriteTextFile(fileName, encoding, [&](LineOut &out) {
        for (const std::string_view line : lines)
            out.Add(line);
    });
}

void WriteTextFile(const std::string &fileName, const TextEncoding &encoding,
                   const std::function<void(LineOut &)> &produce) {
    // A file that cannot be made is told only once the lines are made, as
    // when they were made before the file was opened.
    std::exception_ptr refused;
    std::filesystem::path target;
    std::optional<std::filesystem::perms> permissions;
    TemporaryFile temporary;
    try {
        target = ResolveLinks(SystemPath(fileName));
        permissions = ReplacedPermissions(target, fileName);
        std::tie(temporary.file, temporary.path) = CreateTemporaryBeside(target, fileName);
    } catch (const FileError &) {
        refused = std::current_exception();
    }
    if (refused) {
        // Nothing can be written: the lines are only made, for what their
        // making tells, and not encoded.
        NoLineOut nowhere;
        produce(nowhere);
        std::rethrow_exception(refused);
    }
    int error = 0;
    std::FILE *const out = temporary.file.get();
    EncodingLineOut lines(encoding, "\r\n", [&](std::string_view piece) {
        if (std::fwrite(piece.data(), 1, piece.size(), out) == piece.size())
            return true;
        error = LastError();
        return false;
    });
    produce(lines);
    lines.Finish();
    if (lines.Lacking())
        throw *lines.Lacking();
    if (error == 0 && std::fflush(out) != 0)
        error = LastError();
    if (std::fclose(temporary.file.release()) != 0 && error == 0)
        error = LastError();
    if (error == 0 && permissions) {
        std::error_code permissionError;
        std::filesystem::permissions(temporary.path, *permissions, permissionError);
        error = permissionError.value();
    }
    if (error == 0) {
        std::error_code renameError;
        std::filesystem::rename(temporary.path, target, renameError);
        error = renameError.value();
    }
    if (error != 0)
        ThrowFileError("Cannot create file", fileName, error);
    temporary.path.clear();
}

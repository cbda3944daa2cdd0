#include "convert/SaveInEncoding.h"

#include "document/Errors.h"
#include "document/MessageTable.h"
#include "document/OwnMessages.h"
#include "document/TextFile.h"
#include "formats/SubRipWriter.h"

namespace {
// What a decoder puts for bytes it cannot read.
constexpr char32_t kReplacementCharacter = 0xFFFD;
} // namespace

bool SaveInEncoding(const std::string &fileName, const TextList &lines, bool subRip,
                    const TextEncoding &encoding, Questions &questions, std::uint8_t language) {
    const auto subtitleOfLine = [&](std::size_t line) {
        return subRip ? SubRipSubtitleOf(lines, line) : line + 1;
    };
    return SaveInEncoding(fileName, lines, subtitleOfLine, encoding, questions, language);
}

bool SaveInEncoding(const std::string &fileName, const TextList &lines,
                    const std::function<std::size_t(std::size_t)> &subtitleOfLine,
                    const TextEncoding &encoding, Questions &questions, std::uint8_t language) {
    try {
        WriteTextFile(fileName, lines, encoding);
        return true;
    } catch (const EncodingError &error) {
        // Text that could not be read is kept as it was read, in UTF-8, rather than lost.
        if (error.character == kReplacementCharacter) {
            questions.ShowMessage(MessageText(MessageRow::WrittenAsUtf8, language) + encoding.name);
            WriteTextFile(fileName, lines, Utf8Encoding(true));
            return true;
        }
        const std::size_t subtitle = subtitleOfLine(error.line);
        const std::string question = UnencodableCharacterText(error.character, subtitle, encoding, language);
        if (!questions.AskYesNo(question, QuestionKind::Warning))
            return false;
    }
    WriteTextFile(fileName, lines, Utf8Encoding(true));
    return true;
}

bool HoldsUnreadText(const TextEncoding &encoding) {
    std::string encoded;
    return !AppendEncoded(encoded, "\xEF\xBF\xBD", encoding);
}

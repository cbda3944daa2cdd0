#include "convert/SaveInEncoding.h"

#include "convert/OpenerMessages.h"
#include "document/Errors.h"
#include "document/TextFile.h"
#include "formats/SubRipWriter.h"

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
        const std::size_t subtitle = subtitleOfLine(error.line);
        const std::string question = UnencodableCharacterText(error.character, subtitle, encoding, language);
        if (!questions.AskYesNo(question, QuestionKind::Warning))
            return false;
    }
    WriteTextFile(fileName, lines, Utf8Encoding(true));
    return true;
}

#pragma once

#include "convert/TimingQuestions.h"
#include "document/Errors.h"
#include "document/Questions.h"
#include "document/TextEncoding.h"
#include "document/TextList.h"
#include "formats/OutputFormats.h"

#include <cstdint>
#include <functional>
#include <string>

// Converting a list to SubRip as the Convert button does, apart from the window.
struct SubRipRequest {
    std::string fpsText;   // the frame-rate box
    std::string delayText; // the delay box, in seconds
    bool announceSuccess = true;
    std::uint8_t language = 1;
    // Hears the entry a declined correction points at.
    EntryPointedAt pointedAt;
};

// Offers the correction of the list's timing faults (Yes corrects the list
// in place), then converts it: the SubRip text, one item per line, and
// "Success" told when asked for. An empty list gives no text. A box that is
// not a number, or an entry whose bounds do not convert, throws ConvertError.
TextList ConvertListToSubRip(TextList &frameLines, const SubRipRequest &request, Questions &questions,
                             const std::function<void(int)> &progress = {});

// The same, into the lines of any output format.
TextList ConvertListTo(const OutputFormat &format, TextList &frameLines, const SubRipRequest &request,
                       Questions &questions, const std::function<void(int)> &progress = {});

// A character of the written text that the output encoding lacks, with the
// subtitle that holds it as the memo would tell it; nothing has been written.
class UnencodableSubtitle : public EncodingError {
public:
    UnencodableSubtitle(const EncodingError &error, std::size_t subtitle)
        : EncodingError(error), subtitle(subtitle) {}
    std::size_t subtitle;
};

// Converts as ConvertListTo does and writes the format's text straight to a
// file, as WriteTextFile writes the memo, without holding it: the same
// questions and messages in the same order, then the file's own errors
// (FileError, or UnencodableSubtitle for a character the encoding lacks).
void SaveListAs(const OutputFormat &format, TextList &frameLines, const SubRipRequest &request,
                Questions &questions, const std::string &fileName, const TextEncoding &encoding);

#include "formats/TtmlReader.h"

#include "formats/TtmlTimes.h"

#include <libxml/xmlreader.h>

#include <algorithm>
#include <climits>
#include <limits>
#include <memory>

// The document is read as a stream, so memory stays near the size of the
// text whatever its length. Times follow time containment: a child of a
// parallel container counts from its parent's begin, a child of a
// sequential one from its previous sibling's end; an element without an end
// of its own lasts as long as its parallel parent (zero time in a
// sequential one), and no element outlasts its parent.

namespace {

constexpr Extended kIndefinite = std::numeric_limits<Extended>::infinity();

std::string_view View(const xmlChar *text) {
    return text == nullptr ? std::string_view{} : std::string_view(reinterpret_cast<const char *>(text));
}

bool IsTtmlNamespace(std::string_view uri) {
    // The namespace of today and those of the drafts DFXP files still name.
    return uri == "http://www.w3.org/ns/ttml" ||
           (uri.starts_with("http://www.w3.org/200") && uri.ends_with("/ttaf1"));
}

// The attributes of an element that the reading needs.
struct Attributes {
    std::optional<std::string> begin, end, dur;
    bool sequential = false;
    std::optional<bool> preserveSpace;
    std::string frameRate, frameRateMultiplier, subFrameRate, tickRate;
};

// CHOICE: attributes are known by their local names in any namespace; files
// put the parameters in the namespace of their own version.
Attributes ReadAttributes(xmlTextReaderPtr reader) {
    Attributes read;
    for (int more = xmlTextReaderMoveToFirstAttribute(reader); more == 1;
         more = xmlTextReaderMoveToNextAttribute(reader)) {
        const std::string_view name = View(xmlTextReaderConstLocalName(reader));
        const std::string_view value = View(xmlTextReaderConstValue(reader));
        if (name == "begin")
            read.begin = value;
        else if (name == "end")
            read.end = value;
        else if (name == "dur")
            read.dur = value;
        else if (name == "timeContainer")
            read.sequential = value == "seq";
        else if (name == "space")
            read.preserveSpace = value == "preserve";
        else if (name == "frameRate")
            read.frameRate = value;
        else if (name == "frameRateMultiplier")
            read.frameRateMultiplier = value;
        else if (name == "subFrameRate")
            read.subFrameRate = value;
        else if (name == "tickRate")
            read.tickRate = value;
    }
    xmlTextReaderMoveToElement(reader);
    return read;
}

enum class Kind { Timed, Paragraph, Break, Other };

// An open element: its interval in seconds from the start of the document.
struct Frame {
    Extended begin = 0;
    Extended end = kIndefinite;
    bool sequential = false;
    // In a sequential container, where its next child counts from.
    Extended nextBegin = 0;
    bool unreadable = false; // its times, or those of an ancestor, cannot be read
    bool keepsText = false;  // its text belongs to the paragraph
    bool preserveSpace = false;
    bool paragraph = false;
};

// The paragraph being read: its lines, and the times of spans that carry them.
struct Paragraph {
    Frame frame = {};
    bool timed = false;
    std::string text;
    std::string line;
    bool blankPending = false;
    Extended spanBegin = kIndefinite;
    Extended spanEnd = -kIndefinite;

    void Text(std::string_view characters, bool preserveSpace) {
        for (const char c : characters) {
            if (preserveSpace) {
                c == '\n' ? Break() : void(line += c);
            } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
                blankPending = !line.empty();
            } else {
                if (blankPending)
                    line += ' ';
                blankPending = false;
                line += c;
            }
        }
    }
    // Lines that hold nothing are dropped.
    void Break() {
        if (!line.empty())
            text.append(text.empty() ? "" : "|").append(line);
        line.clear();
        blankPending = false;
    }
};

class Walk {
public:
    explicit Walk(xmlTextReaderPtr reader) : reader_(reader) {}

    // False when the root is not a timed-text "tt".
    bool Root() {
        if (View(xmlTextReaderConstLocalName(reader_)) != "tt" ||
            !IsTtmlNamespace(View(xmlTextReaderConstNamespaceUri(reader_))))
            return false;
        const Attributes attributes = ReadAttributes(reader_);
        rates_ = ReadTtmlRates(attributes.frameRate, attributes.frameRateMultiplier, attributes.subFrameRate,
                               attributes.tickRate);
        frames_.emplace_back();
        frames_.back().preserveSpace = attributes.preserveSpace.value_or(false);
        return true;
    }

    void Element() {
        const bool empty = xmlTextReaderIsEmptyElement(reader_) == 1;
        const Kind kind =
            KindOf(View(xmlTextReaderConstLocalName(reader_)), View(xmlTextReaderConstNamespaceUri(reader_)));
        if (kind == Kind::Break) {
            if (paragraph_ && frames_.back().keepsText)
                paragraph_->Break();
            if (empty)
                return;
        }
        frames_.push_back(Open(kind));
        if (empty)
            Close();
    }

    void EndElement() {
        if (frames_.size() > 1)
            Close();
    }

    void Text(std::string_view characters) {
        if (paragraph_ && frames_.back().keepsText)
            paragraph_->Text(characters, frames_.back().preserveSpace);
    }

    // The paragraph cut off by a break in the XML is left out with it.
    TtmlDocument Finish(std::optional<std::size_t> brokenAtLine) {
        if (paragraph_)
            ++document_.leftOut;
        document_.brokenAtLine = brokenAtLine;
        return std::move(document_);
    }

private:
    Kind KindOf(std::string_view name, std::string_view uri) const {
        if (!IsTtmlNamespace(uri))
            return Kind::Other;
        if (name == "p")
            return paragraph_ ? Kind::Timed : Kind::Paragraph;
        if (name == "body" || name == "div" || name == "span")
            return Kind::Timed;
        if (name == "br")
            return Kind::Break;
        return Kind::Other;
    }

    Frame Open(Kind kind) {
        Frame &parent = frames_.back();
        Frame frame;
        frame.begin = parent.begin;
        frame.end = parent.end;
        frame.unreadable = parent.unreadable;
        frame.keepsText = kind != Kind::Other && (parent.keepsText || kind == Kind::Paragraph);
        const Attributes attributes = ReadAttributes(reader_);
        frame.preserveSpace = attributes.preserveSpace.value_or(parent.preserveSpace);
        const bool timed = attributes.begin || attributes.end || attributes.dur;
        if (kind == Kind::Timed || kind == Kind::Paragraph) {
            frame.sequential = attributes.sequential;
            Time(parent, attributes, frame);
            frame.nextBegin = frame.begin;
        }
        if (kind == Kind::Paragraph) {
            frame.paragraph = true;
            paragraph_.emplace();
            paragraph_->frame = frame;
            paragraph_->timed = timed;
        } else if (paragraph_ && timed && !frame.unreadable && frame.end != kIndefinite) {
            paragraph_->spanBegin = std::min(paragraph_->spanBegin, frame.begin);
            paragraph_->spanEnd = std::max(paragraph_->spanEnd, frame.end);
        }
        return frame;
    }

    // The element's interval within its parent's.
    void Time(Frame &parent, const Attributes &attributes, Frame &frame) const {
        const Extended from = parent.sequential ? parent.nextBegin : parent.begin;
        const auto seconds = [&](const std::optional<std::string> &text) -> std::optional<Extended> {
            if (!text)
                return Extended{0};
            const auto value = TtmlSeconds(*text, rates_);
            if (!value)
                frame.unreadable = true;
            return value;
        };
        const auto begin = seconds(attributes.begin);
        const auto end = seconds(attributes.end);
        const auto dur = seconds(attributes.dur);
        if (frame.unreadable)
            return;
        frame.begin = from + *begin;
        frame.end = parent.sequential ? frame.begin : parent.end;
        if (attributes.end)
            frame.end = from + *end;
        if (attributes.dur)
            frame.end = attributes.end ? std::min(frame.end, frame.begin + *dur) : frame.begin + *dur;
        frame.end = std::max(frame.begin, std::min(frame.end, parent.end));
        if (parent.sequential)
            parent.nextBegin = frame.end;
    }

    void Close() {
        const Frame frame = frames_.back();
        frames_.pop_back();
        if (frame.paragraph && paragraph_)
            CloseParagraph();
    }

    void CloseParagraph() {
        Paragraph &paragraph = *paragraph_;
        paragraph.Break();
        Extended begin = paragraph.frame.begin;
        Extended end = paragraph.frame.end;
        // A paragraph timed only by its spans shows from the first to the last.
        if (!paragraph.timed && paragraph.spanEnd >= paragraph.spanBegin) {
            begin = paragraph.spanBegin;
            end = paragraph.spanEnd;
        }
        if (paragraph.frame.unreadable)
            ++document_.leftOut;
        else if (!paragraph.text.empty())
            document_.cues.push_back({begin, end == kIndefinite ? begin : end, std::move(paragraph.text)});
        paragraph_.reset();
    }

    xmlTextReaderPtr reader_;
    TtmlRates rates_;
    std::vector<Frame> frames_;
    std::optional<Paragraph> paragraph_;
    TtmlDocument document_;
};

void IgnoreError(void *, xmlErrorPtr) {}

struct ReaderFree {
    void operator()(xmlTextReaderPtr reader) const { xmlFreeTextReader(reader); }
};

// No entity expansion, no DTD loaded or applied, nothing from the network,
// the text's own encoding declaration ignored (the text is UTF-8 already),
// and libxml2's limits on depth and on the size of a text kept.
constexpr int kParseOptions =
    XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA | XML_PARSE_IGNORE_ENC;

} // namespace

std::optional<TtmlDocument> ReadTtml(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(INT_MAX))
        return std::nullopt;
    xmlInitParser();
    const std::unique_ptr<xmlTextReader, ReaderFree> reader(
        xmlReaderForMemory(text.data(), static_cast<int>(text.size()), nullptr, "UTF-8", kParseOptions));
    if (!reader)
        return std::nullopt;
    xmlTextReaderSetStructuredErrorHandler(reader.get(), IgnoreError, nullptr);
    Walk walk(reader.get());
    bool rootSeen = false;
    int status = 0;
    while ((status = xmlTextReaderRead(reader.get())) == 1) {
        switch (xmlTextReaderNodeType(reader.get())) {
        case XML_READER_TYPE_ELEMENT:
            if (!rootSeen) {
                if (!walk.Root())
                    return std::nullopt;
                rootSeen = true;
            } else {
                walk.Element();
            }
            break;
        case XML_READER_TYPE_END_ELEMENT:
            walk.EndElement();
            break;
        case XML_READER_TYPE_TEXT:
        case XML_READER_TYPE_CDATA:
        case XML_READER_TYPE_WHITESPACE:
        case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
            walk.Text(View(xmlTextReaderConstValue(reader.get())));
            break;
        default:
            // Entity references stay unexpanded; comments and instructions say nothing.
            break;
        }
    }
    if (!rootSeen)
        return std::nullopt;
    std::optional<std::size_t> brokenAtLine;
    if (status < 0)
        brokenAtLine = static_cast<std::size_t>(std::max(1, xmlTextReaderGetParserLineNumber(reader.get())));
    return walk.Finish(brokenAtLine);
}

// Writes a large subtitle file for the benchmark in any format the program
// reads: one to three text lines per subtitle, cp1252 accents and <i> italics,
// CR LF line ends. The same format and count always give the same bytes.
//
//   generate-subtitles FORMAT COUNT FILE      (generate-subtitles lists the formats)

#include "document/NumText.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::array<std::string_view, 24> kWords = {
    "n\xE3o",    "tamb\xE9m",   "cora\xE7\xE3o", "caf\xE9", "l\xE1",     "voc\xEA", "est\xE1", "ent\xE3o",
    "amanh\xE3", "hist\xF3ria", "p\xE3o",        "ir\xE3o", "porqu\xEA", "agora",   "casa",    "noite",
    "tempo",     "sempre",      "depois",        "nunca",   "mundo",     "s\xF3",   "aqui",    "at\xE9"};

// A small linear congruential generator: reproducible and fast enough for a million subtitles.
class Sequence {
public:
    unsigned Next(unsigned limit) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned>((state_ >> 33) % limit);
    }

private:
    std::uint64_t state_ = 20240601;
};

std::string Digits(long long value, std::size_t width) {
    std::string text = IntToStr(value);
    text.insert(0, width > text.size() ? width - text.size() : 0, '0');
    return text;
}

// hh:mm:ss, then `fraction` decimals of the second behind `separator`. Two-digit hours hold the
// benchmark's 97 hours; `hourDigits` 1 gives h:mm:ss (still two digits from 10 hours on).
std::string Clock(long long milliseconds, std::size_t hourDigits = 2, char separator = ',',
                  int fraction = 3) {
    const long long seconds = milliseconds / 1000;
    std::string text = Digits(seconds / 3600, hourDigits) + ":" + Digits(seconds / 60 % 60, 2) + ":" +
                       Digits(seconds % 60, 2);
    if (fraction > 0) {
        long long part = milliseconds % 1000;
        for (int d = fraction; d < 3; ++d)
            part /= 10;
        text += separator + Digits(part, static_cast<std::size_t>(fraction));
    }
    return text;
}

// The 11-character timecode hh:mm:ss:cc whose last field is read as hundredths of a second.
std::string Timecode(long long milliseconds, char fieldSeparator = ':') {
    std::string text = Clock(milliseconds, 2, ':', 2);
    for (char &c : text)
        if (c == ':')
            c = fieldSeparator;
    return text;
}

std::string TextLine(Sequence &sequence) {
    std::string line;
    const unsigned words = 3 + sequence.Next(4);
    for (unsigned w = 0; w < words; ++w) {
        if (w > 0)
            line += ' ';
        line += kWords[sequence.Next(kWords.size())];
    }
    if (sequence.Next(5) == 0)
        line = "<i>" + line + "</i>";
    return line;
}

std::string Join(const std::vector<std::string> &lines, std::string_view separator) {
    std::string text;
    for (std::size_t l = 0; l < lines.size(); ++l)
        text += (l > 0 ? std::string(separator) : std::string()) + lines[l];
    return text;
}

std::string Padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

// One subtitle: number i (from 0), its times, its text lines.
struct Cue {
    long long index;
    long long start;
    long long end;
    std::vector<std::string> lines;
};

using Writer = std::string (*)(const Cue &);

struct Format {
    std::string_view name;
    std::string_view header;
    Writer cue;
    std::string_view footer;
};

constexpr std::string_view kCrLf = "\r\n";

// Writers of one subtitle per format. A subtitle starts every 350 ms and shows for 300 ms (9 and 7
// frames at 25 frames per second); formats with coarser times round them down.
const std::array<Format, 33> kFormats = {{
    {"srt", "",
     [](const Cue &c) {
         return IntToStr(c.index + 1) + "\r\n" + Clock(c.start) + " --> " + Clock(c.end) + "\r\n" +
                Join(c.lines, kCrLf) + "\r\n\r\n";
     },
     ""},
    {"sub", "",
     [](const Cue &c) {
         return "{" + IntToStr(c.index * 9) + "}{" + IntToStr(c.index * 9 + 7) + "}" + Join(c.lines, "|") +
                "\r\n";
     },
     ""},
    {"ssa",
     "[Script Info]\r\nTitle: benchmark\r\nScriptType: v4.00\r\n\r\n[V4 Styles]\r\nFormat: Name, Fontname, "
     "Fontsize, PrimaryColour, SecondaryColour, TertiaryColour, BackColour, Bold, Italic, BorderStyle, "
     "Outline, "
     "Shadow, Alignment, MarginL, MarginR, MarginV, AlphaLevel, Encoding\r\nStyle: Default,Arial,20,16777215,"
     "65535,65535,-2147483640,-1,0,1,3,0,2,30,30,30,0,0\r\n\r\n[Events]\r\nFormat: Marked, Start, End, "
     "Style, "
     "Name, MarginL, MarginR, MarginV, Effect, Text\r\n",
     [](const Cue &c) {
         return "Dialogue: Marked=0," + Clock(c.start, 1, '.', 2) + "," + Clock(c.end, 1, '.', 2) +
                ",Default,NTP,0000,0000,0000,!Effect," + Join(c.lines, "\\N") + "\r\n";
     },
     ""},
    {"ass",
     "[Script Info]\r\nTitle: benchmark\r\nScriptType: v4.00+\r\nWrapStyle: 0\r\nPlayResX: 384\r\nPlayResY: "
     "288\r\n\r\n[V4+ Styles]\r\nFormat: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, "
     "OutlineColour, BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, "
     "BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\r\nStyle: "
     "Default,Arial,20,&H00FFFFFF,&H0000FFFF,&H00000000,&H80000000,-1,0,0,0,100,100,0,0,1,2,0,2,30,30,30,0"
     "\r\n\r\n[Events]\r\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, "
     "Text\r\n",
     [](const Cue &c) {
         return "Dialogue: 0," + Clock(c.start, 1, '.', 2) + "," + Clock(c.end, 1, '.', 2) +
                ",Default,NTP,0000,0000,0000,," + Join(c.lines, "\\N") + "\r\n";
     },
     ""},
    {"smi",
     "<SAMI>\r\n<HEAD>\r\n<TITLE>benchmark</TITLE>\r\n<STYLE TYPE=\"text/css\">\r\n<!--\r\nP {margin-left: "
     "8pt; "
     "margin-right: 8pt;}\r\n.SUBTTL {Name: 'Subtitles'; Lang: "
     "pt-BR;}\r\n-->\r\n</STYLE>\r\n</HEAD>\r\n<BODY>\r\n",
     [](const Cue &c) {
         return "   <SYNC START=" + IntToStr(c.start) + ">\r\n      <P CLASS=SUBTTL>" +
                Join(c.lines, "<br>") + "\r\n   <SYNC START=" + IntToStr(c.end) +
                ">\r\n      <P CLASS=SUBTTL>&nbsp;\r\n";
     },
     "</BODY>\r\n</SAMI>\r\n"},
    {"mpl", "",
     [](const Cue &c) {
         return "[" + IntToStr(c.start / 100) + "][" + IntToStr(c.end / 100) + "]" + Join(c.lines, "|") +
                "\r\n";
     },
     ""},
    {"subviewer1",
     "[TITLE]\r\nbenchmark\r\n[AUTHOR]\r\n\r\n[SOURCE]\r\n\r\n[PRG]\r\n\r\n[FILEPATH]\r\n\r\n[DELAY]"
     "\r\n0\r\n[CD "
     "TRACK]\r\n0\r\n[COMMENT]\r\n\r\n[END]\r\n[BEGIN]\r\n******** START SCRIPT ********\r\n",
     [](const Cue &c) {
         return "[" + Clock(c.start, 2, ',', 0) + "]\r\n" + Join(c.lines, "|") + "\r\n[" +
                Clock(c.end, 2, ',', 0) + "]\r\n\r\n";
     },
     "[end]\r\n******** END SCRIPT ********\r\n"},
    {"subviewer2",
     "[INFORMATION]\r\n[TITLE]benchmark\r\n[AUTHOR]\r\n[SOURCE]\r\n[PRG]\r\n[FILEPATH]\r\n[DELAY]0\r\n[CD "
     "TRACK]0\r\n[COMMENT]\r\n[END "
     "INFORMATION]\r\n[SUBTITLE]\r\n[COLF]&HFFFFFF,[STYLE]bd,[SIZE]18,[FONT]Arial\r\n",
     [](const Cue &c) {
         return Clock(c.start, 2, '.', 2) + "," + Clock(c.end, 2, '.', 2) + "\r\n" + Join(c.lines, "[br]") +
                "\r\n\r\n";
     },
     ""},
    {"aqt", "",
     [](const Cue &c) {
         return "-->> " + IntToStr(c.index * 9) + "\r\n" + Join(c.lines, kCrLf) + "\r\n-->> " +
                IntToStr(c.index * 9 + 7) + "\r\n\r\n";
     },
     ""},
    {"stl", "//Font select and font size\r\n$FontName = Arial\r\n$FontSize = 30\r\n\r\n//Subtitles\r\n",
     [](const Cue &c) {
         return Timecode(c.start) + " , " + Timecode(c.end) + " , " + Join(c.lines, "|") + "\r\n";
     },
     ""},
    {"tmplayer", "",
     [](const Cue &c) {
         const std::string start = Clock(c.start, 2, ',', 0);
         const std::string end = Clock(c.end, 2, ',', 0);
         const std::vector<std::string> rest(c.lines.begin() + 1, c.lines.end());
         return start + ",1=" + c.lines[0] + "\r\n" + start + ",2=" + Join(rest, "|") + "\r\n" + end +
                ",1=\r\n" + end + ",2=\r\n";
     },
     ""},
    {"viplay", "{* VIPLAY SUBTITLE FILE *}\r\n",
     [](const Cue &c) {
         return Clock(c.start, 2, '.', 3) + "," + Clock(c.end, 2, '.', 3) + "," + Join(c.lines, "|") + "\r\n";
     },
     ""},
    {"turbotitler", "",
     [](const Cue &c) {
         return Clock(c.start, 2, '.', 1) + " " + Clock(c.end, 2, '.', 1) + " NTP " + Join(c.lines, "|") +
                "\r\n";
     },
     ""},
    {"zerog", "% Zero G 1.0\r\n\r\n",
     [](const Cue &c) {
         return "E 1 " + Clock(c.start, 2, '.', 1) + " " + Clock(c.end, 2, '.', 1) + " NTP " +
                Join(c.lines, "|") + "\r\n";
     },
     ""},
    {"ulead",
     "#Ulead subtitle format\r\n\r\n#Event:Untitled\r\n#Source frame rate:25\r\n#Frame "
     "rate:25\r\n#FR:25,00\r\n"
     "\r\n#Subtitle text begin\r\n",
     [](const Cue &c) {
         return "#" + IntToStr(c.index + 1) + " " + Timecode(c.start, ';') + " " + Timecode(c.end, ';') +
                "\r\n" + Join(c.lines, kCrLf) + "\r\n";
     },
     "#Subtitle text end\r\n"},
    {"dvdsubtitle",
     "{HEAD\r\nDISCID=\r\nDVDTITLE=\r\nCODEPAGE=1252\r\nFORMAT=ASCII\r\nLANG=Portuguese\r\n}\r\n",
     [](const Cue &c) {
         return "{T " + Timecode(c.start) + "\r\n" + Join(c.lines, kCrLf) + "\r\n}\r\n{T " + Timecode(c.end) +
                "\r\n\r\n}\r\n";
     },
     ""},
    {"mplayer1", "",
     [](const Cue &c) {
         return IntToStr(c.index * 9) + "," + IntToStr(c.index * 9 + 7) + ",0," + Join(c.lines, "|") + "\r\n";
     },
     ""},
    {"dvdjunior", "Subtitle File Mark:2:C:\\benchmark.sub\r\n",
     [](const Cue &c) {
         return Timecode(c.start) + "&" + Timecode(c.end) + "#" + Join(c.lines, "<") + "\r\n";
     },
     ""},
    // Seven-character times h:mm:ss stop at ten hours; later subtitles start again at zero.
    {"psb", "",
     [](const Cue &c) {
         return "{" + Clock(c.start / 1000 % 36000 * 1000, 1, ',', 0) + "}{" +
                Clock(c.end / 1000 % 36000 * 1000, 1, ',', 0) + "}" + Join(c.lines, "|") + "\r\n";
     },
     ""},
    // The four-digit subtitle number wraps after 9999.
    {"son",
     "st_format\t2\r\nDisplay_Start\tnon_forced\r\nTV_Type\t\tPAL\r\nTape_Type\tNON_DROP\r\nPixel_Area\t(0 "
     "575)\r\nDisplay_Area\t(0 2 719 575)\r\n\r\nSP_NUMBER\tSTART\t\tEND\t\tFILE_NAME\r\n",
     [](const Cue &c) {
         return Digits(c.index % 9999 + 1, 4) + "\t\t" + Timecode(c.start) + "\t" + Timecode(c.end) + "\t" +
                Join(c.lines, "-") + "\r\n";
     },
     ""},
    {"macdvd", "",
     [](const Cue &c) {
         return Timecode(c.start) + "\t" + Timecode(c.end) + "\t" + Join(c.lines, "|") + "\r\n";
     },
     ""},
    // Two fixed-width text fields of 33 characters.
    {"captions32", "",
     [](const Cue &c) {
         return Timecode(c.start) + " , " + Timecode(c.end) + " , " + Padded(c.lines[0], 33) + "|" +
                Padded(c.lines.size() > 1 ? c.lines[1] : "", 33) + "\r\n";
     },
     ""},
    {"pinnacle", "-------------------------------------------------\r\n#INPOINT OUTPOINT PATH\r\n#\r\n",
     [](const Cue &c) {
         return Timecode(c.start) + " " + Timecode(c.end) + " " + Join(c.lines, "|") + "\r\n";
     },
     "-------------------------------------------------\r\n"},
    {"fab", "",
     [](const Cue &c) {
         return Timecode(c.start) + "  " + Timecode(c.end) + "\r\n" + Join(c.lines, kCrLf) + "\r\n\r\n";
     },
     ""},
    {"dvdsubtitlesystem", "",
     [](const Cue &c) {
         return Timecode(c.start) + " " + Timecode(c.end) + " " + Join(c.lines, "//") + "\r\n";
     },
     ""},
    {"adobeencore", "",
     [](const Cue &c) {
         return Timecode(c.start) + " " + Timecode(c.end) + " " + Join(c.lines, kCrLf) + "\r\n";
     },
     ""},
    {"sonic", "",
     [](const Cue &c) {
         return Digits(c.index % 9999 + 1, 4) + "  " + Timecode(c.start) + "  " + Timecode(c.end) + "  " +
                Join(c.lines, kCrLf) + "\r\n\r\n";
     },
     ""},
    {"subcreator", "",
     [](const Cue &c) {
         return Clock(c.start, 2, '.', 1) + ":" + Join(c.lines, "|") + "\r\n" + Clock(c.end, 2, '.', 1) +
                ":\r\n";
     },
     ""},
    {"sbt", "",
     [](const Cue &c) {
         const std::vector<std::string> rest(c.lines.begin() + 1, c.lines.end());
         return Clock(c.start) + "\r\n" + Clock(c.end) + "\r\n" + c.lines[0] + "\r\n" + Join(rest, " ") +
                "\r\n";
     },
     ""},
    {"inscriber", "@@9 Title\r\n@@9 benchmark\r\n@@9 Store\r\n@@9 \r\n@@9 \r\n@@9 \r\n@@9 \r\n@@9 \r\n",
     [](const Cue &c) {
         std::string text;
         for (std::size_t l = 0; l + 1 < c.lines.size(); ++l)
             text += "@@9 " + c.lines[l] + "\r\n";
         return text + "@@9 " + c.lines.back() + "[" + Timecode(c.start) + "][" + Timecode(c.end) + "]\r\n";
     },
     ""},
    {"iauthor", "",
     [](const Cue &c) {
         const auto seconds = [](long long ms) {
             return IntToStr(ms / 1000) + "." + Digits(ms % 1000 / 10, 2);
         };
         return "BMPFILE: sub" + Digits(c.index + 1, 7) +
                ".bmp\r\nPALETTE: 0 1 2 3\r\nSTARTTIME:" + seconds(c.start) + "\r\nTIME: " + seconds(c.end) +
                " DISABLE_OGT\r\n\r\n";
     },
     ""},
    {"vtt", "WEBVTT\r\n\r\n",
     [](const Cue &c) {
         return Clock(c.start, 2, '.', 3) + " --> " + Clock(c.end, 2, '.', 3) + "\r\n" +
                Join(c.lines, kCrLf) + "\r\n\r\n";
     },
     ""},
    // Italics are a styled span; the text is cp1252 like every other file, which the reader decodes first.
    {"ttml",
     "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<tt xmlns=\"http://www.w3.org/ns/ttml\" "
     "xmlns:tts=\"http://www.w3.org/ns/ttml#styling\" xml:lang=\"pt\">\r\n<body>\r\n<div>\r\n",
     [](const Cue &c) {
         std::string text = Join(c.lines, "<br/>");
         for (const auto &[tag, span] :
              {std::pair{std::string("</i>"), std::string("</span>")},
               std::pair{std::string("<i>"), std::string("<span tts:fontStyle=\"italic\">")}})
             for (std::size_t at; (at = text.find(tag)) != std::string::npos;)
                 text.replace(at, tag.size(), span);
         return "<p begin=\"" + Clock(c.start, 2, '.', 3) + "\" end=\"" + Clock(c.end, 2, '.', 3) + "\">" +
                text + "</p>\r\n";
     },
     "</div>\r\n</body>\r\n</tt>\r\n"},
}};

} // namespace

int main(int argc, char **argv) {
    const std::optional<int> count = argc == 4 ? TryStrToInt(argv[2]) : std::nullopt;
    const std::string_view name = argc == 4 ? argv[1] : "";
    const Format *format = nullptr;
    for (const Format &f : kFormats)
        if (f.name == name)
            format = &f;
    if (!count || *count < 0 || format == nullptr) {
        std::fputs("usage: generate-subtitles FORMAT COUNT FILE\nformats:", stderr);
        for (const Format &f : kFormats)
            std::fprintf(stderr, " %.*s", static_cast<int>(f.name.size()), f.name.data());
        std::fputs("\n", stderr);
        return 2;
    }
    std::FILE *out = std::fopen(argv[3], "wb");
    if (out == nullptr) {
        std::perror(argv[3]);
        return 1;
    }

    Sequence sequence;
    std::string block(format->header);
    Cue cue;
    for (int i = 0; i < *count; ++i) {
        const unsigned lines = 1 + sequence.Next(3);
        cue.index = i;
        cue.start = 350LL * i;
        cue.end = cue.start + 300;
        cue.lines.clear();
        for (unsigned l = 0; l < lines; ++l)
            cue.lines.push_back(TextLine(sequence));
        block += format->cue(cue);
        if (block.size() >= (1u << 20)) {
            std::fwrite(block.data(), 1, block.size(), out);
            block.clear();
        }
    }
    block += format->footer;
    std::fwrite(block.data(), 1, block.size(), out);
    if (std::fclose(out) != 0) {
        std::perror(argv[3]);
        return 1;
    }
    return 0;
}

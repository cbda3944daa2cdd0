#include "formats/InputFormats.h"

#include "document/Chars.h"
#include "document/NumText.h"
#include "formats/SamiCues.h"
#include "formats/SingleLineFormats.h"
#include "formats/SubRipTimes.h"
#include "formats/WebVttText.h"

#include <algorithm>
#include <array>

namespace {

bool CharIs(std::string_view line, std::size_t position, char wanted) {
    return CharAt(line, position) == wanted;
}

// Characters from..to exist in both lines and are the same.
bool SameChars(std::string_view a, std::string_view b, std::size_t from, std::size_t to) {
    const auto length = to - from + 1;
    const auto partA = Chars(a, from, to);
    return partA.size() == length && partA == Chars(b, from, to);
}

// The time line of a SubCreator subtitle: "00:00:01.5:text".
bool IsSubCreatorLine(std::string_view line) {
    return ColonsAt(line, {3, 6}) && CharIs(line, 9, '.') && CharIs(line, 11, ':');
}

// Writers put "<SAMI>" in any case, and often the head on the same line.
bool HoldsSamiTag(std::string_view line) {
    return FindNoCase(line, "<sami>") != std::string_view::npos;
}

// "[start][end]" in tenths of a second at the start of the line, whatever the file's name.
bool IsMPlayer2Line(std::string_view line) {
    const auto parts = SplitTenthsLine(line);
    return parts && TryStrToInt(parts->start) && TryStrToInt(parts->end);
}

// An XML declaration or a "tt" root at the top may be a timed-text
// document; its importer reads the root element and declines any other.
bool MayBeTtml(std::string_view line) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (line.starts_with(kByteOrderMark))
        line.remove_prefix(kByteOrderMark.size());
    line.remove_prefix(std::min(line.size(), line.find_first_not_of(" \t")));
    return line.starts_with("<?xml") || line.starts_with("<tt");
}

constexpr ContentRule kByNameOnly{0, nullptr};

// Each row's first line holds its key, MIME type and importer, which the
// build reads; keep them there.
// clang-format off
constexpr std::array kFormats = std::to_array<InputFormat>({
    {"adobe_encore", "text/plain", ImportAdobeEncore, "",
     "Adobe Encore DVD", "*.txt", kByNameOnly},
    // The SubStation Alpha importer hands scripts of the advanced kind on.
    {"ass", "text/x-ssa", ImportAdvancedSubStationAlpha, "ASS",
     "Advanced SubStation Alpha", "*.ass", kByNameOnly},
    {"aqtitle", "text/x-aqtitle", ImportAQTitle, "",
     "AQTitle", "*.aqt",
     {9, [](std::string_view l1, std::string_view) { return CharsAre(l1, 1, "-->>"); }}},
    {"captions32", "text/plain", ImportCaptions32, "",
     "Captions 32", "*.txt",
     {18, [](std::string_view l1, std::string_view) {
          return ColonsAt(l1, {3, 6, 9}) && CharIs(l1, 13, ',') && ColonsAt(l1, {17, 20, 23}) &&
                 CharIs(l1, 27, ',') && CharIs(l1, 62, '|');
      }}},
    {"dvd_junior", "text/plain", ImportDVDJunior, "",
     "DVD Junior", "*.txt",
     {12, [](std::string_view l1, std::string_view) { return CharsAre(l1, 1, "Subtitle File Mark"); }}},
    // Rule 17 holds for every line rule 15 takes; rule 15 comes first.
    {"dvd_subtitle_system", "text/plain", ImportDVDSubtitleSystem, "",
     "DVD Subtitle System", "*.txt",
     {15, [](std::string_view l1, std::string_view) {
          return ColonsAt(l1, {3, 6, 9}) && CharIs(l1, 12, ' ') && CharAt(l1, 13) != ',' &&
                 ColonsAt(l1, {15, 18, 21});
      }}},
    {"dvdsubtitle", "text/x-mpsub", ImportDVDSubtitle, "",
     "DVD Subtitle", "*.sub",
     {10, [](std::string_view l1, std::string_view) { return l1 == "{HEAD"; }}},
    {"fab_subtitler", "text/plain", ImportFabSubtitler, "",
     "FAB Subtitler", "*.txt",
     {14, [](std::string_view l1, std::string_view) {
          return ColonsAt(l1, {3, 6, 9}) && CharsAre(l1, 12, "  ") && ColonsAt(l1, {16, 19, 22}) &&
                 l1.size() == 24;
      }}},
    {"iauthor", "text/plain", ImportIAuthor, "",
     "I-Author Script", "*.txt",
     {19, [](std::string_view l1, std::string_view) { return CharsAre(l1, 1, "BMPFILE"); }}},
    {"inscriber_cg", "text/plain", ImportInscriberCG, "",
     "Inscriber CG", "*.txt",
     {21, [](std::string_view l1, std::string_view) { return l1 == "@@9 Title"; }}},
    {"mac_dvd_studio_pro", "text/plain", ImportMacDVDStudioPro, "",
     "Mac DVD Studio Pro", "*.txt",
     {17, [](std::string_view l1, std::string_view) { return ColonsAt(l1, {3, 6, 9, 15, 18, 21}); }}},
    // The opener reads a file no importer took as MicroDVD.
    {"microdvd", "text/x-microdvd", nullptr, "",
     "MicroDVD", "*.sub", kByNameOnly},
    // The MPlayer 1 importer hands files of the second kind to the MPlayer 2 importer.
    {"mplayer1", "text/x-mpl2", ImportMPlayer1, "MPL",
     "MPlayer1", "*.mpl", kByNameOnly},
    {"mplayer2", "text/x-mpl2", ImportMPlayer2, "",
     "MPlayer2", "*.mpl",
     {22, [](std::string_view l1, std::string_view) { return IsMPlayer2Line(l1); }}},
    {"pinnacle", "text/plain", ImportPinnacle, "",
     "Pinnacle Impression", "*.txt",
     {20, [](std::string_view l1, std::string_view l2) {
          return CharsAre(l1, 1, "----") && l2 == "#INPOINT OUTPOINT PATH";
      }}},
    {"power_divx", "text/x-powerdivx", ImportPowerDivX, "PSB",
     "PowerDivX", "*.psb", kByNameOnly},
    {"sami", "application/x-sami", ImportSami, "",
     "SAMI Captioning", "*.smi;*.sami",
     {11, [](std::string_view l1, std::string_view l2) { return HoldsSamiTag(l1) || HoldsSamiTag(l2); }}},
    {"sbt", "text/x-sbt", ImportSBT, "SBT",
     "SBT", "*.sbt", kByNameOnly},
    {"sonic_dvd_creator", "text/x-subviewer", ImportSonicDVDCreator, "",
     "Sonic DVD Creator", "*.sub",
     {16, [](std::string_view l1, std::string_view) { return CharsAre(l1, 1, "0001"); }}},
    {"spruce_dvd_maestro", "text/x-spruce-son", ImportSpruceDVDMaestro, "SON",
     "Spruce DVDMaestro", "*.son", kByNameOnly},
    {"spruce_stl", "text/x-spruce-stl", ImportSpruceStl, "STL",
     "Spruce Subtitle File", "*.stl", kByNameOnly},
    {"subcreator", "text/plain", ImportSubCreator, "",
     "SubCreator 1.x", "*.txt",
     {13, [](std::string_view l1, std::string_view l2) { return IsSubCreatorLine(l1) && IsSubCreatorLine(l2); }}},
    // A SubRip file may start with a block number or, without numbers, with a time line.
    {"subrip", "application/x-subrip", ImportSubRip, "SRT",
     "SubRip", "*.srt",
     {1, [](std::string_view l1, std::string_view l2) { return LooksLikeSubRipTimeLine(l1) || LooksLikeSubRipTimeLine(l2); }}},
    {"ssa", "text/x-ssa", ImportSubStationAlpha, "SSA",
     "SubStation Alpha", "*.ssa", kByNameOnly},
    {"subviewer1", "text/x-subviewer", ImportSubViewer1, "",
     "SubViewer 1.0", "*.sub",
     {2, [](std::string_view l1, std::string_view) { return l1 == "[TITLE]"; }}},
    {"subviewer2", "text/x-subviewer", ImportSubViewer2, "",
     "SubViewer 2.0", "*.sub",
     {3, [](std::string_view l1, std::string_view) { return l1 == "[INFORMATION]"; }}},
    {"tmplayer", "text/plain", ImportTMPlayer, "",
     "TMPlayer", "*.txt",
     {4, [](std::string_view l1, std::string_view l2) {
          return SameChars(l1, l2, 1, 8) && CharsAre(l1, 9, ",1=") && CharsAre(l2, 9, ",2=");
      }}},
    // Rule 4 takes the four-line TMPlayer layout, whose lines this rule never matches. A
    // second line, when the file has one ("OK" when it has not), is of the same kind or
    // empty, so a note that begins with a clock time stays unknown.
    {"tmplayer_one_line", "text/plain", ImportTMPlayerOneLine, "",
     "TMPlayer (one line)", "*.txt",
     {23, [](std::string_view l1, std::string_view l2) {
          return SplitClockLine(l1) && (l2.empty() || l2 == "OK" || SplitClockLine(l2));
      }}},
    {"turbotitler", "text/x-turbotitler", ImportTurboTitler, "",
     "Turbo Titler", "*.tts",
     {7, [](std::string_view l1, std::string_view) { return CharsAre(l1, 23, "NTP"); }}},
    {"ulead", "text/plain", ImportUlead, "",
     "Ulead DVD Workshop2", "*.txt",
     {6, [](std::string_view l1, std::string_view) { return l1 == "#Ulead subtitle format"; }}},
    {"viplay", "text/x-viplay", ImportViPlay, "",
     "ViPlay", "*.vsf",
     {5, [](std::string_view l1, std::string_view) { return l1 == "{* VIPLAY SUBTITLE FILE *}"; }}},
    {"zerog", "text/x-zerog", ImportZeroG, "",
     "Zero G", "*.zeg",
     {8, [](std::string_view l1, std::string_view) { return l1 == "% Zero G 1.0"; }}},
    // A file without its "WEBVTT" line stays with the rules above, as before.
    {"webvtt", "text/vtt", ImportWebVtt, "VTT",
     "WebVTT", "*.vtt",
     {24, [](std::string_view l1, std::string_view) { return IsWebVttSignature(l1); }}},
    // The importer declines an XML file whose root is not a timed-text "tt".
    {"ttml", "application/ttml+xml", ImportTtml, "TTML;DFXP;XML",
     "TTML / DFXP", "*.ttml;*.dfxp;*.xml",
     {25, [](std::string_view l1, std::string_view l2) { return MayBeTtml(l1) || MayBeTtml(l2); }}},
});
// clang-format on

} // namespace

const std::span<const InputFormat> kInputFormats = kFormats;

Importer *ImporterOf(std::string_view key) {
    for (const InputFormat &format : kInputFormats)
        if (format.key == key)
            return format.importer;
    return nullptr;
}

#include "formats/RecognitionRules.h"

#include "document/Chars.h"
#include "document/NumText.h"
#include "formats/SamiCues.h"
#include "formats/SingleLineFormats.h"

#include <initializer_list>

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
} // namespace

// clang-format off
const std::array<RecognitionRule, 23> kRecognitionRules{{
    // A SubRip file may start with a block number or, without numbers, with a time line.
    {1, [](std::string_view l1, std::string_view l2) {
         return CharsAre(l1, 14, "-->") || CharsAre(l2, 14, "-->");
     }, ImportSubRip},
    {2, [](std::string_view l1, std::string_view) { return l1 == "[TITLE]"; }, ImportSubViewer1},
    {3, [](std::string_view l1, std::string_view) { return l1 == "[INFORMATION]"; }, ImportSubViewer2},
    {4, [](std::string_view l1, std::string_view l2) {
         return SameChars(l1, l2, 1, 8) && CharsAre(l1, 9, ",1=") && CharsAre(l2, 9, ",2=");
     }, ImportTMPlayer},
    {5, [](std::string_view l1, std::string_view) { return l1 == "{* VIPLAY SUBTITLE FILE *}"; }, ImportViPlay},
    {6, [](std::string_view l1, std::string_view) { return l1 == "#Ulead subtitle format"; }, ImportUlead},
    {7, [](std::string_view l1, std::string_view) { return CharsAre(l1, 23, "NTP"); }, ImportTurboTitler},
    {8, [](std::string_view l1, std::string_view) { return l1 == "% Zero G 1.0"; }, ImportZeroG},
    {9, [](std::string_view l1, std::string_view) { return CharsAre(l1, 1, "-->>"); }, ImportAQTitle},
    {10, [](std::string_view l1, std::string_view) { return l1 == "{HEAD"; }, ImportDVDSubtitle},
    {11, [](std::string_view l1, std::string_view l2) { return HoldsSamiTag(l1) || HoldsSamiTag(l2); },
     ImportSami},
    {12, [](std::string_view l1, std::string_view) { return CharsAre(l1, 1, "Subtitle File Mark"); }, ImportDVDJunior},
    {13, [](std::string_view l1, std::string_view l2) {
         return IsSubCreatorLine(l1) && IsSubCreatorLine(l2);
     }, ImportSubCreator},
    {14, [](std::string_view l1, std::string_view) {
         return ColonsAt(l1, {3, 6, 9}) && CharsAre(l1, 12, "  ") && ColonsAt(l1, {16, 19, 22}) && l1.size() == 24;
     }, ImportFabSubtitler},
    // Rule 17 holds for every line rule 15 takes; rule 15 comes first.
    {15, [](std::string_view l1, std::string_view) {
         return ColonsAt(l1, {3, 6, 9}) && CharIs(l1, 12, ' ') && CharAt(l1, 13) != ',' &&
                ColonsAt(l1, {15, 18, 21});
     }, ImportDVDSubtitleSystem},
    {16, [](std::string_view l1, std::string_view) { return CharsAre(l1, 1, "0001"); }, ImportSonicDVDCreator},
    {17, [](std::string_view l1, std::string_view) { return ColonsAt(l1, {3, 6, 9, 15, 18, 21}); },
     ImportMacDVDStudioPro},
    {18, [](std::string_view l1, std::string_view) {
         return ColonsAt(l1, {3, 6, 9}) && CharIs(l1, 13, ',') && ColonsAt(l1, {17, 20, 23}) &&
                CharIs(l1, 27, ',') && CharIs(l1, 62, '|');
     }, ImportCaptions32},
    {19, [](std::string_view l1, std::string_view) { return CharsAre(l1, 1, "BMPFILE"); }, ImportIAuthor},
    {20, [](std::string_view l1, std::string_view l2) {
         return CharsAre(l1, 1, "----") && l2 == "#INPOINT OUTPOINT PATH";
     }, ImportPinnacle},
    {21, [](std::string_view l1, std::string_view) { return l1 == "@@9 Title"; }, ImportInscriberCG},
    {22, [](std::string_view l1, std::string_view) { return IsMPlayer2Line(l1); }, ImportMPlayer2},
    // Rule 4 takes the four-line TMPlayer layout, whose lines this rule never matches. A
    // second line, when the file has one ("OK" when it has not), is of the same kind or
    // empty, so a note that begins with a clock time stays unknown.
    {23, [](std::string_view l1, std::string_view l2) {
         return SplitClockLine(l1) && (l2.empty() || l2 == "OK" || SplitClockLine(l2));
     }, ImportTMPlayerOneLine},
}};
// clang-format on

void ImportByContent(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                     std::string &formatName) {
    for (const RecognitionRule &rule : kRecognitionRules)
        if (rule.holds(firstLine, secondLine))
            rule.importer(ctx, firstLine, secondLine, formatName);
}

#include "cli/CliOptions.h"

#include "document/NumText.h"
#include "formats/OutputFormats.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace {

struct CommandName {
    std::string_view name;
    CliCommand command;
};

constexpr std::array<CommandName, 10> kCommands{{
    {"open", CliCommand::Open},
    {"convert", CliCommand::Convert},
    {"microdvd", CliCommand::MicroDvd},
    {"multi", CliCommand::Multi},
    {"avi-info", CliCommand::AviInfo},
    {"fps", CliCommand::Fps},
    {"sync", CliCommand::Sync},
    {"video-info", CliCommand::VideoInfo},
    {"formats", CliCommand::Formats},
    {"spell", CliCommand::Spell},
}};

std::string_view CommandText(CliCommand command) {
    for (const CommandName &name : kCommands)
        if (name.command == command)
            return name.name;
    return {};
}

// Applies an option's value; returns the usage error, or nothing when the value is taken.
using ApplyOption = std::optional<std::string> (*)(CliOptions &options, const std::string &value);

// A limit as typed; any whole number, as the window's limit boxes take.
std::optional<std::string> ReadLimit(int &limit, std::string_view option, const std::string &value) {
    const std::optional<int> number = TryStrToInt(value);
    if (!number)
        return std::string(option) + " takes a whole number, not '" + value + "'";
    limit = *number;
    return std::nullopt;
}

struct OptionRule {
    std::string_view name;
    bool takesValue;
    ApplyOption apply;
};

const std::
    array<OptionRule, 14>
        kOptions{
            {
                {"--fps", true,
                 [](CliOptions &options, const std::string &value) -> std::optional<std::string> {
                     // Typed rates often carry a decimal point; the box reads only the decimal comma.
                     options.fpsText = value;
                     std::replace(options.fpsText.begin(), options.fpsText.end(), '.', ',');
                     return std::nullopt;
                 }},
                {"--delay", true,
                 [](CliOptions &options, const std::string &value) -> std::optional<std::string> {
                     options.delayText = value;
                     return std::nullopt;
                 }},
                {"--answer", true,
                 [](CliOptions &options, const std::string &value) -> std::optional<std::string> {
                     if (value != "yes" && value != "no")
                         return "--answer takes yes or no, not '" + value + "'";
                     options.answerYes = value == "yes";
                     return std::nullopt;
                 }},
                {"--encoding", true,
                 [](CliOptions &options, const std::string &value) -> std::optional<std::string> {
                     options.encoding = value;
                     return std::nullopt;
                 }},
                {"--output-encoding", true,
                 [](CliOptions &options, const std::string &value) -> std::optional<std::string> {
                     options.outputEncoding = value;
                     return std::nullopt;
                 }},
                {"--alerts", false,
                 [](CliOptions &options, const std::string &) -> std::optional<std::string> {
                     options.alerts = true;
                     return std::nullopt;
                 }},
                {"--lang", true,
                 [](CliOptions &options, const std::string &value) -> std::optional<std::string> {
                     const std::optional<int> language = TryStrToInt(value);
                     if (!language || *language < 1 || *language > 4)
                         return "--lang takes 1, 2, 3 or 4, not '" + value + "'";
                     options.language = static_cast<std::uint8_t>(*language);
                     return std::nullopt;
                 }},
                {"-o", true,
                 [](CliOptions &options, const std::string &value) -> std::optional<std::string> {
                     options.outputFile = value;
                     return std::nullopt;
                 }},
                {"--to", true,
                 [](CliOptions &options, const std::string &value) -> std::optional<std::string> {
                     if (!FindOutputFormat(value))
                         return "unknown output format '" + value + "'; the keys are " + OutputFormatKeys();
                     options.outputKey = value;
                     return std::nullopt;
                 }},
                {"--video", true,
                 [](CliOptions &options, const std::string &value) -> std::optional<std::string> {
                     options.videoFile = value;
                     return std::nullopt;
                 }},
                {"--fit", false,
                 [](CliOptions &options,
                    const std::string &) -> std::
                                             optional<std::string> {
                                                 options.fit = true;
                                                 return std::nullopt;
                                             }},
                {"--lines", true,
                 [](CliOptions &options, const std::string &value) -> std::optional<std::string> {
                     if (value != "2" && value != "3")
                         return "--lines takes 2 or 3, not '" + value + "'";
                     options.lines = value == "2" ? 2 : 3;
                     return std::nullopt;
                 }},
                {"--max-line", true,
                 [](CliOptions &options,
                    const std::string &value) { return ReadLimit(options.maxLine, "--max-line", value); }},
                {"--max-total", true,
                 [](CliOptions &options,
                    const std::string &value) { return ReadLimit(options.maxTotal, "--max-total", value); }},
            }};

// The options of the words in the subtitles' text: find and replace, and the spell check's dictionary.
const std::array<OptionRule, 7> kWordOptions{{
    {"--find", true,
     [](CliOptions &options, const std::string &value) -> std::optional<std::string> {
         if (!options.replacements.empty() && !options.replacements.back().with)
             return "--find '" + options.replacements.back().find + "' needs --with TEXT";
         options.replacements.push_back({value, std::nullopt});
         return std::nullopt;
     }},
    {"--with", true,
     [](CliOptions &options, const std::string &value) -> std::optional<std::string> {
         if (options.replacements.empty() || options.replacements.back().with)
             return "--with '" + value + "' needs --find TEXT before it";
         options.replacements.back().with = value;
         return std::nullopt;
     }},
    {"--match-case", false,
     [](CliOptions &options, const std::string &) -> std::optional<std::string> {
         options.findOptions.matchCase = true;
         return std::nullopt;
     }},
    {"--whole-words", false,
     [](CliOptions &options, const std::string &) -> std::optional<std::string> {
         options.findOptions.wholeWords = true;
         return std::nullopt;
     }},
    {"--dictionary", true,
     [](CliOptions &options, const std::string &value) -> std::optional<std::string> {
         options.dictionary = value;
         return std::nullopt;
     }},
    {"--sami-class", true,
     [](CliOptions &options, const std::string &value) -> std::optional<std::string> {
         options.samiClass = value;
         return std::nullopt;
     }},
    {"--regex", false,
     [](CliOptions &options, const std::string &) -> std::optional<std::string> {
         options.findOptions.regex = true;
         return std::nullopt;
     }},
}};

// The rule of an option, in either table; nothing for an unknown option.
const OptionRule *FindOptionRule(const std::string &argument) {
    for (const std::span<const OptionRule> table :
         {std::span<const OptionRule>(kOptions), std::span<const OptionRule>(kWordOptions)}) {
        const auto rule = std::find_if(table.begin(), table.end(),
                                       [&](const OptionRule &entry) { return entry.name == argument; });
        if (rule != table.end())
            return &*rule;
    }
    return nullptr;
}

CliStop UsageError(std::string message) {
    return CliStop{CliStop::Kind::UsageError, std::move(message)};
}

} // namespace

std::variant<CliOptions, CliStop> ParseArguments(const std::vector<std::string> &arguments) {
    // Help and version win wherever they stand before "--".
    for (const std::string &argument : arguments) {
        if (argument == "--")
            break;
        if (argument == "--help")
            return CliStop{CliStop::Kind::Help, {}};
        if (argument == "--version")
            return CliStop{CliStop::Kind::Version, {}};
    }
    if (arguments.empty())
        return UsageError("missing command");

    CliOptions options;
    const auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                      [&](const CommandName &entry) { return entry.name == arguments[0]; });
    if (command == kCommands.end())
        return UsageError("unknown command '" + arguments[0] + "'");
    options.command = command->command;

    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        // A lone "-" is a file name: standard input.
        if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            const OptionRule *rule = FindOptionRule(argument);
            if (!rule)
                return UsageError("unknown option '" + argument + "'");
            std::string value;
            if (rule->takesValue) {
                if (i + 1 == arguments.size())
                    return UsageError("option '" + argument + "' needs a value");
                value = arguments[++i];
            }
            if (std::optional<std::string> error = rule->apply(options, value))
                return UsageError(std::move(*error));
            continue;
        }
        options.fileNames.push_back(argument);
    }
    if (options.command == CliCommand::Formats)
        return options.fileNames.empty() ? std::variant<CliOptions, CliStop>(options)
                                         : UsageError("formats takes no FILE");
    if (options.fileNames.empty())
        return UsageError("missing FILE");
    if (options.outputKey && options.command != CliCommand::Convert && options.command != CliCommand::Sync)
        return UsageError("--to applies only to convert and sync");
    if (options.dictionary && options.command != CliCommand::Spell)
        return UsageError("--dictionary applies only to spell");
    if (!options.replacements.empty() && !options.replacements.back().with)
        return UsageError("--find '" + options.replacements.back().find + "' needs --with TEXT");
    if (!options.replacements.empty() &&
        (options.command == CliCommand::AviInfo || options.command == CliCommand::Fps ||
         options.command == CliCommand::VideoInfo || options.command == CliCommand::Formats))
        return UsageError("--find applies only to commands that open a subtitle file");
    if (options.command == CliCommand::Multi && options.outputFile)
        return UsageError("multi writes Test1.srt to Test7.srt in the current folder; -o does not apply");
    if ((options.command == CliCommand::Sync) != options.videoFile.has_value())
        return UsageError(options.videoFile ? "--video applies only to sync" : "sync needs --video MEDIA");
    if (std::count(options.fileNames.begin(), options.fileNames.end(), "-") > 1)
        return UsageError("standard input '-' can be read only once");
    if (options.fileNames.size() > 1) {
        if (options.command != CliCommand::Convert && options.command != CliCommand::MicroDvd)
            return UsageError(std::string(CommandText(options.command)) + " takes one FILE");
        if (!options.outputFile)
            return UsageError("several FILEs need -o DIR");
    }
    return options;
}

std::string UsageText() {
    return "usage: lumavert-cli open     [options] FILE\n"
           "       lumavert-cli convert  [options] FILE...\n"
           "       lumavert-cli microdvd [options] FILE...\n"
           "       lumavert-cli multi    [options] FILE\n"
           "       lumavert-cli sync     --video MEDIA [options] FILE\n"
           "       lumavert-cli spell    [--dictionary LANG] [options] FILE\n"
           "       lumavert-cli avi-info FILE\n"
           "       lumavert-cli fps      \"FRAME,hh:mm:ss\"\n"
           "       lumavert-cli video-info FILE\n"
           "       lumavert-cli formats\n"
           "       lumavert-cli --help | --version\n"
           "\n"
           "Commands:\n"
           "  open       print the format, the frame rate and the opened list\n"
           "  convert    write the text of the output format (--to; SubRip by default)\n"
           "  microdvd   write the list as a MicroDVD file\n"
           "  multi      convert at the seven frame rates of the batch into Test1.srt to\n"
           "             Test7.srt in the current folder\n"
           "  sync       find the frame rate and delay that put the list in step with the\n"
           "             speech of the video MEDIA, then write the SubRip text as convert\n"
           "             does; standard error says \"sync: fps RATE delay SECONDS\"\n"
           "  spell      print each word of the subtitles' text the dictionary does not\n"
           "             know, one a line: SUBTITLE<TAB>WORD<TAB>SUGGESTION, SUGGESTION, ...\n"
           "             with subtitles counted from 1 in the opened list\n"
           "  avi-info   print the header information of an AVI video\n"
           "  fps        print the frame rate that puts frame FRAME at the time hh:mm:ss\n"
           "  video-info print the container, codecs, size, frame rate, duration and sound\n"
           "             of a video in any format GStreamer reads\n"
           "  formats    list the formats read and the formats written, with their keys\n"
           "\n"
           "FILE is a subtitle file in any format the window opens, read as the open dialog\n"
           "reads it. \"-\" reads standard input, recognised by its content alone.\n"
           "\n"
           "Options:\n"
           "  --fps TEXT         frame-rate box text before opening (default 25,000); a \".\"\n"
           "                     is taken as \",\", and \"a/b\" is worked out as the box does\n"
           "  --delay TEXT       delay field text, in seconds (default 0)\n"
           "  --answer yes|no    the answer to every question (default yes)\n"
           "  --encoding NAME    read FILE in this encoding (windows-1251, utf-8, big5, ...)\n"
           "                     rather than the one detected; Windows-1252 when nothing tells\n"
           "  --output-encoding NAME\n"
           "                     write in this encoding (default: the one FILE was read in);\n"
           "                     utf-8-bom is UTF-8 with its byte-order mark\n"
           "  --alerts           show the importers' frame-rate reminders\n"
           "  --lang 1..4        language of messages: 1 Portuguese, 2 English, 3 Danish,\n"
           "                     4 Spanish (default 2)\n"
           "  --video MEDIA      the video sync aligns to (any format GStreamer reads)\n"
           "  --fit              fit the list to the player's limits after opening\n"
           "  --lines 2|3        lines per subtitle for fitting (default 2)\n"
           "  --max-line N       characters per line for fitting (default 34)\n"
           "  --max-total N      characters per subtitle for fitting (default 60)\n"
           "  --to KEY           convert to this output format: srt, sub (MicroDVD), vtt,\n"
           "                     ass, ssa, smi, ttml, subviewer (.sub) or mpl2 (.txt);\n"
           "                     without it the extension of -o FILE decides, else SubRip.\n"
           "                     vtt and ttml are always written in UTF-8\n"
           "  --find TEXT --with TEXT\n"
           "                     replace TEXT in the subtitles' text (never their times)\n"
           "                     after opening and before fitting or converting; repeat\n"
           "                     the pair for more, made in the order given; standard error\n"
           "                     tells how many were replaced\n"
           "  --match-case       find only TEXT in the same case (default: any case)\n"
           "  --whole-words      find TEXT only as whole words\n"
           "  --regex            TEXT is an ICU regular expression and the replacement may\n"
           "                     name its groups ($1); \\n matches the break between lines.\n"
           "                     Without it a \"|\" in TEXT stands for that break\n"
           "  --dictionary LANG  the dictionary spell checks with (pt_PT, en_US, da_DK, es_ES,\n"
           "                     ...; any installed under /usr/share/hunspell); by default\n"
           "                     the one that knows the most words of the list\n"
           "  --sami-class NAME  read this class (ENCC or .ENCC, any case) of a SAMI file\n"
           "                     with one class per language; by default the first one in\n"
           "                     its STYLE block. Standard error tells the class read\n"
           "  -o FILE            write to FILE instead of standard output\n"
           "  -o DIR             with several FILEs, or when DIR is a folder: write each FILE\n"
           "                     as DIR/NAME with the format's extension (convert; .srt by\n"
           "                     default) or DIR/NAME.sub (microdvd)\n"
           "  --help             show this text\n"
           "  --version          show the version\n"
           "\n"
           "Examples:\n"
           "  lumavert-cli open film.srt\n"
           "  lumavert-cli convert --fps 23.976 --delay 1,5 film.sub -o film.srt\n"
           "  lumavert-cli convert -o converted part1.sub part2.txt part3.ssa\n"
           "  lumavert-cli convert --to vtt film.srt -o film.vtt\n"
           "  unzip -p film.zip film.sub | lumavert-cli convert - > film.srt\n"
           "  lumavert-cli microdvd --fit --lines 3 film.srt -o film.sub\n"
           "  lumavert-cli convert ru.srt --output-encoding utf-8 -o ru-utf8.srt\n"
           "  lumavert-cli convert --find colour --with color --whole-words film.srt\n"
           "  lumavert-cli convert --regex --find '(\\w+), (\\w+)' --with '$2 $1' film.srt\n"
           "  lumavert-cli spell film.srt\n"
           "  lumavert-cli spell --dictionary pt_BR filme.srt\n"
           "  lumavert-cli multi film.sub\n"
           "  lumavert-cli sync --video film.mkv late.srt -o film.srt\n"
           "  lumavert-cli avi-info film.avi\n"
           "  lumavert-cli fps \"1000,00:00:40\"\n"
           "  lumavert-cli video-info film.mkv\n"
           "\n"
           "Messages, questions and error boxes go to standard error, one line each.\n"
           "A character the output encoding lacks is named (U+XXXX) with its subtitle, and\n"
           "nothing is written.\n"
           "Exit status: 0 done; 1 a file could not be opened, fitted, converted or written\n"
           "(with several FILEs: any of them, the others still done; avi-info: no AVI header;\n"
           "fps: no rate; sync: no clear match, no sound or no video; video-info: no video;\n"
           "a regular expression stopped by its time limit); 2 usage error, a --find TEXT\n"
           "that is no regular expression, a --dictionary not installed and a --sami-class\n"
           "the SAMI file has not among them.\n"
           "See lumavert-cli(1).\n";
}

// The folders stand in one order and each file includes only its own folder
// and those below it; no two files include each other, even through others;
// the window model and Qt stay in the floors that own them. These tests read
// the includes of the sources as text, so a change that breaks the order
// fails here before anybody has to find the loop by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Lowest first. A folder may include folders of a lower rank only; the
// operations (convert/ to tools/) are one floor, ranked among themselves so
// that no two of them can include each other.
const std::map<std::string, int> kFolderRanks = {
    {"document", 1}, {"formats", 2}, {"convert", 3}, {"editing", 4}, {"media", 5},
    {"tools", 6},    {"shell", 7},   {"app", 8},     {"cli", 8},     {"bench", 9},
};

// Folders below the window model: they never name its forms.
const std::set<std::string> kCoreFolders = {"document", "formats", "convert", "editing", "media", "tools"};

struct SourceFile {
    std::string path;   // "document/TextList.cpp"
    std::string folder; // "document"
    std::string text;
    std::vector<std::string> includes; // the quoted ones, as written
};

std::vector<SourceFile> ReadSources() {
    std::vector<SourceFile> files;
    const fs::path root = LUMAVERT_SOURCE_DIR;
    const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    for (const auto &[folder, rank] : kFolderRanks) {
        for (const auto &entry : fs::directory_iterator(root / folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".cpp" && extension != ".h")
                continue;
            SourceFile file{folder + "/" + entry.path().filename().string(), folder, {}, {}};
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            file.text = text.str();
            std::istringstream lines(file.text);
            std::smatch match;
            for (std::string line; std::getline(lines, line);)
                if (std::regex_search(line, match, include))
                    file.includes.push_back(match[1]);
            files.push_back(std::move(file));
        }
    }
    std::sort(files.begin(), files.end(), [](const auto &a, const auto &b) { return a.path < b.path; });
    return files;
}

std::string FolderOf(const std::string &include) {
    const auto slash = include.find('/');
    return slash == std::string::npos ? std::string() : include.substr(0, slash);
}

// A header and its source are one unit: "shell/Unit1.h" and "shell/Unit1.cpp" are "shell/Unit1".
std::string UnitOf(const std::string &path) {
    return path.substr(0, path.rfind('.'));
}

TEST(Layers, NoFolderIncludesOneAboveOrBesideIt) {
    std::vector<std::string> upward;
    for (const SourceFile &file : ReadSources())
        for (const std::string &include : file.includes) {
            const auto target = kFolderRanks.find(FolderOf(include));
            if (target == kFolderRanks.end() || target->first == file.folder)
                continue;
            if (target->second >= kFolderRanks.at(file.folder))
                upward.push_back(file.path + " -> " + include);
        }
    EXPECT_TRUE(upward.empty()) << ::testing::PrintToString(upward);
}

TEST(Layers, OnlyTheWindowModelAndAboveNameTheForms) {
    const std::regex form(R"(\bTForm[12]\b)");
    std::vector<std::string> naming;
    for (const SourceFile &file : ReadSources())
        if (kCoreFolders.count(file.folder) && std::regex_search(file.text, form))
            naming.push_back(file.path);
    EXPECT_TRUE(naming.empty()) << ::testing::PrintToString(naming);
}

TEST(Layers, OnlyTheViewIncludesQt) {
    const std::regex qtInclude(R"re(#\s*include\s*<Q[A-Za-z]+>)re");
    std::vector<std::string> including;
    for (const SourceFile &file : ReadSources())
        if (file.folder != "app" && file.folder != "bench" && std::regex_search(file.text, qtInclude))
            including.push_back(file.path);
    EXPECT_TRUE(including.empty()) << ::testing::PrintToString(including);
}

TEST(Layers, NoTwoUnitsIncludeEachOther) {
    std::map<std::string, std::set<std::string>> edges;
    for (const SourceFile &file : ReadSources())
        for (const std::string &include : file.includes)
            if (kFolderRanks.count(FolderOf(include)) && UnitOf(include) != UnitOf(file.path))
                edges[UnitOf(file.path)].insert(UnitOf(include));

    // A depth-first walk; reaching a unit still on the path closes a circle.
    enum class Mark { Unseen, OnPath, Done };
    std::map<std::string, Mark> marks;
    std::vector<std::string> path;
    std::vector<std::string> circles;
    std::function<void(const std::string &)> visit = [&](const std::string &unit) {
        marks[unit] = Mark::OnPath;
        path.push_back(unit);
        for (const std::string &next : edges[unit]) {
            if (marks[next] == Mark::OnPath) {
                std::string circle;
                for (auto at = std::find(path.begin(), path.end(), next); at != path.end(); ++at)
                    circle += *at + " -> ";
                circles.push_back(circle + next);
            } else if (marks[next] == Mark::Unseen) {
                visit(next);
            }
        }
        path.pop_back();
        marks[unit] = Mark::Done;
    };
    std::vector<std::string> units;
    for (const auto &[unit, targets] : edges)
        units.push_back(unit);
    for (const std::string &unit : units)
        if (marks[unit] == Mark::Unseen)
            visit(unit);
    EXPECT_TRUE(circles.empty()) << ::testing::PrintToString(circles);
}

} // namespace

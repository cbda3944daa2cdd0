#include "formats/RecognitionRules.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<RecognitionRule> SortedRules() {
    std::vector<RecognitionRule> rules;
    for (const InputFormat &format : kInputFormats)
        if (format.rule.number != 0)
            rules.push_back({format.rule.number, format.rule.holds, format.importer});
    std::ranges::sort(rules, {}, &RecognitionRule::number);
    return rules;
}

} // namespace

std::span<const RecognitionRule> RecognitionOrder() {
    static const std::vector<RecognitionRule> rules = SortedRules();
    return rules;
}

void ImportByContent(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                     std::string &formatName) {
    for (const RecognitionRule &rule : RecognitionOrder())
        if (rule.holds(firstLine, secondLine))
            rule.importer(ctx, firstLine, secondLine, formatName);
}

#include "formats/TimeLineSteps.h"

#include "document/Chars.h"

void StartImport(ImportContext &ctx, const std::string &fpsHeaderLine) {
    ctx.ImportBuffer.Clear();
    ctx.ShowAlert(Alert::SameFps);
    ctx.ImportBuffer.Add(fpsHeaderLine);
}

void DeleteThrough(WorkLines &work, std::string_view marker) {
    while (!work.Empty() && work.Top() != marker)
        work.DeleteTop();
    if (!work.Empty())
        work.DeleteTop();
}

void DeleteTopIf(WorkLines &work, std::string_view line) {
    if (!work.Empty() && work.Top() == line)
        work.DeleteTop();
}

std::string_view CharsFrom(std::string_view line, std::size_t from) {
    return Chars(line, from, line.size());
}

void AddAtBoxRate(ImportContext &ctx, std::string_view startTime, std::string_view endTime,
                  std::string_view text) {
    ctx.AddTimedSubtitle(startTime, endTime, ctx.BoxFps(), text);
}

// The AVI header reader on arbitrary bytes: it reads nothing outside them,
// and a header it reads gives a record the report can show.

#include "tests/fuzz/FuzzCheck.h"
#include "tools/AviFile.h"
#include "tools/AviReport.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    MemoryBytes bytes(std::string_view(reinterpret_cast<const char *>(data), size));
    TAVIFileInfo info;
    const AviReadStatus status = ReadAviInfo(bytes, "fuzz.avi", info);
    if (status != AviReadStatus::Read) {
        FUZZ_CHECK(status == AviReadStatus::NotAvi);
        FUZZ_CHECK(info.FileName.empty() && info.VideoCodec.empty() && info.FrameRate == 0);
        return 0;
    }
    FUZZ_CHECK(info.VideoCodec.size() <= 32 && info.AudioCodec.size() <= 32);
    FUZZ_CHECK(info.VideoCodec.find('\0') == std::string::npos);
    FUZZ_CHECK(info.FrameRate >= 0 && info.ClipLength >= 0 && info.FileSize >= 0);
    FUZZ_CHECK(AviReport(info).find('\0') == std::string::npos);
    return 0;
}

list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/tools/ByteSource.cpp
    ${PROJECT_SOURCE_DIR}/tools/AviFile.cpp
    ${PROJECT_SOURCE_DIR}/tools/AviReport.cpp
    ${PROJECT_SOURCE_DIR}/tools/FpsCalculator.cpp
    ${PROJECT_SOURCE_DIR}/tools/SubtitleTimeline.cpp
    ${PROJECT_SOURCE_DIR}/tools/SpeechDetector.cpp
    ${PROJECT_SOURCE_DIR}/tools/SpeechAlignment.cpp
    ${PROJECT_SOURCE_DIR}/tools/VideoSync.cpp
    ${PROJECT_SOURCE_DIR}/tools/VideoSyncBoxes.cpp
    ${PROJECT_SOURCE_DIR}/tools/FilmInfo.cpp
    ${PROJECT_SOURCE_DIR}/tools/VideoOpenFilter.cpp
)

list(APPEND LUMAVERT_CORE_TESTS
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/AviFileTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/AviInfoTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/FpsCalculatorTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/PreviewTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/SpeechAlignmentTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/SubtitleTimelineTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/VideoSyncTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/FilmInfoTest.cpp
)

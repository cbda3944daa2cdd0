list(APPEND LUMAVERT_CORE_TESTS
    ${CMAKE_CURRENT_SOURCE_DIR}/editing/SubtitleEditTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/editing/ListOperationsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/editing/StatisticsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/editing/FindReplaceTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/editing/SpellCheckTest.cpp
)

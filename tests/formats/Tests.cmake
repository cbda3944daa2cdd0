list(APPEND LUMAVERT_CORE_TESTS
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/ImporterFrameTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/RecognitionTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/CorpusTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/BlockImportersTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/ScriptImportersTest.cpp
)

list(APPEND LUMAVERT_CORE_TESTS
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/ImporterFrameTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/RecognitionTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/CorpusTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/TimeLineImportersTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/SingleLineImportersTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/BlockTimecodeImportersTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/PairedLineImportersTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/IAuthorTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/BlockImportersTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/ScriptImportersTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/TimedTextImportersTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/WritersTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/formats/LooseTimesTest.cpp
)

list(APPEND LUMAVERT_CORE_TESTS
    ${CMAKE_CURRENT_SOURCE_DIR}/document/TextListTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/document/LargeBlockTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/document/ListChangeTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/document/NumTextTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/document/FrameLineTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/document/LegendasTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/document/TextFileTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/document/TextEncodingTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/document/TextWidthTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/document/MarkupTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/document/ListSelectionTest.cpp
)
list(APPEND LUMAVERT_CORE_TESTS ${CMAKE_CURRENT_SOURCE_DIR}/document/OpenerTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/document/OpenSubtitlesTest.cpp)

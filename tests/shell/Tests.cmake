list(APPEND LUMAVERT_CORE_TESTS
)
list(APPEND LUMAVERT_CORE_TESTS
    ${CMAKE_CURRENT_SOURCE_DIR}/shell/SettingsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/shell/LanguagesTest.cpp
)
list(APPEND LUMAVERT_CORE_TESTS
    ${CMAKE_CURRENT_SOURCE_DIR}/shell/LayoutTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/shell/MessageTableTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/shell/ReceiverProfilesTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/shell/RecentFilesTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/shell/UndoRedoTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/shell/FindCommandsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/shell/SamiClassWindowTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/shell/SpellCommandsTest.cpp
)

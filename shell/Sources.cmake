list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/shell/MessageTable.cpp
    ${PROJECT_SOURCE_DIR}/shell/ReceiverProfiles.cpp
)
list(APPEND LUMAVERT_WINDOW_SOURCES
    ${PROJECT_SOURCE_DIR}/shell/Unit1.cpp
    ${PROJECT_SOURCE_DIR}/shell/Unit1Layout.cpp
    ${PROJECT_SOURCE_DIR}/shell/RecentFiles.cpp
    ${PROJECT_SOURCE_DIR}/shell/Settings.cpp
    ${PROJECT_SOURCE_DIR}/shell/Languages.cpp
    ${PROJECT_SOURCE_DIR}/shell/UndoHistory.cpp
    ${PROJECT_SOURCE_DIR}/shell/UndoRedo.cpp
    ${PROJECT_SOURCE_DIR}/shell/WindowPlacement.cpp
    ${PROJECT_SOURCE_DIR}/shell/FindCommands.cpp
)

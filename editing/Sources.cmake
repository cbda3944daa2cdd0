list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/editing/Statistics.cpp
    ${PROJECT_SOURCE_DIR}/editing/RateBoxText.cpp
    ${PROJECT_SOURCE_DIR}/editing/FindReplace.cpp
    ${PROJECT_SOURCE_DIR}/editing/Words.cpp
    ${PROJECT_SOURCE_DIR}/editing/SpellCheck.cpp
)
list(APPEND LUMAVERT_WINDOW_SOURCES
    ${PROJECT_SOURCE_DIR}/editing/SelectedEntry.cpp
    ${PROJECT_SOURCE_DIR}/editing/SubtitleEdit.cpp
    ${PROJECT_SOURCE_DIR}/editing/ListOperations.cpp
    ${PROJECT_SOURCE_DIR}/editing/PropertiesBox.cpp
)

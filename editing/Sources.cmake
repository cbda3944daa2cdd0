list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/editing/Statistics.cpp
    ${PROJECT_SOURCE_DIR}/editing/RateBoxText.cpp
    ${PROJECT_SOURCE_DIR}/editing/ListEdits.cpp
    ${PROJECT_SOURCE_DIR}/editing/FindReplace.cpp
    ${PROJECT_SOURCE_DIR}/editing/Words.cpp
    ${PROJECT_SOURCE_DIR}/editing/SpellCheck.cpp
    ${PROJECT_SOURCE_DIR}/editing/SpellSteps.cpp
)

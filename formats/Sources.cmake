list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/formats/ImportContext.cpp
    ${PROJECT_SOURCE_DIR}/formats/Importers.cpp
    ${PROJECT_SOURCE_DIR}/formats/SubRip.cpp
    ${PROJECT_SOURCE_DIR}/formats/RecognitionRules.cpp
    ${PROJECT_SOURCE_DIR}/formats/ExtensionRules.cpp
    ${PROJECT_SOURCE_DIR}/formats/OpenFilter.cpp
)

list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/formats/ImportContext.cpp
    ${PROJECT_SOURCE_DIR}/formats/Importers.cpp
    ${PROJECT_SOURCE_DIR}/formats/SubRip.cpp
    ${PROJECT_SOURCE_DIR}/formats/FabSubtitler.cpp
    ${PROJECT_SOURCE_DIR}/formats/DVDSubtitleSystem.cpp
    ${PROJECT_SOURCE_DIR}/formats/AdobeEncore.cpp
    ${PROJECT_SOURCE_DIR}/formats/SonicDVDCreator.cpp
    ${PROJECT_SOURCE_DIR}/formats/SubCreator.cpp
    ${PROJECT_SOURCE_DIR}/formats/SBT.cpp
    ${PROJECT_SOURCE_DIR}/formats/InscriberCG.cpp
    ${PROJECT_SOURCE_DIR}/formats/IAuthor.cpp
    ${PROJECT_SOURCE_DIR}/formats/RecognitionRules.cpp
    ${PROJECT_SOURCE_DIR}/formats/ExtensionRules.cpp
    ${PROJECT_SOURCE_DIR}/formats/OpenFilter.cpp
)

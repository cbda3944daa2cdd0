list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/formats/ImportContext.cpp
    ${PROJECT_SOURCE_DIR}/formats/Importers.cpp
    ${PROJECT_SOURCE_DIR}/formats/SubRip.cpp
    ${PROJECT_SOURCE_DIR}/formats/ImportSteps.cpp
    ${PROJECT_SOURCE_DIR}/formats/Ulead.cpp
    ${PROJECT_SOURCE_DIR}/formats/DVDSubtitle.cpp
    ${PROJECT_SOURCE_DIR}/formats/AQTitle.cpp
    ${PROJECT_SOURCE_DIR}/formats/MPlayer1.cpp
    ${PROJECT_SOURCE_DIR}/formats/MPlayer2.cpp
    ${PROJECT_SOURCE_DIR}/formats/SubStationAlpha.cpp
    ${PROJECT_SOURCE_DIR}/formats/Sami.cpp
    ${PROJECT_SOURCE_DIR}/formats/SamiCues.cpp
    ${PROJECT_SOURCE_DIR}/formats/RecognitionRules.cpp
    ${PROJECT_SOURCE_DIR}/formats/ExtensionRules.cpp
    ${PROJECT_SOURCE_DIR}/formats/OpenFilter.cpp
)

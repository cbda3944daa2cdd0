list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/formats/ImportContext.cpp
    ${PROJECT_SOURCE_DIR}/formats/Importers.cpp
    ${PROJECT_SOURCE_DIR}/formats/SubRip.cpp
    ${PROJECT_SOURCE_DIR}/formats/SingleLineFormats.cpp
    ${PROJECT_SOURCE_DIR}/formats/DVDJunior.cpp
    ${PROJECT_SOURCE_DIR}/formats/PowerDivX.cpp
    ${PROJECT_SOURCE_DIR}/formats/SpruceDVDMaestro.cpp
    ${PROJECT_SOURCE_DIR}/formats/MacDVDStudioPro.cpp
    ${PROJECT_SOURCE_DIR}/formats/Captions32.cpp
    ${PROJECT_SOURCE_DIR}/formats/PinnacleImpression.cpp
    ${PROJECT_SOURCE_DIR}/formats/RecognitionRules.cpp
    ${PROJECT_SOURCE_DIR}/formats/ExtensionRules.cpp
    ${PROJECT_SOURCE_DIR}/formats/OpenFilter.cpp
)

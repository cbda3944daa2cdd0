list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/formats/Importers.cpp
)

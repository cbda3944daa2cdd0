# The input formats as the build needs them, read off the first line of each
# row of the format table: its key, its MIME type and its importer, whose
# code is formats/<importer without "Import">.cpp and whose declaration goes
# into a generated header that formats/Importers.h includes. The fuzz targets
# and the desktop entry are built from the same lists.
set(LUMAVERT_INPUT_FORMAT_TABLE ${PROJECT_SOURCE_DIR}/formats/InputFormats.cpp)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LUMAVERT_INPUT_FORMAT_TABLE})
file(READ ${LUMAVERT_INPUT_FORMAT_TABLE} table)
string(REGEX MATCHALL "\n    {\"[a-z0-9_]+\", \"[^\";]+\", [A-Za-z0-9]+," rows "${table}")
if(NOT rows)
    message(FATAL_ERROR "No format rows found in ${LUMAVERT_INPUT_FORMAT_TABLE}")
endif()
set(LUMAVERT_IMPORTER_KEYS)
set(LUMAVERT_INPUT_MIME_TYPES)
set(declarations)
foreach(row IN LISTS rows)
    string(REGEX MATCH "{\"([a-z0-9_]+)\", \"([^\";]+)\", ([A-Za-z0-9]+)," row "${row}")
    set(key ${CMAKE_MATCH_1})
    list(APPEND LUMAVERT_INPUT_MIME_TYPES ${CMAKE_MATCH_2})
    if(CMAKE_MATCH_3 MATCHES "^Import(.+)$")
        list(APPEND LUMAVERT_IMPORTER_KEYS ${key})
        list(APPEND LUMAVERT_CORE_SOURCES ${PROJECT_SOURCE_DIR}/formats/${CMAKE_MATCH_1}.cpp)
        string(APPEND declarations "Importer Import${CMAKE_MATCH_1};\n")
    endif()
endforeach()
list(REMOVE_DUPLICATES LUMAVERT_INPUT_MIME_TYPES)
set(LUMAVERT_GENERATED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/generated)
file(CONFIGURE OUTPUT ${LUMAVERT_GENERATED_INCLUDE_DIR}/formats/ImporterDeclarations.h
     CONTENT "// Generated from formats/InputFormats.cpp by formats/Sources.cmake.\n#pragma once\n\n${declarations}")

list(APPEND LUMAVERT_CORE_SOURCES
    ${PROJECT_SOURCE_DIR}/formats/ImportContext.cpp
    ${PROJECT_SOURCE_DIR}/formats/SingleLineFormats.cpp
    ${PROJECT_SOURCE_DIR}/formats/ImportSteps.cpp
    ${PROJECT_SOURCE_DIR}/formats/SamiCues.cpp
    ${PROJECT_SOURCE_DIR}/formats/InputFormats.cpp
    ${PROJECT_SOURCE_DIR}/formats/RecognitionRules.cpp
    ${PROJECT_SOURCE_DIR}/formats/ExtensionRules.cpp
    ${PROJECT_SOURCE_DIR}/formats/OpenFilter.cpp
    ${PROJECT_SOURCE_DIR}/formats/SubRipWriter.cpp
    ${PROJECT_SOURCE_DIR}/formats/OutputFormats.cpp
    ${PROJECT_SOURCE_DIR}/formats/Entities.cpp
    ${PROJECT_SOURCE_DIR}/formats/TtmlTimes.cpp
    ${PROJECT_SOURCE_DIR}/formats/TtmlReader.cpp
    ${PROJECT_SOURCE_DIR}/formats/WebVttText.cpp
    ${PROJECT_SOURCE_DIR}/formats/OutputWriting.cpp
    ${PROJECT_SOURCE_DIR}/formats/PieceWriting.cpp
    ${PROJECT_SOURCE_DIR}/formats/WebVttWriter.cpp
    ${PROJECT_SOURCE_DIR}/formats/SubStationAlphaWriter.cpp
    ${PROJECT_SOURCE_DIR}/formats/SamiWriter.cpp
    ${PROJECT_SOURCE_DIR}/formats/TtmlWriter.cpp
    ${PROJECT_SOURCE_DIR}/formats/SubViewer2Writer.cpp
    ${PROJECT_SOURCE_DIR}/formats/Mpl2Writer.cpp
    ${PROJECT_SOURCE_DIR}/formats/EventFormat.cpp
    ${PROJECT_SOURCE_DIR}/formats/SubRipTimes.cpp
    ${PROJECT_SOURCE_DIR}/formats/SubRipBlocks.cpp
)
unset(table)
unset(rows)
unset(row)
unset(key)
unset(declarations)

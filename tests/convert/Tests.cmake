list(APPEND LUMAVERT_CORE_TESTS
    ${CMAKE_CURRENT_SOURCE_DIR}/convert/TimingTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/convert/ConversionTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/convert/SavingTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/convert/LimitsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/convert/MultiRateTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/convert/OutputFormatsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/convert/SamiClassesTest.cpp
)

# The settings file test: a Qt Test over QtSettingsStore alone, so it needs
# only Qt Core and Test. Included from tests/app/CMakeLists.txt.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Test)
add_executable(lumavert_settings_file_test
    ${PROJECT_SOURCE_DIR}/tests/app/SettingsFileTest.cpp
    ${PROJECT_SOURCE_DIR}/app/QtSettingsStore.cpp
)
set_target_properties(lumavert_settings_file_test PROPERTIES AUTOMOC ON)
target_link_libraries(lumavert_settings_file_test PRIVATE lumavert_core Qt6::Core Qt6::Test)
target_compile_options(lumavert_settings_file_test PRIVATE ${LUMAVERT_WARNINGS})
add_test(NAME lumavert_settings_file_test COMMAND lumavert_settings_file_test)
set_tests_properties(lumavert_settings_file_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

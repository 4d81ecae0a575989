# vexo_add_library(<area> SOURCES... [QT Core|Gui|Widgets...] [DEPS targets...])
# One library target per area: vexo_<area>, alias vexo::<area>, export header
# <area>_export.h with VEXO_<AREA>_EXPORT.
function(vexo_add_library area)
    cmake_parse_arguments(ARG "" "" "SOURCES;QT;DEPS" ${ARGN})
    set(target vexo_${area})
    add_library(${target} ${ARG_SOURCES})
    add_library(vexo::${area} ALIAS ${target})
    string(TOUPPER ${area} upper)
    generate_export_header(${target} BASE_NAME vexo_${area}
        EXPORT_MACRO_NAME VEXO_${upper}_EXPORT
        EXPORT_FILE_NAME ${CMAKE_BINARY_DIR}/include/vexo/${area}_export.h)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/lib ${CMAKE_BINARY_DIR}/include)
    set_target_properties(${target} PROPERTIES AUTOMOC ON AUTORCC ON POSITION_INDEPENDENT_CODE ON)
    foreach(component ${ARG_QT})
        target_link_libraries(${target} PUBLIC Qt6::${component})
    endforeach()
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
endfunction()

# vexo_add_test(<name> SOURCES... LIBS... [GUI])
# A GoogleTest executable; GUI tests get a QApplication on the offscreen platform.
function(vexo_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
    if(ARG_GUI)
        target_link_libraries(${name} PRIVATE vexo_test_main_gui)
    else()
        target_link_libraries(${name} PRIVATE vexo_test_main_core)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TZ=UTC"
        DISCOVERY_TIMEOUT 60)
endfunction()

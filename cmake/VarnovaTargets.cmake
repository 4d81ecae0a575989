# vexo_add_library(<area> SOURCES... [QT Core|Gui|Widgets...] [DEPS targets...])
# One library target per area: vexo_<area>, alias vexo::<area>, export header
# <area>_export.h with VEXO_<AREA>_EXPORT.
#
# The areas are shared libraries (BUILD_SHARED_LIBS, on by default) with hidden symbol
# visibility: only what carries VEXO_<AREA>_EXPORT leaves a library, so a class or routine
# that misses its macro fails to link in the tests at once rather than in a consumer later.
# Tests link the same shared libraries the program and consumers use, never object files of
# their own: a second copy of an area would also duplicate its registries and globals. So a
# test reaches only exported names; helpers in _p.h headers are tested through the public
# routines built on them. With BUILD_SHARED_LIBS=OFF the areas are static; the visibility
# attribute left in the export macros is then harmless on ELF.
function(vexo_add_library area)
    cmake_parse_arguments(ARG "" "" "SOURCES;QT;DEPS" ${ARGN})
    set(target vexo_${area})
    add_library(${target} ${ARG_SOURCES})
    set_target_properties(${target} PROPERTIES
        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
        VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
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

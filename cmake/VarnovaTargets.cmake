# vexo_add_library(<area> SOURCES... [QT Core|Gui|Widgets...] [DEPS targets...]
#                  [PRIVATE_DEPS targets...])
# One library target per area: vexo_<area>, alias vexo::<area>, export header
# <area>_export.h with VEXO_<AREA>_EXPORT; installed as the component Vexo::<Area> of the
# CMake package (see VexoPackage.cmake). DEPS are part of the area's interface, PRIVATE_DEPS
# only of its implementation.
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
    cmake_parse_arguments(ARG "" "" "SOURCES;QT;DEPS;PRIVATE_DEPS" ${ARGN})
    set(target vexo_${area})
    add_library(${target} ${ARG_SOURCES})
    add_library(vexo::${area} ALIAS ${target})
    vexo_component_name(${area} component)
    string(TOUPPER ${area} upper)
    generate_export_header(${target} BASE_NAME vexo_${area}
        EXPORT_MACRO_NAME VEXO_${upper}_EXPORT
        EXPORT_FILE_NAME ${CMAKE_BINARY_DIR}/include/vexo/${area}_export.h)
    set_target_properties(${target} PROPERTIES
        AUTOMOC ON AUTORCC ON POSITION_INDEPENDENT_CODE ON
        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
        VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR} INSTALL_RPATH "$ORIGIN"
        EXPORT_NAME ${component})

    # Public headers keep their place below lib/ (include/vexo/platform/image/bitmap.h), so
    # the headers' own includes ("platform/image/bitmap.h") resolve in the installed tree as
    # in the source tree; _p.h headers stay private. Both file sets also give the include
    # directories: lib/ and the generated headers here, include/vexo and include installed.
    set(public_headers)
    foreach(source ${ARG_SOURCES})
        if(source MATCHES "\\.h$" AND NOT source MATCHES "_p\\.h$")
            list(APPEND public_headers ${source})
        endif()
    endforeach()
    target_sources(${target} PUBLIC
        FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR}/lib FILES ${public_headers}
        FILE_SET export_header TYPE HEADERS BASE_DIRS ${CMAKE_BINARY_DIR}/include
            FILES ${CMAKE_BINARY_DIR}/include/vexo/${area}_export.h)

    set(qt_components)
    foreach(qt ${ARG_QT})
        target_link_libraries(${target} PUBLIC Qt6::${qt})
        list(APPEND qt_components ${qt})
    endforeach()
    target_link_libraries(${target} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})

    # The package configuration loads a component's areas in dependency order.
    set(dep_components)
    foreach(dep ${ARG_DEPS})
        if(dep MATCHES "^vexo::(.*)$")
            vexo_component_name(${CMAKE_MATCH_1} dep_component)
            list(APPEND dep_components ${dep_component})
        endif()
    endforeach()
    set_property(GLOBAL APPEND PROPERTY VEXO_AREAS ${area})
    set_property(GLOBAL PROPERTY VEXO_${component}_DEPS "${dep_components}")
    set_property(GLOBAL PROPERTY VEXO_${component}_QT "${qt_components}")

    install(TARGETS ${target} EXPORT Vexo${component}Targets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT vexo_runtime
            NAMELINK_COMPONENT vexo_dev
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT vexo_dev
        FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vexo COMPONENT vexo_dev
        FILE_SET export_header DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT vexo_dev)
    install(EXPORT Vexo${component}Targets NAMESPACE Vexo::
        DESTINATION ${VEXO_INSTALL_CMAKEDIR} COMPONENT vexo_dev)
endfunction()

# platform_gui -> PlatformGui: the CMake package's component and imported target name.
function(vexo_component_name area out)
    string(REPLACE "_" ";" words ${area})
    set(name)
    foreach(word ${words})
        string(SUBSTRING ${word} 0 1 first)
        string(SUBSTRING ${word} 1 -1 rest)
        string(TOUPPER ${first} first)
        string(APPEND name ${first}${rest})
    endforeach()
    set(${out} ${name} PARENT_SCOPE)
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

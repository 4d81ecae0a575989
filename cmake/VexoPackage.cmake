# The CMake package `Vexo` (one component per library area, each in its own export set so
# that a consumer of Platform needs no Qt Widgets) and the pkg-config file vexo.pc, written
# after every area has been added with vexo_add_library.
include(CMakePackageConfigHelpers)

function(vexo_write_package)
    get_property(areas GLOBAL PROPERTY VEXO_AREAS)
    set(VEXO_COMPONENTS)
    set(VEXO_COMPONENT_TABLE)
    set(pc_libs)
    set(pc_qt)
    foreach(area ${areas})
        vexo_component_name(${area} component)
        get_property(deps GLOBAL PROPERTY VEXO_${component}_DEPS)
        get_property(qt GLOBAL PROPERTY VEXO_${component}_QT)
        list(APPEND VEXO_COMPONENTS ${component})
        string(APPEND VEXO_COMPONENT_TABLE
               "set(_vexo_${component}_deps ${deps})\nset(_vexo_${component}_qt ${qt})\n")
        # Areas come in dependency order; a static link wants the users before their bases.
        list(PREPEND pc_libs -lvexo_${area})
        list(APPEND pc_qt ${qt})
    endforeach()
    list(REMOVE_DUPLICATES pc_qt)
    list(TRANSFORM pc_qt PREPEND Qt6)
    # Shared libraries carry their system libraries themselves; static ones leave them to
    # the final link.
    if(BUILD_SHARED_LIBS)
        set(VEXO_STATIC FALSE)
        set(VEXO_PC_REQUIRES_PRIVATE "")
    else()
        set(VEXO_STATIC TRUE)
        set(VEXO_PC_REQUIRES_PRIVATE "libjpeg libpng alsa x11")
    endif()
    # The prefix is filled in at install time, so that `cmake --install --prefix` elsewhere
    # than the configured prefix still gives a vexo.pc that points at its own tree.
    set(VEXO_PC_PREFIX "@VEXO_PC_PREFIX@")
    list(JOIN pc_qt " " VEXO_PC_REQUIRES)
    list(JOIN pc_libs " " VEXO_PC_LIBS)

    set(dir ${CMAKE_BINARY_DIR}/package)
    configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VexoConfig.cmake.in
        ${dir}/VexoConfig.cmake INSTALL_DESTINATION ${VEXO_INSTALL_CMAKEDIR})
    write_basic_package_version_file(${dir}/VexoConfigVersion.cmake
        VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/vexo.pc.in ${dir}/vexo.pc.in @ONLY)
    install(FILES ${dir}/VexoConfig.cmake ${dir}/VexoConfigVersion.cmake
            DESTINATION ${VEXO_INSTALL_CMAKEDIR} COMPONENT vexo_dev)
    # Each install writes its own copy (named after its destination), so that installs into
    # different places at the same time - a test's prefix and CPack's staging - never share it.
    install(CODE "
        set(VEXO_PC_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
        string(MD5 pc_id \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
        configure_file(\"${dir}/vexo.pc.in\" \"${dir}/installed/\${pc_id}/vexo.pc\" @ONLY)
        file(INSTALL \"${dir}/installed/\${pc_id}/vexo.pc\"
             DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig\")"
        COMPONENT vexo_dev)
endfunction()

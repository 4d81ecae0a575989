# Debian packages through CPack: `cpack -G DEB` in the build folder (scripts/package does it
# and checks the result with lintian). Three packages, as Debian splits a library:
#   varnova       the program, its desktop entry, icons, metainfo, manual page, completion
#   libvexo<N>    the shared libraries, named after their SONAME version
#   libvexo-dev   headers, the unversioned library links, the CMake package and vexo.pc
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnova)
set(CPACK_PACKAGE_VENDOR "The Varnova developers")
set(CPACK_PACKAGE_CONTACT "The Varnova developers <maintainers@varnova.example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL https://varnova.example.org/)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL varnova vexo_runtime vexo_dev)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

# Dependencies on system libraries come from dpkg-shlibdeps. The libraries' own shlibs file
# lets later packages depend on them by version; the program depends on the exact build of
# the libraries it came with (a component dependency).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# dpkg-shlibdeps runs in each package's staging folder; the program's own libraries are found
# in the staging folder of the library package beside it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "../vexo_runtime${CMAKE_INSTALL_FULL_LIBDIR}")

set(CPACK_DEBIAN_VARNOVA_PACKAGE_NAME ${VARNOVA_PACKAGE_varnova})
set(CPACK_DEBIAN_VARNOVA_PACKAGE_SECTION graphics)
set(CPACK_COMPONENT_VARNOVA_DEPENDS vexo_runtime)
set(CPACK_COMPONENT_VARNOVA_DESCRIPTION
    "combine a picture with every bitmap of a folder
Varnova combines one working picture with every bitmap of a source folder by
one of fifteen raster operations, such as Source Erase, Source Invert or Merge
Paint, and writes one result bitmap per source file. It runs as a desktop
program or headless from the command line.")

set(CPACK_DEBIAN_VEXO_RUNTIME_PACKAGE_NAME ${VARNOVA_PACKAGE_vexo_runtime})
set(CPACK_DEBIAN_VEXO_RUNTIME_PACKAGE_SECTION libs)
# ldconfig runs through its trigger, as Debian wants for public shared libraries.
set(CPACK_DEBIAN_VEXO_RUNTIME_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/triggers)
set(CPACK_COMPONENT_VEXO_RUNTIME_DESCRIPTION
    "vexo component library for Qt 6
The vexo library brings window controls and utilities to Qt 6 programs: a
progress gauge, folder-browse and message dialogs, a calculator engine, date
utilities, a 32-bit bitmap with image operations, storage of form placement
and properties in INI files, typed lists, and string and conversion routines.
.
This package contains the shared libraries.")

set(CPACK_DEBIAN_VEXO_DEV_PACKAGE_NAME ${VARNOVA_PACKAGE_vexo_dev})
set(CPACK_DEBIAN_VEXO_DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_VEXO_DEV_DEPENDS vexo_runtime)
set(CPACK_DEBIAN_VEXO_DEV_PACKAGE_DEPENDS "qt6-base-dev")
set(CPACK_COMPONENT_VEXO_DEV_DESCRIPTION
    "vexo component library for Qt 6 - development files
The vexo library brings window controls and utilities to Qt 6 programs.
.
This package contains the headers, the CMake package Vexo (one component per
library area) and the pkg-config file vexo.pc.")

include(CPack)

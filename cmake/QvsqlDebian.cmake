# Debian packages of the install components: cpack -G DEB in the build folder writes
#   libqvsqlbuilder1      the shared object (run time)
#   libqvsqlbuilder-dev   header, development link, CMake package, pkg-config file
#   qvsql-tools           qvsql, qvsql-host with its language files and sample, man pages

# Fonts the library draws with at run time. Extend this list (not the Depends lines) when
# the library comes to use another font package.
set(QVSQL_FONT_PACKAGES fonts-dejavu-core fonts-liberation2
    CACHE STRING "Debian font packages the library needs at run time")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qvsqlbuilder)
set(CPACK_PACKAGE_VENDOR "The QvSQLBuilder developers")
set(CPACK_PACKAGE_CONTACT "The QvSQLBuilder developers <qvsqlbuilder@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_COMPONENTS_ALL lib dev tools)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(qvsql_exact_lib "libqvsqlbuilder${PROJECT_VERSION_MAJOR} (= ${PROJECT_VERSION})")
list(JOIN QVSQL_FONT_PACKAGES ", " qvsql_font_depends)

set(CPACK_DEBIAN_LIB_PACKAGE_NAME libqvsqlbuilder${PROJECT_VERSION_MAJOR})
# HarfBuzz is opened at run time for text that needs shaping, so shlibdeps cannot see it.
set(CPACK_DEBIAN_LIB_PACKAGE_DEPENDS "${qvsql_font_depends}, libharfbuzz0b")
set(CPACK_DEBIAN_LIB_DESCRIPTION "SQL SELECT query builder dialog (shared library)
 libQvSQLBuilder lets a host program's user compose one SQL SELECT statement in a
 modal dialog, on an X11 display or headless.")
set(CPACK_DEBIAN_LIB_PACKAGE_GENERATE_SHLIBS ON)

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libqvsqlbuilder-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "${qvsql_exact_lib}")
set(CPACK_DEBIAN_DEV_DESCRIPTION "SQL SELECT query builder dialog (development files)
 The header QvSQLBuilder.h, the development link, the CMake package QvSQLBuilder and the
 pkg-config file QvSQLBuilder.pc.")

set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME qvsql-tools)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION database)
set(CPACK_DEBIAN_TOOLS_PACKAGE_DEPENDS "${qvsql_exact_lib}")
set(CPACK_DEBIAN_TOOLS_DESCRIPTION "SQL SELECT query builder dialog (demo host and tools)
 qvsql-host shows the query builder on a SQLite or ODBC database and runs the statement;
 qvsql exposes the statement engine on the command line.")

include(CPack)

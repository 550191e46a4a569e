# What a host developer links against: the CMake package, the pkg-config file, and the
# Debian packages built from the install rules with CPack.
include(CMakePackageConfigHelpers)

set(qvsql_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/QvSQLBuilder)
install(EXPORT QvSQLBuilderTargets NAMESPACE QvSQLBuilder:: DESTINATION ${qvsql_cmake_dir}
        COMPONENT dev)
configure_package_config_file(cmake/QvSQLBuilderConfig.cmake.in
  ${PROJECT_BINARY_DIR}/QvSQLBuilderConfig.cmake INSTALL_DESTINATION ${qvsql_cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/QvSQLBuilderConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/QvSQLBuilderConfig.cmake
              ${PROJECT_BINARY_DIR}/QvSQLBuilderConfigVersion.cmake
        DESTINATION ${qvsql_cmake_dir} COMPONENT dev)

# The .pc file finds the prefix from its own folder; a packager's absolute folders are kept.
set(qvsql_pc_dir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(qvsql_pc_prefix "${CMAKE_INSTALL_PREFIX}")
else()
  file(RELATIVE_PATH qvsql_pc_up /${qvsql_pc_dir} /)
  string(REGEX REPLACE "/$" "" qvsql_pc_up "${qvsql_pc_up}")
  set(qvsql_pc_prefix "\${pcfiledir}/${qvsql_pc_up}")
endif()
foreach(dir LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
    set(qvsql_pc_${dir} "${CMAKE_INSTALL_${dir}}")
  else()
    set(qvsql_pc_${dir} "\${prefix}/${CMAKE_INSTALL_${dir}}")
  endif()
endforeach()
configure_file(cmake/QvSQLBuilder.pc.in ${PROJECT_BINARY_DIR}/QvSQLBuilder.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/QvSQLBuilder.pc DESTINATION ${qvsql_pc_dir} COMPONENT dev)

install(FILES LICENSE CHANGELOG.md DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT lib)

include(cmake/QvsqlDebian.cmake)

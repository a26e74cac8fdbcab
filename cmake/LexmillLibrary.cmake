# lexmill_library(<name> LINKS <our libraries> [EXTERNAL <other targets>] [PC_REQUIRES <pkg-config names>])
# Builds one of the seven shared libraries from every source below its folder.
function(lexmill_library name)
  cmake_parse_arguments(LX "" "" "LINKS;EXTERNAL;PC_REQUIRES" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} SHARED ${sources} ${headers})
  add_library(Lexmill::${name} ALIAS ${name})
  # Installed libraries find their siblings beside themselves.
  set_target_properties(${name} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}
    INSTALL_RPATH "$ORIGIN")
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/lexmill>)
  # Each library names exactly the siblings it may use; --no-as-needed keeps the link graph visible in NEEDED.
  target_link_options(${name} PRIVATE -Wl,--no-as-needed -Wl,--no-undefined)
  target_link_libraries(${name} PUBLIC ${LX_LINKS} ${LX_EXTERNAL})
  install(TARGETS ${name} EXPORT LexmillTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  foreach(h ${headers})
    file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${h})
    get_filename_component(dir ${rel} DIRECTORY)
    install(FILES ${h} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/lexmill/${dir})
  endforeach()
  set(LX_NAME ${name})
  string(JOIN " " LX_PC_REQUIRES ${LX_PC_REQUIRES})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/lexmill.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${name}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endfunction()

# The CRS text lookup: codes and names as a user types them into the
# window's datum lists or gives them to the command line, through PROJ's
# database; a CRS found is also moved to WGS 84 at the middle of its area,
# so that its axes, units and prime meridian are used. PROJ itself comes
# uninstrumented from Debian; its crashes still end the run. Seeded with
# codes, names and aliases (fuzz/seeds/crs_name_fuzz).
if(NOT TARGET platform_command_line)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/../platform/command_line platform_command_line)
endif()
if(NOT TARGET datumshift_core)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/../datumshift datumshift)
endif()
add_executable(crs_name_fuzz ${CMAKE_CURRENT_LIST_DIR}/crs_name_fuzz.cpp)
target_link_libraries(crs_name_fuzz PRIVATE datumshift_core)
target_link_options(crs_name_fuzz PRIVATE -fsanitize=fuzzer)

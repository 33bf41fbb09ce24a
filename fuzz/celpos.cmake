# The sights file reader, and the round it makes of what it accepts
# (celpos_core on the almanac's names and the civil-time texts); seeded
# with the sample round and sights files as editors keep them
# (fuzz/seeds/sights_fuzz).
if(NOT TARGET platform_command_line)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/../platform/command_line platform_command_line)
endif()
if(NOT TARGET timezones)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/../timezones timezones)
endif()
if(NOT TARGET astro)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/../astro astro)
endif()
if(NOT TARGET celpos_core)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/../celpos celpos)
endif()
add_executable(sights_fuzz ${CMAKE_CURRENT_LIST_DIR}/sights_fuzz.cpp)
target_link_libraries(sights_fuzz PRIVATE celpos_core)
target_link_options(sights_fuzz PRIVATE -fsanitize=fuzzer)

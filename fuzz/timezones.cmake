# The TZif reader and the zone computations on what it accepts; seeded with
# small files of the system's zoneinfo (fuzz/seeds/tzif_fuzz).
if(NOT TARGET timezones)
  add_subdirectory(${CMAKE_CURRENT_SOURCE_DIR}/../timezones timezones)
endif()
add_executable(tzif_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/tzif_fuzz.cpp)
target_link_libraries(tzif_fuzz PRIVATE timezones)
target_link_options(tzif_fuzz PRIVATE -fsanitize=fuzzer)

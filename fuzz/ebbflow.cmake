# The tide data reader: the check of a whole file and libtcd behind it.
# libtcd itself comes uninstrumented from Debian; its crashes, aborts and
# exits still end the run.
if(NOT TARGET ebbflow_core)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/../ebbflow ebbflow)
endif()
add_executable(tcd_fuzz ${CMAKE_CURRENT_LIST_DIR}/tcd_fuzz.cpp)
target_link_libraries(tcd_fuzz PRIVATE ebbflow_core)
target_link_options(tcd_fuzz PRIVATE -fsanitize=fuzzer)

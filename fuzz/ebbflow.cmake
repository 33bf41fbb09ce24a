# The tide data reader: the check of a whole file and libtcd behind it.
# libtcd itself comes uninstrumented from Debian; its crashes, aborts and
# exits still end the run.
find_path(TCD_INCLUDE_DIR tcd.h)
find_library(TCD_LIBRARY NAMES libtcd.a tcd)
set(_ebbflow ${CMAKE_CURRENT_LIST_DIR}/../ebbflow/core)
add_executable(tcd_fuzz ${CMAKE_CURRENT_LIST_DIR}/tcd_fuzz.cpp
  ${_ebbflow}/tcd_check.cpp ${_ebbflow}/tcd_header.cpp ${_ebbflow}/text_fold.cpp ${_ebbflow}/tide_database.cpp
  ${_ebbflow}/harmonics.cpp ${_ebbflow}/harmonic_roots.cpp ${_ebbflow}/reference_events.cpp ${_ebbflow}/prediction.cpp)
target_include_directories(tcd_fuzz PRIVATE ${CMAKE_CURRENT_LIST_DIR}/.. ${TCD_INCLUDE_DIR})
target_link_libraries(tcd_fuzz PRIVATE geo ${TCD_LIBRARY})
target_link_options(tcd_fuzz PRIVATE -fsanitize=fuzzer)

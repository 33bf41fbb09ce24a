# The tide core: a year of high and low waters, the station searches, and
# reading Debian's tide data (build/bench/ebbflow_bench).
if(TARGET ebbflow_core)
  add_executable(ebbflow_bench ${CMAKE_CURRENT_LIST_DIR}/ebbflow_bench.cpp)
  target_link_libraries(ebbflow_bench PRIVATE ebbflow_core benchmark::benchmark)
endif()

# The astronomy core: a year of daily events for one place, as the
# command line computes them day by day, and solara's own command line
# printing that year, in this process and as the program started afresh;
# bench/astro_pyephem.py times PyEphem doing the same work.
#   build/bench/astro_bench
#   /usr/bin/python3 bench/astro_pyephem.py
if(TARGET astro)
  add_executable(astro_bench ${CMAKE_CURRENT_LIST_DIR}/astro_bench.cpp)
  target_link_libraries(astro_bench PRIVATE astro benchmark::benchmark_main)
  if(TARGET solara_core)
    target_sources(astro_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/astro_solara_bench.cpp)
    target_link_libraries(astro_bench PRIVATE solara_core)
  endif()
  if(TARGET solara)
    # The program itself, started afresh for each year.
    target_compile_definitions(astro_bench PRIVATE VORLAN_SOLARA_PROGRAM="$<TARGET_FILE:solara>")
    add_dependencies(astro_bench solara)
  endif()
endif()

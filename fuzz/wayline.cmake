# The GPX route reader, and the writer on what it accepts (Qt Core's XML
# streams, the route core); seeded with routes as plotters, gpsbabel and
# the dead-reckoning export write them (fuzz/seeds/gpx_route_fuzz).
find_package(Qt6 REQUIRED COMPONENTS Core)
if(NOT TARGET wayline_files)
  add_subdirectory(${CMAKE_CURRENT_SOURCE_DIR}/../wayline wayline)
endif()
add_executable(gpx_route_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/gpx_route_fuzz.cpp)
target_link_libraries(gpx_route_fuzz PRIVATE wayline_files Qt6::Core)
target_link_options(gpx_route_fuzz PRIVATE -fsanitize=fuzzer)

# The GPX route reader, and the writer on what it accepts (Qt Core's XML
# streams, the route core); seeded with routes as plotters, gpsbabel and
# the dead-reckoning export write them (fuzz/seeds/gpx_route_fuzz).
find_package(Qt6 REQUIRED COMPONENTS Core)
vorlan_fuzz_folders(wayline)
vorlan_add_fuzz_target(gpx_route_fuzz LIBRARIES wayline_files Qt6::Core)

# Finds GeographicLib, the tests' source of exact reference values: Debian's
# package, or one built from source whose GeographicLib_INCLUDE_DIR and
# GeographicLib_LIBRARY are given (the Windows cross build's).
#   GeographicLib_FOUND, GeographicLib_INCLUDE_DIRS, GeographicLib_LIBRARIES,
#   and the target GeographicLib::GeographicLib
find_path(GeographicLib_INCLUDE_DIR GeographicLib/Rhumb.hpp)
find_library(GeographicLib_LIBRARY NAMES GeographicLib Geographic)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(GeographicLib REQUIRED_VARS GeographicLib_LIBRARY GeographicLib_INCLUDE_DIR)
if(GeographicLib_FOUND)
  set(GeographicLib_INCLUDE_DIRS ${GeographicLib_INCLUDE_DIR})
  set(GeographicLib_LIBRARIES ${GeographicLib_LIBRARY})
  if(NOT TARGET GeographicLib::GeographicLib)
    add_library(GeographicLib::GeographicLib UNKNOWN IMPORTED)
    set_target_properties(GeographicLib::GeographicLib PROPERTIES IMPORTED_LOCATION ${GeographicLib_LIBRARY}
                          INTERFACE_INCLUDE_DIRECTORIES ${GeographicLib_INCLUDE_DIR})
  endif()
endif()
mark_as_advanced(GeographicLib_INCLUDE_DIR GeographicLib_LIBRARY)

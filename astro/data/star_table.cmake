# Turns the star catalogue (navigational_stars.csv) into the C++ table the
# astronomy core compiles in, so that no program reads a file at run time:
#   cmake -DCATALOGUE=navigational_stars.csv -DOUTPUT=table.cpp -P star_table.cmake
# A row that has not the catalogue's ten fields stops the build.
file(STRINGS ${CATALOGUE} rows ENCODING UTF-8)
list(POP_FRONT rows header)
set(expected "number,name,hip,ra_deg,dec_deg,pm_ra_mas_yr,pm_dec_mas_yr,parallax_mas,radial_velocity_km_s,v_mag")
if(NOT header STREQUAL expected)
  message(FATAL_ERROR "${CATALOGUE}: the first line must be ${expected}")
endif()
set(entries "")
set(line 1)
foreach(row IN LISTS rows)
  math(EXPR line "${line} + 1")
  string(REPLACE "," ";" fields "${row}")
  list(LENGTH fields count)
  if(NOT count EQUAL 10)
    message(FATAL_ERROR "${CATALOGUE}:${line}: ${count} fields, not 10")
  endif()
  list(GET fields 1 name)
  if(name MATCHES "[\"\\\\]")
    message(FATAL_ERROR "${CATALOGUE}:${line}: a name holds no quotes or backslashes")
  endif()
  list(REMOVE_AT fields 1)
  foreach(value IN LISTS fields)
    if(NOT value MATCHES "^[-+]?[0-9]+(\\.[0-9]+)?$")
      message(FATAL_ERROR "${CATALOGUE}:${line}: '${value}' is not a number")
    endif()
  endforeach()
  list(GET fields 0 number)
  list(GET fields 1 hip)
  list(SUBLIST fields 2 -1 figures)
  list(JOIN figures ", " figures)
  string(APPEND entries "    {${number}, \"${name}\", ${hip}, ${figures}},\n")
endforeach()
file(WRITE ${OUTPUT}.new "// Made by astro/data/star_table.cmake from astro/data/navigational_stars.csv: do not edit.
#include \"astro/star_catalogue.h\"

namespace astro {

const CatalogueStar NavigationalStarTable[] = {
${entries}};
const std::size_t NavigationalStarTableSize = sizeof NavigationalStarTable / sizeof NavigationalStarTable[0];

} // namespace astro
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)

# The version as the program's version record writes it, and as every package and page shows
# it: the major version, the minor one with at least two digits and the revision with at least
# four (1.01.0000), from project(... VERSION major.minor.revision).
function(quorvane_zero_padded value digits out)
  string(LENGTH "${value}" length)
  if(length LESS digits)
    math(EXPR zeros "${digits} - ${length}")
    string(REPEAT "0" ${zeros} padding)
    set(value "${padding}${value}")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

quorvane_zero_padded(${PROJECT_VERSION_MINOR} 2 quorvane_minor)
quorvane_zero_padded(${PROJECT_VERSION_PATCH} 4 quorvane_revision)
set(QUORVANE_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${quorvane_minor}.${quorvane_revision}")

# Fails when a file of src/ includes a header of a layer above its own,
# naming the file and line. The layers, lowest first:
#   rules        startup/ model/ career/ names/ ask/   (library orrimar_rules)
#   application  output/ batch/ stats/ ui/             (library orrimar_app)
#   faces        ui/qt/ ui/console/
# A file in a folder of no layer fails too, so a new folder is placed
# before it is used.
#   cmake -DSRC=<a src folder> -P LayerIncludes.cmake
cmake_minimum_required(VERSION 3.22)

if(NOT IS_DIRECTORY "${SRC}")
  message(FATAL_ERROR "LayerIncludes: no folder SRC='${SRC}'")
endif()

set(layer_names rules application faces)

# The layer (0, 1, 2) of `path`, relative to SRC, or -1.
function(layer_of path result)
  if(path MATCHES "^ui/(qt|console)/")
    set(${result} 2 PARENT_SCOPE)
  elseif(path MATCHES "^(startup|model|career|names|ask)/")
    set(${result} 0 PARENT_SCOPE)
  elseif(path MATCHES "^(output|batch|stats|ui)/[^/]+$")
    set(${result} 1 PARENT_SCOPE)
  else()
    set(${result} -1 PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE sources LIST_DIRECTORIES false RELATIVE "${SRC}" "${SRC}/*")
list(SORT sources)
set(faults "")
foreach(source IN LISTS sources)
  layer_of("${source}" own)
  if(own EQUAL -1)
    string(APPEND faults "src/${source}: in a folder of no layer\n")
    continue()
  endif()
  file(READ "${SRC}/${source}" text)
  # One list element a line: characters that CMake's lists treat specially
  # cannot matter to an include line, so they go first.
  string(REGEX REPLACE "[][;\\]" "_" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
      continue()
    endif()
    set(header "${CMAKE_MATCH_1}")
    if(NOT header MATCHES "/")
      get_filename_component(folder "${source}" DIRECTORY)
      set(header "${folder}/${header}")
    endif()
    # Headers outside src/ (the libraries') have no layer here.
    if(NOT EXISTS "${SRC}/${header}")
      continue()
    endif()
    layer_of("${header}" theirs)
    if(theirs GREATER own)
      list(GET layer_names ${own} low)
      list(GET layer_names ${theirs} high)
      string(APPEND faults
             "src/${source}:${number}: includes ${header}: the ${low} must not include the ${high}\n")
    endif()
  endforeach()
endforeach()

if(faults)
  # Printed as they are, one a line, so nothing wraps a file name.
  message(NOTICE "${faults}")
  message(FATAL_ERROR "A lower layer includes a higher one (listed above).")
endif()
list(LENGTH sources count)
message(STATUS "LayerIncludes: ${count} files, every include at or below its own layer")

# Fails when a file of src/ includes a header of a folder above its own,
# naming the file and line. Each library's folders go one way, lowest first;
# folders of one tier may include each other:
#   rules        text/ -> data/ -> model/ -> ask/ -> career/ career/specials/ names/
#                -> session/ -> check/                          (orrimar_rules)
#   application  output/ -> batch/ -> replay/ -> stats/ -> ui/  (orrimar_app)
#   faces        ui/qt/  ui/console/                (neither includes the other)
# A library never includes one above it. A file in a folder of no tier
# fails too, so a new folder is placed before it is used.
#   cmake -DSRC=<a src folder> -P LayerIncludes.cmake
cmake_minimum_required(VERSION 3.22)

if(NOT IS_DIRECTORY "${SRC}")
  message(FATAL_ERROR "LayerIncludes: no folder SRC='${SRC}'")
endif()

set(layer_names rules application faces)
# folder|layer|tier; tiers are numbered across the layers.
set(tiers
    text|0|0 data|0|1 model|0|2 ask|0|3 career|0|4 career/specials|0|4 names|0|4
    session|0|5 check|0|6
    output|1|10 batch|1|11 replay|1|12 stats|1|13 ui|1|14
    ui/qt|2|20 ui/console|2|21)

# The layer and tier of `path`, relative to SRC; -1 -1 for a folder of none.
function(tier_of path layer tier)
  get_filename_component(folder "${path}" DIRECTORY)
  set(${layer} -1 PARENT_SCOPE)
  set(${tier} -1 PARENT_SCOPE)
  foreach(entry IN LISTS tiers)
    string(REPLACE "|" ";" fields "${entry}")
    list(GET fields 0 name)
    if(folder STREQUAL name)
      list(GET fields 1 l)
      list(GET fields 2 t)
      set(${layer} ${l} PARENT_SCOPE)
      set(${tier} ${t} PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

file(GLOB_RECURSE sources LIST_DIRECTORIES false RELATIVE "${SRC}" "${SRC}/*")
list(SORT sources)
set(faults "")
foreach(source IN LISTS sources)
  tier_of("${source}" own own_tier)
  if(own EQUAL -1)
    string(APPEND faults "src/${source}: in a folder of no tier\n")
    continue()
  endif()
  get_filename_component(own_folder "${source}" DIRECTORY)
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
      set(header "${own_folder}/${header}")
    endif()
    # Headers outside src/ (the libraries') have no tier here.
    if(NOT EXISTS "${SRC}/${header}")
      continue()
    endif()
    tier_of("${header}" theirs their_tier)
    get_filename_component(their_folder "${header}" DIRECTORY)
    if(theirs GREATER own)
      list(GET layer_names ${own} low)
      list(GET layer_names ${theirs} high)
      string(APPEND faults
             "src/${source}:${number}: includes ${header}: the ${low} must not include the ${high}\n")
    elseif(theirs EQUAL own AND (their_tier GREATER own_tier OR (own EQUAL 2 AND NOT their_tier EQUAL own_tier)))
      string(APPEND faults
             "src/${source}:${number}: includes ${header}: ${own_folder}/ must not include ${their_folder}/\n")
    endif()
  endforeach()
endforeach()

if(faults)
  # Printed as they are, one a line, so nothing wraps a file name.
  message(NOTICE "${faults}")
  message(FATAL_ERROR "A lower folder includes a higher one (listed above).")
endif()
list(LENGTH sources count)
message(STATUS "LayerIncludes: ${count} files, every include at or below its own folder")

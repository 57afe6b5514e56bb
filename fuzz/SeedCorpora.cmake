# Seeds each fuzz target's corpus from the sample data folder:
#   cmake -DDATA=data -DOUT=build-asan/seeds -P fuzz/SeedCorpora.cmake
# The folder holds the seeds alone; campaigns keep their finds elsewhere.
cmake_minimum_required(VERSION 3.22)
if(NOT DATA OR NOT OUT)
  message(FATAL_ERROR "give -DDATA=<sample data folder> -DOUT=<corpus folder>")
endif()
get_filename_component(HERE ${CMAKE_CURRENT_LIST_DIR} ABSOLUTE)

foreach(target race_file service_file cascades option_set template_fill data_check batch
        dice_list regenerate batch_asks stat_block_sheet command_line)
  file(MAKE_DIRECTORY ${OUT}/${target})
endforeach()

file(GLOB races ${DATA}/*.ERI)
file(GLOB services ${DATA}/*.SRV)
file(GLOB templates ${DATA}/templates/*.htm)
file(COPY ${races} DESTINATION ${OUT}/race_file)
file(COPY ${services} DESTINATION ${OUT}/service_file)
file(COPY ${DATA}/cascade.dat ${DATA}/COYNS.DAT DESTINATION ${OUT}/cascades)
file(COPY ${templates} DESTINATION ${OUT}/template_fill)
file(GLOB option_sets ${HERE}/seeds/option_set/*)
file(COPY ${option_sets} DESTINATION ${OUT}/option_set)
# Dice lists, command lines (words split at zero bytes), and saved
# characters of the sample data: a batch character's JSON on one line, two
# on two lines, an interactive one's JSON and a batch character's page.
foreach(target dice_list regenerate batch_asks stat_block_sheet command_line)
  file(GLOB seeds ${HERE}/seeds/${target}/*)
  file(COPY ${seeds} DESTINATION ${OUT}/${target})
endforeach()

# A race file's text up to its [FILES] section, which then lists only `entry`.
function(race_listing race entry out)
  file(READ ${race} text)
  string(FIND "${text}" "[FILES]" at)
  if(at GREATER_EQUAL 0)
    string(SUBSTRING "${text}" 0 ${at} text)
  endif()
  set(${out} "${text}[FILES]\r\n${entry}\r\n" PARENT_SCOPE)
endfunction()

# Several files in one input: "==> NAME" starts each (see fuzz/FuzzSupport.h).
file(READ ${DATA}/cascade.dat cascade)
file(READ ${DATA}/COYNS.DAT coyns)
set(tables "==> cascade.dat\n${cascade}==> COYNS.DAT\n${coyns}")
foreach(service ${services})
  get_filename_component(name ${service} NAME)
  file(READ ${service} text)
  race_listing(${DATA}/IMPERIAL.ERI "${name}=Service" race)
  file(WRITE ${OUT}/data_check/${name} "${race}==> ${name}\n${text}${tables}")
  race_listing(${DATA}/IMPERIAL.ERI "FUZZ.SRV=Service" race)
  file(WRITE ${OUT}/batch/${name} "${race}==> FUZZ.SRV\n${text}")
endforeach()

# Every race with the first service it lists.
foreach(race ${races})
  get_filename_component(name ${race} NAME)
  file(STRINGS ${race} listed REGEX "^[^=\\[]+\\.SRV=")
  if(NOT listed)
    continue()
  endif()
  list(GET listed 0 first)
  string(REGEX REPLACE "=.*" "" first "${first}")
  if(NOT EXISTS ${DATA}/${first})
    continue()
  endif()
  file(READ ${DATA}/${first} text)
  race_listing(${race} "FUZZ.SRV=Service" listing)
  file(WRITE ${OUT}/batch/${name} "${listing}==> FUZZ.SRV\n${text}")
endforeach()

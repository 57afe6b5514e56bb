# Installs a build into a prefix of its own and runs the installed terminal
# program there: a batch on the installed sample data, then a first run
# that takes up the offer of that data.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DDESKTOP=ON|OFF
#         -DDATA_WRITTEN_REGEX=... -P InstallTest.cmake
cmake_minimum_required(VERSION 3.22)

function(fail)
  message(FATAL_ERROR "InstallTest: " ${ARGN})
endfunction()

# Runs a command and fails unless it exits with `status`; its output is
# kept in `output` for the caller.
function(run status)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out
                  ERROR_VARIABLE err ${run_input})
  if(NOT result STREQUAL "${status}")
    list(JOIN ARGN " " command)
    fail("${command}\nexited with ${result}, not ${status}:\n${out}${err}")
  endif()
  set(output "${out}${err}" PARENT_SCOPE)
endfunction()

# The files below `folder`, each as "/relative/name", sorted.
function(files_below folder result)
  file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${folder} ${folder}/*)
  list(TRANSFORM found PREPEND "/")
  list(SORT found)
  set(${result} ${found} PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run(0 ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

set(doc share/doc/orrimar)
set(expected bin/orrimar-cli share/man/man1/orrimar-cli.1.gz share/orrimar/character.schema.json
    ${doc}/README.md ${doc}/copyright ${doc}/changelog.gz ${doc}/character.schema.json
    ${doc}/data-formats.md)
if(DESKTOP)
  set(desktop share/applications/org.orrimar.orrimar.desktop)
  set(metainfo share/metainfo/org.orrimar.orrimar.metainfo.xml)
  list(APPEND expected bin/orrimar share/man/man1/orrimar.1.gz ${desktop} ${metainfo}
       share/icons/hicolor/scalable/apps/org.orrimar.orrimar.svg)
endif()
foreach(file ${expected})
  if(NOT EXISTS ${prefix}/${file})
    fail("${file} is missing from the installation")
  endif()
endforeach()

# The sample data whole, subfolders included.
set(data ${prefix}/share/orrimar/data)
files_below(${SOURCE_DIR}/data source)
list(FILTER source EXCLUDE REGEX "${DATA_WRITTEN_REGEX}")
files_below(${data} installed)
if(NOT source STREQUAL installed)
  fail("the installed data differs from data/:\n${installed}\nnot\n${source}")
endif()

# (The software-centre entry is validated, pedantically, by PackageTest.)
if(DESKTOP)
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(NOT DESKTOP_FILE_VALIDATE)
    fail("desktop-file-validate is missing (scripts/setup.sh installs it)")
  endif()
  run(0 ${DESKTOP_FILE_VALIDATE} ${prefix}/${desktop})
  if(NOT output STREQUAL "")
    fail("desktop-file-validate: ${output}")
  endif()
endif()

# (The sample data passes a strict check in the core tests; the installed
# copy holds the same files.)
set(cli ${prefix}/bin/orrimar-cli)

set(home ${WORK_DIR}/home)
set(copy ${home}/data/orrimar/data)
# Wide enough that the terminal's word wrapping keeps each message on a line.
set(fresh_home ${CMAKE_COMMAND} -E env --unset=WINDIR HOME=${home}
    XDG_CONFIG_HOME=${home}/config XDG_DATA_HOME=${home}/data COLUMNS=1000)

# A batch without --data in a home that has never run Orrimar (the manual
# page's own example) reads the installed sample data, says so, and
# writes nothing there.
run(0 ${fresh_home} ${cli} --auto --count 2 --seed 7 --out ${WORK_DIR}/npcs)
string(FIND "${output}" "reading the sample data installed with Orrimar (read only): " at)
if(at EQUAL -1 OR NOT EXISTS ${WORK_DIR}/npcs/index.htm)
  fail("a batch without --data did not read the installed data:\n${output}")
endif()
files_below(${data} after)
if(NOT after STREQUAL installed)
  fail("a batch wrote into the installed data:\n${after}")
endif()

# First run in a fresh home: Yes to the installed sample data, then Exit.
file(WRITE ${WORK_DIR}/answers "1\n14\n")
set(run_input INPUT_FILE ${WORK_DIR}/answers)
run(0 ${fresh_home} ${cli})
unset(run_input)
string(FIND "${output}" "Use the sample data installed with Orrimar? A copy goes to ${copy}/" at)
if(at EQUAL -1)
  fail("the first run did not offer the installed data:\n${output}")
endif()
# (The copy itself is the core tests'.) The settings go below
# XDG_CONFIG_HOME; compared as bytes: CMake reads a CR LF line end as LF.
file(READ ${home}/config/orrimar/Orrimar.ini settings HEX)
string(HEX "dataloc=${copy}/\r\n" wanted)
if(NOT settings STREQUAL wanted)
  fail("the settings file does not record ${copy}/ (bytes ${settings})")
endif()

# (That a later run reads the folder recorded there is the core tests'.)
file(REMOVE_RECURSE ${WORK_DIR})

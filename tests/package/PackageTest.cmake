# Packages the programs a build already made (no build of its own) and
# checks the package as a distribution would: lintian, its pedantic and
# informational tags included, and appstreamcli on the software-centre
# entry. What lintian may still say of the package is overridden, with the
# reason, in packaging/lintian-overrides.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DCPACK=... -P PackageTest.cmake
cmake_minimum_required(VERSION 3.22)

function(fail)
  message(FATAL_ERROR "PackageTest: " ${ARGN})
endfunction()

# Runs a command and fails unless it exits with 0 and (unless `findings` is
# "") says nothing matching it on standard output; standard error is shown
# with a failure.
function(run findings)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT result EQUAL 0 OR (NOT findings STREQUAL "" AND out MATCHES "${findings}"))
    list(JOIN ARGN " " command)
    fail("${command}\nexited with ${result}:\n${out}${err}")
  endif()
endfunction()

foreach(tool lintian appstreamcli dpkg-deb)
  find_program(${tool}_path ${tool})
  if(NOT ${tool}_path)
    fail("${tool} is missing (scripts/setup.sh installs it)")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -G DEB -B ${WORK_DIR}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB package ${WORK_DIR}/orrimar_*.deb)
if(NOT result EQUAL 0 OR NOT package)
  fail("cpack made no package (exit ${result}):\n${out}")
endif()

# Any tag at all fails. A developer's build lacks Debian's hardening flags,
# which `make package` adds (dpkg-buildflags); those two tags are its own.
run("." ${lintian_path} --pedantic --display-info --fail-on error,warning,info,pedantic
    --suppress-tags hardening-no-fortify-functions,hardening-no-bindnow ${package})

run("" ${dpkg-deb_path} -x ${package} ${WORK_DIR}/root)
run("(^|\n)[EWIP]: " ${appstreamcli_path} validate --pedantic --no-net --no-color
    ${WORK_DIR}/root/usr/share/metainfo/org.orrimar.orrimar.metainfo.xml)
file(REMOVE_RECURSE ${WORK_DIR})

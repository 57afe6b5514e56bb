# What `cmake --install` and the Debian package lay out below the prefix:
# the programs, the sample data, the JSON schema, the documentation and the
# manual pages and, for the desktop program, its menu entry, icon and
# software-centre entry. What the program itself writes into a data folder
# (option sets, the character list) stays out of an installation made from
# a tree it was run in.
set(ORRIMAR_DATA_WRITTEN_REGEX "/(osets[0-9]*\\.txt|clist\\.htm)$")
# Installing never builds: cpack packages the two programs `make package`
# built, or those the test build holds, rather than building every target.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(packaging ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(generated ${CMAKE_CURRENT_BINARY_DIR}/packaging)
# The package's name, not the project's: Debian looks for it there.
set(ORRIMAR_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/orrimar)

# Manual pages and the changelog go compressed as Debian wants them: the
# best compression, no name or time stamp, so a rebuild gives the same bytes.
find_program(ORRIMAR_GZIP gzip REQUIRED)
function(orrimar_gzip source target)
  execute_process(COMMAND ${ORRIMAR_GZIP} -9 -n -c ${source} OUTPUT_FILE ${target}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not compress ${source}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

# The manual pages carry the program's version.
foreach(page orrimar orrimar-cli)
  configure_file(${packaging}/${page}.1.in ${generated}/${page}.1 @ONLY)
  orrimar_gzip(${generated}/${page}.1 ${generated}/${page}.1.gz)
endforeach()
orrimar_gzip(${packaging}/changelog ${generated}/changelog.gz)
# The homepage comes from project().
configure_file(${packaging}/org.orrimar.orrimar.metainfo.xml.in
               ${generated}/org.orrimar.orrimar.metainfo.xml @ONLY)
# The documentation folder names the schema and the data guide where the
# programs' own installation holds them.
file(CREATE_LINK ../../orrimar/character.schema.json ${generated}/character.schema.json SYMBOLIC)
file(CREATE_LINK ../../orrimar/data/README.md ${generated}/data-formats.md SYMBOLIC)

# A stripped installation (cpack, `cmake --install --strip`) also loses the
# compiler's notes, as a Debian package's programs do.
function(orrimar_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(installed "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${target}")
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                    --remove-section=.note \"${installed}\")
  endif()")
endfunction()

orrimar_install_program(orrimar-cli)
install(DIRECTORY data/ DESTINATION ${ORRIMAR_INSTALL_DATADIR}
        REGEX "${ORRIMAR_DATA_WRITTEN_REGEX}" EXCLUDE)
install(FILES docs/character.schema.json DESTINATION ${CMAKE_INSTALL_DATADIR}/orrimar)
install(FILES README.md ${packaging}/copyright ${generated}/changelog.gz
              ${generated}/character.schema.json ${generated}/data-formats.md
        DESTINATION ${ORRIMAR_INSTALL_DOCDIR})
install(FILES ${generated}/orrimar-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# What lintian says of the package that is not a fault, with the reasons.
install(FILES ${packaging}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME orrimar)
if(ORRIMAR_BUILD_QT)
  orrimar_install_program(orrimar)
  install(FILES ${generated}/orrimar.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${packaging}/org.orrimar.orrimar.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${packaging}/org.orrimar.orrimar.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${generated}/org.orrimar.orrimar.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

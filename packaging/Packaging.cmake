# What an installed system gets besides the executables: the systemd unit of the headless
# service, the manual pages, and the Debian package that carries them with the maintainer scripts.
# Included last from the top-level CMakeLists.txt, once every executable target exists.
#
#   cmake --install build                  installs into CMAKE_INSTALL_PREFIX
#   scripts/package                        builds build-deb/sincrovia_<version>-1_<arch>.deb
include(GNUInstallDirs)

set(SINCROVIA_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(SINCROVIA_BINDIR ${CMAKE_INSTALL_FULL_BINDIR})
# The service's fixed paths, shared by the unit, the maintainer scripts and the manual pages.
set(SINCROVIA_SERVICE_USER sincrovia)
set(SINCROVIA_CONFIG_DIR /etc/sincrovia)
set(SINCROVIA_LOG_DIR /var/log/sincrovia)

# The executables. The agent's folder (src/app, built where Qt 6 Widgets is found) installs both
# of them with its icon, desktop and autostart entries; without it the command-line tool is
# installed from here.
if(TARGET sincrovia-cli AND NOT (TARGET sv_app OR TARGET sincrovia))
  install(TARGETS sincrovia-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The systemd unit, pointing at the executable where this prefix installs it. systemd reads units
# from <prefix>/lib/systemd/system for /usr and /usr/local alike.
set(SINCROVIA_UNIT ${CMAKE_BINARY_DIR}/packaging/sincrovia.service)
configure_file(${SINCROVIA_PACKAGING_DIR}/sincrovia.service.in ${SINCROVIA_UNIT} @ONLY)
set(SINCROVIA_SYSTEMD_UNIT_DIR lib/systemd/system CACHE STRING
    "Where the systemd unit is installed, relative to CMAKE_INSTALL_PREFIX or absolute")
install(FILES ${SINCROVIA_UNIT} DESTINATION ${SINCROVIA_SYSTEMD_UNIT_DIR})

# Manual pages, compressed as Debian ships them. sincrovia(1) describes the agent and comes with
# it.
set(manuais sincrovia-cli)
if(TARGET sincrovia)
  list(APPEND manuais sincrovia)
endif()
set(manuaisCompactados)
foreach(manual IN LISTS manuais)
  set(origem ${SINCROVIA_PACKAGING_DIR}/man/${manual}.1)
  set(destino ${CMAKE_BINARY_DIR}/packaging/man/${manual}.1.gz)
  add_custom_command(
    OUTPUT ${destino}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/man
    COMMAND sh -c "gzip -9n -c '${origem}' > '${destino}'"
    DEPENDS ${origem}
    COMMENT "Compressing the manual page ${manual}(1)"
    VERBATIM)
  list(APPEND manuaisCompactados ${destino})
endforeach()
add_custom_target(sincrovia-man ALL DEPENDS ${manuaisCompactados})
install(FILES ${manuaisCompactados} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The copyright statement and a changelog of this build, where Debian keeps them. The changelog
# is dated SOURCE_DATE_EPOCH when that is set, so that the same tree gives the same package.
set(SINCROVIA_PACKAGE_MAINTAINER "Sincrovia <sincrovia@localhost>" CACHE STRING
    "The Maintainer of the Debian package: name <address>")
set(SINCROVIA_DEB_VERSION ${PROJECT_VERSION}-1)
string(TIMESTAMP SINCROVIA_DEB_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${SINCROVIA_PACKAGING_DIR}/debian/changelog.in
               ${CMAKE_BINARY_DIR}/packaging/debian/changelog.Debian @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/packaging/debian/changelog.Debian.gz
  COMMAND sh -c "gzip -9n -c '${CMAKE_BINARY_DIR}/packaging/debian/changelog.Debian' > '${CMAKE_BINARY_DIR}/packaging/debian/changelog.Debian.gz'"
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/debian/changelog.Debian
  VERBATIM)
add_custom_target(sincrovia-changelog ALL
                  DEPENDS ${CMAKE_BINARY_DIR}/packaging/debian/changelog.Debian.gz)
install(FILES ${SINCROVIA_PACKAGING_DIR}/debian/copyright
              ${CMAKE_BINARY_DIR}/packaging/debian/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/sincrovia)
# The schema of `sincrovia-cli status --json`, for whoever writes a monitor's check.
if(EXISTS ${CMAKE_SOURCE_DIR}/docs/status.schema.json)
  install(FILES ${CMAKE_SOURCE_DIR}/docs/status.schema.json
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/sincrovia)
endif()

# Checks cheap enough for every test run: the unit as systemd reads it, the pages as man renders
# them, the maintainer scripts as sh parses them. The package itself is tried in a clean Debian
# root by packaging/test-package, run by hand: it downloads a Debian system.
set(testes)
if(TARGET sincrovia-cli)
  add_test(NAME PackagingTest.UnitPassesSystemdVerify
           COMMAND ${SINCROVIA_PACKAGING_DIR}/check-unit ${SINCROVIA_UNIT}
                   $<TARGET_FILE:sincrovia-cli>)
  list(APPEND testes PackagingTest.UnitPassesSystemdVerify)
endif()
foreach(manual IN ITEMS sincrovia-cli sincrovia)
  add_test(NAME PackagingTest.ManualPage_${manual}_RendersWithoutWarnings
           COMMAND ${SINCROVIA_PACKAGING_DIR}/check-man ${SINCROVIA_PACKAGING_DIR}/man/${manual}.1)
  list(APPEND testes PackagingTest.ManualPage_${manual}_RendersWithoutWarnings)
endforeach()
# 77: the tool the check needs is not installed.
set_tests_properties(${testes} PROPERTIES SKIP_RETURN_CODE 77)
add_test(NAME PackagingTest.MaintainerScriptsParse
         COMMAND sh -c "for s in \"$@\"; do sh -n \"$s\" || exit 1; done" check
                 ${SINCROVIA_PACKAGING_DIR}/debian/postinst.in
                 ${SINCROVIA_PACKAGING_DIR}/debian/prerm.in
                 ${SINCROVIA_PACKAGING_DIR}/debian/postrm.in)

# Everything the install step copies, for building just that before packaging.
add_custom_target(sincrovia-package-files)
add_dependencies(sincrovia-package-files sincrovia-man sincrovia-changelog)
foreach(alvo sincrovia sincrovia-cli)
  if(TARGET ${alvo})
    add_dependencies(sincrovia-package-files ${alvo})
  endif()
endforeach()

# The Debian package (CPack). The maintainer scripts take the same fixed paths as the unit.
foreach(script postinst prerm postrm)
  configure_file(${SINCROVIA_PACKAGING_DIR}/debian/${script}.in
                 ${CMAKE_BINARY_DIR}/packaging/debian/${script} @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sincrovia)
set(CPACK_PACKAGE_VENDOR "Sincrovia")
set(CPACK_PACKAGE_CONTACT "${SINCROVIA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "replication of a store's central and point-of-sale Firebird databases")
# Lines of the long description stay within 80 columns, as Debian's tools expect.
set(CPACK_PACKAGE_DESCRIPTION
    "Keeps one central Firebird database and one database per point of sale in
step: master data flows from the central database to every point of sale,
sales and fiscal data flow back. Triggers queue every change; the agent copies
each queued row by its key and deletes the queue row once the copy is
committed.

The package holds the tray agent (sincrovia) where it was built, the
command-line tool (sincrovia-cli) and a systemd unit (sincrovia.service) that
runs the sales cycle on a server without a desktop, reading
/etc/sincrovia/VeltrixIntegracao.ini and logging under
/var/log/sincrovia/LogIntg.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION database)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from what the executables actually link (dpkg-shlibdeps). Listed by hand only
# what no linker sees: the tools of the maintainer scripts, and Qt's platform plugins, which the
# agent loads at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(dependencias adduser libcap2-bin)
if(TARGET sincrovia)
  list(APPEND dependencias qt6-qpa-plugins)
endif()
list(JOIN dependencias ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# A database path without a host opens the file in-process through the embedded engine (the demo
# store does); databases served by a Firebird server need only the client library.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS firebird3.0-server-core)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS firebird3.0-server)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_BINARY_DIR}/packaging/debian/postinst
    ${CMAKE_BINARY_DIR}/packaging/debian/prerm
    ${CMAKE_BINARY_DIR}/packaging/debian/postrm
    ${CMAKE_BINARY_DIR}/packaging/debian/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Every file the package puts under /etc (the autostart entry) is a conffile: an administrator's
# change survives upgrades. The list is made from the staged files, after the install step.
set(SINCROVIA_CONFFILES ${CMAKE_BINARY_DIR}/packaging/debian/conffiles)
configure_file(${SINCROVIA_PACKAGING_DIR}/conffiles.cmake.in
               ${CMAKE_BINARY_DIR}/packaging/conffiles.cmake @ONLY)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_BINARY_DIR}/packaging/conffiles.cmake)
include(CPack)

# Install layout and the Debian package of the calculator. One application id names the desktop
# entry, the AppStream component and the icon, so that software centres can tie them together.
include(GNUInstallDirs)

set(NUSSELT_APP_ID io.github.nusseltcalc.NusseltCalculator)

install(TARGETS nusselt-calculator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The plot module, where the calculator looks for it (NUSSELT_PLOT_MODULE_DIR in plot/).
install(TARGETS nusselt_plot LIBRARY DESTINATION ${NUSSELT_PLOT_INSTALL_DIR})
# The command line program, its manual page (built from cli/nusselt.1.scd) and bash completion.
install(TARGETS nusselt RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_BINARY_DIR}/cli/nusselt.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/cli/nusselt.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME nusselt)
install(FILES ${PROJECT_SOURCE_DIR}/data/${NUSSELT_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${NUSSELT_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/${NUSSELT_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The calculator's manual page, from its scdoc source, and the package's changelog, compressed
# as Debian wants them (no timestamp in the gzip header, so the package is reproducible).
find_program(SCDOC scdoc REQUIRED)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/nusselt-calculator.1.gz
    COMMAND ${SCDOC} < ${PROJECT_SOURCE_DIR}/data/nusselt-calculator.1.scd > ${PROJECT_BINARY_DIR}/nusselt-calculator.1
    COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/nusselt-calculator.1
    DEPENDS ${PROJECT_SOURCE_DIR}/data/nusselt-calculator.1.scd
    VERBATIM)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
    COMMAND gzip -9n < ${PROJECT_SOURCE_DIR}/data/changelog > ${PROJECT_BINARY_DIR}/changelog.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/data/changelog
    VERBATIM)
add_custom_target(nusselt_package_docs ALL
    DEPENDS ${PROJECT_BINARY_DIR}/nusselt-calculator.1.gz ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/nusselt-calculator.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/nusselt-calculator)

# Debian wants the licence of every package, machine-readable (DEP-5), at this fixed path; the
# source lives in data/ beside the other installed files, since this tree has no debian/ source
# package for dpkg-buildpackage and a debian/ folder would suggest one.
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/nusselt-calculator)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nusselt-calculator)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "Nusselt # Calculator developers <nusseltcalc@users.noreply.github.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://nusseltcalc.github.io/)
# CPack puts the summary on the Description line and indents this below it as the long text.
# Lines under 80 characters, as Debian's policy asks.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A desktop calculator for heat transfer by forced convection: flat
plate at uniform temperature, at uniform heat flux and with an unheated
starting length, cylinder in cross flow, sphere and drops. It shows local
and average Nusselt numbers and checks that the inputs lie where each
correlation holds. The Flow Conditions window and the nusselt command
line start from the physical problem: fluid, velocity, size, temperatures.")
# Depends from the libraries the binary really links (dpkg-shlibdeps), not a hand-kept list.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its Wayland platform plugin only if installed; without it a Wayland session runs the
# program through Xwayland, which works but scales and decorates it less well.
# The completion script works without bash-completion, which adds file-name niceties.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, bash-completion")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

# `package_source` packs the tree as in git, without build trees or editor leftovers.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build/" "/out/" "~$")

include(CPack)

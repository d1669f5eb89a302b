# Install rules and the Debian package:
#   cmake --install build [--prefix DIR]     the programs, the sample history, the menu entry, the icon,
#                                           the AppStream metainfo, the manual pages
#   cd build && cpack -G DEB                 drawlyze_VERSION-1_ARCH.deb
# The manual pages are written by help2man from the programs' own --help, and the PNG icons are drawn
# from the SVG by rsvg-convert, both at build time, so neither has a second hand-kept copy.
include(GNUInstallDirs)

set(DRAWLYZE_DESKTOP_ID io.github.drawlyze.Drawlyze)
set(DRAWLYZE_RELEASE_DATE 2026-12-08)
set(DRAWLYZE_HOMEPAGE "https://drawlyze.github.io/" CACHE STRING "The project's home page")
set(DRAWLYZE_REPOSITORY_URL "https://github.com/drawlyze/drawlyze" CACHE STRING "The project's source repository")
set(DRAWLYZE_SCREENSHOT_URL "https://raw.githubusercontent.com/drawlyze/drawlyze/main/docs/screenshot.png"
    CACHE STRING "docs/screenshot.png as the repository serves it, for software centres")
set(DRAWLYZE_MAINTAINER "The Drawlyze Pick 3 developers <drawlyze@users.noreply.github.com>"
    CACHE STRING "The Debian package's maintainer")
# DRAWLYZE_LICENSE and DRAWLYZE_LICENSE_TEXT are set in the top CMakeLists.txt: the About box names them too.

set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(generated ${CMAKE_BINARY_DIR}/packaging)
set(pkgdatadir ${CMAKE_INSTALL_DATADIR}/drawlyze)
set(pkgdocdir ${CMAKE_INSTALL_DATADIR}/doc/drawlyze)  # Debian's place, whatever the project is called
set(generated_files)

install(TARGETS drawlyze drawlyze-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/3x10.txt ${CMAKE_SOURCE_DIR}/data/prizes.csv DESTINATION ${pkgdatadir})
install(FILES ${packaging}/${DRAWLYZE_DESKTOP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${packaging}/${DRAWLYZE_DESKTOP_ID}.metainfo.xml.in ${generated}/${DRAWLYZE_DESKTOP_ID}.metainfo.xml
               @ONLY)
install(FILES ${generated}/${DRAWLYZE_DESKTOP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: the SVG for every size, PNGs for the desktops that want them.
set(icon_svg ${packaging}/icons/drawlyze.svg)
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${DRAWLYZE_DESKTOP_ID}.svg)
find_program(DRAWLYZE_RSVG_CONVERT rsvg-convert)
if(DRAWLYZE_RSVG_CONVERT)
  foreach(size 48 128)
    set(png ${generated}/icons/${size}x${size}/${DRAWLYZE_DESKTOP_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}x${size}
      COMMAND ${DRAWLYZE_RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${icon_svg}
      DEPENDS ${icon_svg} VERBATIM)
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    list(APPEND generated_files ${png})
  endforeach()
else()
  message(WARNING "rsvg-convert not found (Debian: librsvg2-bin): only the SVG icon will be installed")
endif()

# Manual pages from --help and --version; both programs answer them without a display.
find_program(DRAWLYZE_HELP2MAN help2man)
find_program(DRAWLYZE_GZIP gzip)
if(DRAWLYZE_HELP2MAN AND DRAWLYZE_GZIP)
  set(man_name_drawlyze "desktop analyser for pick-3 lottery draws")
  set(man_name_drawlyze-cli "print the views, reports and tables of Drawlyze Pick 3")
  foreach(program drawlyze drawlyze-cli)
    set(page ${generated}/man/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/man
      COMMAND ${DRAWLYZE_HELP2MAN} --no-info --section=1 "--name=${man_name_${program}}"
              --include=${packaging}/man/see-also-${program}.h2m --output=${page} $<TARGET_FILE:${program}>
      COMMAND ${DRAWLYZE_GZIP} -9nf ${page}
      DEPENDS ${program} ${packaging}/man/see-also-${program}.h2m VERBATIM)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    list(APPEND generated_files ${page}.gz)
  endforeach()
else()
  message(WARNING "help2man or gzip not found: the manual pages will not be built or installed")
endif()

# The package's copyright file and changelog, where Debian keeps them.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(DRAWLYZE_DEB_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
configure_file(${packaging}/debian/copyright.in ${generated}/copyright @ONLY)
configure_file(${packaging}/debian/changelog.in ${generated}/changelog.Debian @ONLY)
if(DRAWLYZE_GZIP)
  add_custom_command(OUTPUT ${generated}/changelog.Debian.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${generated}/changelog.Debian ${generated}/changelog.Debian.tmp
    COMMAND ${DRAWLYZE_GZIP} -9nf ${generated}/changelog.Debian.tmp
    COMMAND ${CMAKE_COMMAND} -E rename ${generated}/changelog.Debian.tmp.gz ${generated}/changelog.Debian.gz
    DEPENDS ${generated}/changelog.Debian VERBATIM)
  install(FILES ${generated}/changelog.Debian.gz DESTINATION ${pkgdocdir})
  list(APPEND generated_files ${generated}/changelog.Debian.gz)
endif()
install(FILES ${generated}/copyright DESTINATION ${pkgdocdir})
add_custom_target(drawlyze_install_files ALL DEPENDS ${generated_files})

# cpack -G DEB
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME drawlyze)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Drawlyze Pick 3 developers")
set(CPACK_PACKAGE_CONTACT ${DRAWLYZE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analyser of pick-3 lottery draw histories")
# The synopsis line comes from the summary above; this is the long description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Drawlyze Pick 3 loads the history of a pick-3 lottery game (three digits
0..9 a draw) from a text file and shows thirteen chart views of it (skips,
frequencies, positions, ranges, odd-even and zones, free pairs, ...),
twelve reports of pairs, triples and sums, a table of every draw with
derived columns, a sieve of digit patterns, and an updater that downloads
new results, from a results archive or a lottery's CSV export. It imports
CSV exports, backtests how the digit rankings would have predicted the
next draw, tests the draws for randomness, and saves charts as PNG or SVG
and reports and tables as text or CSV. Its Plays window checks the
player's own plays (straight, box, straight/box, combo, pairs) against
every draw, prices them by an editable prize table and sets cost and
winnings beside their exact expectation. drawlyze-cli prints every view,
report and table as text, and checks a plays file.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${DRAWLYZE_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows and the chart are laid out for DejaVu Sans Condensed.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-extra)
# The Updater's https downloads check the server against the system's certificates.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS ca-certificates)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)

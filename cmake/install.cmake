# Installing as a desktop program (cmake --install) and the Debian package (cpack).
include(GNUInstallDirs)

# Folders made by an install are 0755 whatever the umask, as packages want them.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(LT_APP_ID example.tallyhouse.Lifetally)
set(LT_RES ${PROJECT_SOURCE_DIR}/resources)

install(TARGETS lifetally RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Where the program looks for it (src/ui/CMakeLists.txt gives it the same place).
install(TARGETS lifetally_outputs LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/lifetally)
install(FILES ${LT_RES}/${LT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LT_RES}/${LT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${LT_RES}/icons/${LT_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${LT_RES}/icons/lifetally-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${LT_APP_ID}.png)
endforeach()

# The manual page and the changelog are installed compressed, without time stamps, so
# that a rebuild gives the same bytes.
set(LT_GZ_DIR ${PROJECT_BINARY_DIR}/gz)
add_custom_command(
  OUTPUT ${LT_GZ_DIR}/lifetally.1.gz ${LT_GZ_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${LT_GZ_DIR}
  COMMAND sh -c "gzip -9nc '${LT_RES}/lifetally.1' > '${LT_GZ_DIR}/lifetally.1.gz'"
  COMMAND sh -c "gzip -9nc '${LT_RES}/debian/changelog' > '${LT_GZ_DIR}/changelog.gz'"
  DEPENDS ${LT_RES}/lifetally.1 ${LT_RES}/debian/changelog
  VERBATIM)
add_custom_target(lifetally_docs ALL DEPENDS ${LT_GZ_DIR}/lifetally.1.gz ${LT_GZ_DIR}/changelog.gz)
install(FILES ${LT_GZ_DIR}/lifetally.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${LT_RES}/debian/copyright ${LT_GZ_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# ---- the Debian package ------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lifetally)
set(CPACK_PACKAGE_VENDOR "Tallyhouse Software")
set(CPACK_PACKAGE_CONTACT "Tallyhouse Software <lifetally@tallyhouse.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tallyhouse.example)
# The libraries come from dpkg-shlibdeps; the platform plugins are loaded at run time,
# so no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Metric-compatible stand-ins for the fonts the windows are drawn for, and Qt's own
# translations, so that its buttons and dialogs speak the language of ours (which are
# compiled into the program).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "tally how much of your life goes into each activity
Lifetally shows how much of your life so far has gone into each of your
activities, in hours, in money and in number of times. A six-page wizard takes
your name, your date of birth and an estimate of your lifetime income, then
tables of activities; it totals every row over its dates, shows its share of
the hours you have lived or of your lifetime income, prints a report and draws
each table as a pie or bar chart.")
include(CPack)

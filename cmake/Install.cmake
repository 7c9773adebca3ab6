# Installation of the programs and the Debian package. Included at the end of the root
# CMakeLists.txt, when every program target is known. The data is installed by data/.
include(GNUInstallDirs)

# The programs sit in <prefix>/lib/zavtype beside the data they read (they find it from their
# own folder); <prefix>/bin holds relative links to them. A link resolves to the real program,
# so its folder is still the one with the data.
set(zav_links "${CMAKE_BINARY_DIR}/install-links")
file(MAKE_DIRECTORY "${zav_links}")
foreach(program ZAVType ZAVTHelp zavtool)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION "${ZAV_INSTALL_DIR}")
        file(CREATE_LINK "../${ZAV_INSTALL_DIR}/${program}" "${zav_links}/${program}" SYMBOLIC)
        install(FILES "${zav_links}/${program}" DESTINATION "${CMAKE_INSTALL_BINDIR}")
    endif()
endforeach()

# cpack -G DEB in the build folder makes zavtype_<version>_<arch>.deb.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "zavtype")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Tallowmere Software")
set(CPACK_PACKAGE_CONTACT "${ZAV_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Touch-typing tutor in Spanish")
# Lines of at most 80 columns, as the package's control file shows them.
set(CPACK_PACKAGE_DESCRIPTION "ZAVType teaches touch-typing with Spanish courses, a finger guide,
statistics, drills of the letters you miss and an HTML report. ZAVTHelp shows
the help page of the exercise on screen; zavtool checks courses and progress
files from the shell.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZAV_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
# Installs with the prefix /usr under a staging root, so that the settings land in /etc.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX "/usr")
# The settings are a conffile: dpkg keeps an administrator's changes across upgrades.
file(WRITE "${CMAKE_BINARY_DIR}/debian/conffiles" "/etc/zavtype/config.txt\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${CMAKE_BINARY_DIR}/debian/conffiles")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
# dpkg-shlibdeps names the Qt libraries, which also carry the window-system and sound plugins;
# the font is only looked up at run time, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Sounds play through libcanberra and its PulseAudio backend, both opened at run time with the
# first sound, the journal through SQLite, opened with the journal, and Qt's own dialogs speak
# Spanish from the translations package: none of them is a linked library.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, libcanberra0, libcanberra-pulse, \
libsqlite3-0, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
include(CPack)

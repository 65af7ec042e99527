# Installation in the freedesktop places, and a Debian package with CPack.
include(GNUInstallDirs)
install(TARGETS QbxRead qbxtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/quirebox-manual.html DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quirebox)
install(FILES ${PROJECT_SOURCE_DIR}/data/quirebox.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/quirebox-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME quirebox.xml)
install(FILES ${PROJECT_SOURCE_DIR}/data/quirebox.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/quirebox.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
        RENAME application-x-quirebox.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quirebox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quirebox <author@quirebox.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reader for Quirebox (.qbx) documents")
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # the Qt, zlib and libdeflate libraries it links
# A platform plugin to start at all, a CJK font for the Chinese text, SVG for the icons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "shared-mime-info, desktop-file-utils, qt6-qpa-plugins, fonts-noto-cjk | fonts-wqy-microhei, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "adwaita-icon-theme")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)

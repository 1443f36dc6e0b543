# The Debian package, made by CPack from what the install rules put in place
# (tools/package.sh builds it from a Release build).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scribel)
set(CPACK_PACKAGE_VENDOR "La Scribel")
set(CPACK_PACKAGE_CONTACT "La Scribel <scribel@scribel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "fill in the software submission sheet of two magazines")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.scribel.example/")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries come from dpkg-shlibdeps; the rest is what the program reaches at run time:
# the sheet's Arial metrics, Qt's own texts in French, the desktop's open action.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n, xdg-utils")
# Qt's Wayland platform: without it, on a Wayland desktop, the window goes through
# XWayland and, at a scale of 1.5 or 2, is drawn at 1 and enlarged, blurred.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# CPack writes the summary as the first line itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "La Scribel fills in the submission sheet, the Scribel, that the magazines
Pixelor and Zorvane ask for with every program an author sends them: the
author, the programme, its distribution, its licence terms and its operating
system. The sheet is saved to a .pxr or .zrv file, loaded again later (files
of the earlier version too) and printed on one page to sign and mail.
.
The program speaks French throughout.")

include(CPack)

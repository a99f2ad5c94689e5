# `cpack` (or the `package` target) builds folioscope_<version>_<arch>.deb
# from the install rules of cmake/Install.cmake.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME folioscope)
set(CPACK_PACKAGE_VENDOR "The Folioscope developers")
# Whoever builds the package for a distribution puts their own address here.
set(FOLIO_PACKAGE_MAINTAINER "Folioscope Maintainers <folioscope@users.noreply.github.com>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${FOLIO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make web pages and derived images from folders of JPEG photos")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build keeps its debug information for developers; the package need not.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/folioscope/folioscope")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# CPack puts the summary first and indents these lines; the empty line
# becomes the paragraph mark " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Folioscope turns folders of JPEG photos into thumbnail web pages with
captions from the photos' Exif data, a slideshow page, composite contact
sheets sized for paper and print formats, or batch-resized copies. Photos
are ordered and grouped by file name or Exif data.

The package holds the desktop program folioscope, whose window takes
folders dropped on it, and folioscope-cli, which runs the same jobs from
scripts and terminals.")

# The libraries the programs link come from dpkg-shlibdeps. It cannot see
# what is loaded at run time: the title font that the pages and sheets are
# drawn with. The Qt platform plugins (offscreen for folioscope-cli, xcb for
# the window) come with libqt6gui6, which shlibdeps names already.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# Native Wayland windows; without it Qt runs the window through XWayland.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")

include(CPack)

# Installs a file only where none is yet: an installed Records.mdb may hold an office's accounts and
# register, and an installed rptCheque.rpt may carry the office's own report layout.
#   cmake -DSOURCE=... -DDESTINATION=... -P InstallIfMissing.cmake   (DESTINATION honours DESTDIR)
set(target "$ENV{DESTDIR}${DESTINATION}")
get_filename_component(name "${SOURCE}" NAME)
if(EXISTS "${target}/${name}")
    message(STATUS "Keeping: ${target}/${name}")
else()
    # file(INSTALL) puts DESTDIR before an absolute DESTINATION by itself.
    file(INSTALL "${SOURCE}" DESTINATION "${DESTINATION}")
endif()

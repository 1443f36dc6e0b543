# Installing La Scribel as a desktop application. The program keeps the association's
# documents beside it (they are opened by bare name from the program's folder), so it
# lives in a folder of its own; what does not depend on the machine stays under share/:
#
#   bin/scribel                      -> link to the program
#   <libdir>/scribel/scribel           the program
#   <libdir>/scribel/modules/scribel-printer.so  its printer, loaded after start-up
#   <libdir>/scribel/<document>      -> links to share/scribel/<document>
#   share/scribel/                     the association's documents
#   share/applications, metainfo, mime/packages, icons/hicolor, man/man1, doc/scribel
#
# Every file, link included, goes through install(FILES|TARGETS), so that CMake's install
# manifest lists all of them.

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(SCRIBEL_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/scribel)
set(SCRIBEL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/scribel)
set(SCRIBEL_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
set(SCRIBEL_STAGING ${PROJECT_BINARY_DIR}/install-staging)

# A relative symbolic link made in the build tree, installed as a link.
function(scribel_install_link name destination target)
    file(RELATIVE_PATH relative /${destination} /${target})
    set(link ${SCRIBEL_STAGING}/links/${destination}/${name})
    get_filename_component(folder ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK ${relative} ${link} SYMBOLIC)
    install(FILES ${link} DESTINATION ${destination})
endfunction()

# The file compressed as Debian and man want it: no name, no time stamp.
function(scribel_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${source} ${output}
        DEPENDS ${source} VERBATIM)
endfunction()

install(TARGETS scribel RUNTIME DESTINATION ${SCRIBEL_PROGRAM_DIR})
install(TARGETS scribel_printer_module LIBRARY DESTINATION ${SCRIBEL_PROGRAM_DIR}/modules)
scribel_install_link(scribel ${CMAKE_INSTALL_BINDIR} ${SCRIBEL_PROGRAM_DIR}/scribel)

install(FILES ${SCRIBEL_DOCUMENTS} DESTINATION ${SCRIBEL_DATA_DIR})
foreach(document IN LISTS SCRIBEL_DOCUMENTS)
    get_filename_component(name ${document} NAME)
    scribel_install_link(${name} ${SCRIBEL_PROGRAM_DIR} ${SCRIBEL_DATA_DIR}/${name})
endforeach()

install(FILES ${SCRIBEL_RESOURCES}/scribel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SCRIBEL_RESOURCES}/example.scribel.Scribel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${SCRIBEL_RESOURCES}/scribel-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME scribel.xml)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${SCRIBEL_RESOURCES}/icons/hicolor/${size}x${size}/apps/scribel.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${SCRIBEL_RESOURCES}/icons/scribel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

configure_file(${SCRIBEL_RESOURCES}/debian/changelog.in ${SCRIBEL_STAGING}/changelog @ONLY)
scribel_gzip(${SCRIBEL_RESOURCES}/scribel.1 ${SCRIBEL_STAGING}/scribel.1.gz)
scribel_gzip(${SCRIBEL_STAGING}/changelog ${SCRIBEL_STAGING}/changelog.gz)
add_custom_target(scribel_compressed_pages ALL
    DEPENDS ${SCRIBEL_STAGING}/scribel.1.gz ${SCRIBEL_STAGING}/changelog.gz)
install(FILES ${SCRIBEL_STAGING}/scribel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${SCRIBEL_RESOURCES}/debian/copyright ${SCRIBEL_STAGING}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

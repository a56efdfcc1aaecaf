# Install rules and the Debian package (scripts/package). Included last, so
# every target named here exists whichever folder defines it.

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/scoutel)

install(TARGETS scoutel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The project's catalogues and flags; the framework's catalogues as links to
# Debian's own copies, which the package depends on.
get_target_property(own_language_files scoutel_languages SCOUTEL_OWN_FILES)
get_target_property(qt_catalogues scoutel_languages SCOUTEL_QT_CATALOGUES)
install(FILES ${own_language_files} DESTINATION ${SCOUTEL_INSTALL_LANGUAGESDIR})
set(qt_links ${CMAKE_CURRENT_BINARY_DIR}/qt-catalogue-links)
file(REMOVE_RECURSE ${qt_links})
file(MAKE_DIRECTORY ${qt_links})
foreach(catalogue IN LISTS qt_catalogues)
    get_filename_component(name ${catalogue} NAME)
    set(link_target ${catalogue})
    if(CMAKE_INSTALL_PREFIX STREQUAL QT6_INSTALL_PREFIX) # as in the package: relative
        file(RELATIVE_PATH link_target
             ${CMAKE_INSTALL_PREFIX}/${SCOUTEL_INSTALL_LANGUAGESDIR} ${catalogue})
    endif()
    file(CREATE_LINK ${link_target} ${qt_links}/${name} SYMBOLIC)
    install(FILES ${qt_links}/${name} DESTINATION ${SCOUTEL_INSTALL_LANGUAGESDIR})
endforeach()

install(FILES ${packaging}/${SCOUTEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# AppStream metadata, its releases from the changelog.
set(metainfo ${CMAKE_CURRENT_BINARY_DIR}/${SCOUTEL_APP_ID}.metainfo.xml)
add_custom_command(OUTPUT ${metainfo}
    COMMAND ${CMAKE_COMMAND} -DMETAINFO=${packaging}/${SCOUTEL_APP_ID}.metainfo.xml
            -DCHANGELOG=${packaging}/changelog -DOUTPUT=${metainfo}
            -P ${packaging}/metainfo-releases.cmake
    DEPENDS ${packaging}/${SCOUTEL_APP_ID}.metainfo.xml ${packaging}/changelog
            ${packaging}/metainfo-releases.cmake
    VERBATIM)
add_custom_target(scoutel_metainfo ALL DEPENDS ${metainfo})
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(side 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/scoutel-${side}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${side}x${side}/apps
            RENAME scoutel.png)
endforeach()
install(FILES ${packaging}/scoutel.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME scoutel)
install(FILES ${packaging}/copyright DESTINATION ${docdir})
# A small site plan to start from (README, Site plans).
install(FILES ${packaging}/example-plan.csv DESTINATION ${docdir})
# The SCTL dissector, where Debian's Wireshark loads Lua plugins for every user.
install(FILES ${SCOUTEL_DISSECTOR}
        DESTINATION lib/${CMAKE_LIBRARY_ARCHITECTURE}/wireshark/plugins)

# Debian wants the manual page and the changelog compressed, without a time stamp.
find_program(GZIP gzip REQUIRED)
set(compressed)
foreach(source scoutel.1 changelog)
    set(target ${CMAKE_CURRENT_BINARY_DIR}/${source}.gz)
    add_custom_command(OUTPUT ${target}
        COMMAND ${GZIP} -9nc ${packaging}/${source} > ${target}
        DEPENDS ${packaging}/${source})
    list(APPEND compressed ${target})
endforeach()
add_custom_target(scoutel_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/scoutel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scoutel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Vantrel)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vantrel Scoutel team <scoutel@vantrel.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.vantrel.com/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find and configure networked safes on the local network")
set(CPACK_PACKAGE_DESCRIPTION
    "Scoutel searches the local network for networked safes over SCTL, a UDP\n"
    "multicast protocol, shows what each one reports, and changes the name,\n"
    "addressing, TCP ports, session length, password or public key of one safe\n"
    "or of many at once, authenticated by the safe's current password.\n"
    "Configurations are saved to and loaded from XML files, plain or encrypted.\n"
    "It has a desktop window and a command-line mode.")
string(CONCAT CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
# Library packages come from dpkg-shlibdeps; the framework's catalogues are linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(qt_catalogues)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
endif()
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wireshark | tshark")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

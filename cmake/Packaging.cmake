# What is installed, and the packages cpack makes of it.
#
#   windows build:  cpack           the portable zip
#                   cpack -G NSIS   the installer (template: cmake/NSIS.template.in)
#   release build:  cpack -G DEB    the Debian package of morlando-split, nothing else of the build
#
# The release build is the native sources optimised (-O2, NDEBUG), configured by the release
# preset in a folder of its own: users get the fast program, and the tests keep their Debug
# build. Its build preset makes only morlando-split and the packaging documents, and the preset
# keeps installing (which cpack does) from building everything else of the native build.

# The version text of res/version.h ("1.0") names the packages; the installer's file version
# needs all three numbers.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VERSION_PATCH ${version_PATCH})
set(CPACK_PACKAGE_VENDOR "The MORLANDO developers")
# Debian asks for a maintainer with a mail address; the project has none of its own yet.
set(MORLANDO_PACKAGE_CONTACT "The MORLANDO developers <morlando@example.org>" CACHE STRING
    "the maintainer named by the packages and the Debian changelog")
set(CPACK_PACKAGE_CONTACT "${MORLANDO_PACKAGE_CONTACT}")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# The project's own NSIS template, found before CPack's.
set(CPACK_MODULE_PATH ${CMAKE_SOURCE_DIR}/cmake)

if(MORLANDO_TARGET STREQUAL "windows")
    install(TARGETS morlando morlando-split RUNTIME DESTINATION .)
    install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION .)
    install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
    # The README's guides and pictures beside it, so that its links lead somewhere once installed.
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/ DESTINATION docs FILES_MATCHING PATTERN "*.md" PATTERN "*.png")

    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "morlando-${PROJECT_VERSION}-win64")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    # The folder, the Apps entry and the registry key are all called MORLANDO, whatever the version.
    set(CPACK_PACKAGE_INSTALL_DIRECTORY "MORLANDO")
    set(CPACK_NSIS_PACKAGE_NAME "MORLANDO")
    set(CPACK_NSIS_DISPLAY_NAME "MORLANDO")
    set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/res/morlando.ico)
    set(CPACK_NSIS_MUI_UNIICON ${CMAKE_SOURCE_DIR}/res/morlando.ico)
    set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
elseif(MORLANDO_TARGET STREQUAL "native")
    # The native sources hold tests and benchmarks too: the package takes only this component.
    set(component split)
    set(doc_dir share/doc/morlando-split)
    set(packaging_dir ${CMAKE_BINARY_DIR}/packaging)

    configure_file(${CMAKE_SOURCE_DIR}/packaging/morlando-split.1.in ${packaging_dir}/morlando-split.1 @ONLY)
    configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${packaging_dir}/changelog @ONLY)
    # Debian wants the manual page and the changelog compressed, without a time stamp.
    foreach(document morlando-split.1 changelog)
        add_custom_command(OUTPUT ${packaging_dir}/${document}.gz
                           COMMAND gzip -9nc ${packaging_dir}/${document} > ${packaging_dir}/${document}.gz
                           DEPENDS ${packaging_dir}/${document} VERBATIM)
    endforeach()
    add_custom_target(packaging-documents ALL DEPENDS ${packaging_dir}/morlando-split.1.gz ${packaging_dir}/changelog.gz)

    install(TARGETS morlando-split RUNTIME DESTINATION bin COMPONENT ${component})
    install(FILES ${packaging_dir}/morlando-split.1.gz DESTINATION share/man/man1 COMPONENT ${component})
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/morlando-split.bash RENAME morlando-split
            DESTINATION share/bash-completion/completions COMPONENT ${component})
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${packaging_dir}/changelog.gz
            DESTINATION ${doc_dir} COMPONENT ${component})

    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEB_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENTS_ALL ${component})
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_SPLIT_PACKAGE_NAME morlando-split)
    set(CPACK_DEBIAN_PACKAGE_SECTION sound)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_SPLIT_DESCRIPTION
        "cut a long WAV recording into shorter, complete WAV files
morlando-split cuts one 16-bit stereo 44.1 kHz WAV recording into shorter
WAV files: by time, by a number of equal pieces, or by the length of a
template WAV. Every piece is a whole WAV file whose samples are the exact
bytes of its slice of the recording.")
endif()

include(CPack)

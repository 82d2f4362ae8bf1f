# Installation and the Debian package. Included last, so that every program target
# (voltaro-cli too, when its directory is part of the build) already exists.
include(GNUInstallDirs)

set(VOLTARO_PROGRAMS voltaro voltaro-bmu-sim)
if(TARGET voltaro-cli)
    list(APPEND VOLTARO_PROGRAMS voltaro-cli)
endif()
install(TARGETS ${VOLTARO_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES res/voltaro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES res/voltaro.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/voltaro)

# The runtime dependencies of the package, the one list of them.
set(VOLTARO_DEB_DEPENDS
    "libqt5core5a (>= 5.15)" "libqt5gui5 (>= 5.15)" "libqt5widgets5 (>= 5.15)"
    "libqt5network5 (>= 5.15)" "libxlsxwriter4" "libminizip1" "zlib1g")
if(TARGET Qt5::Charts)
    list(APPEND VOLTARO_DEB_DEPENDS "libqt5charts5 (>= 5.15)")
endif()
if(VOLTARO_SANITIZE)
    # A sanitizer build is for tests only, but its package must still start.
    list(APPEND VOLTARO_DEB_DEPENDS "libasan8" "libubsan1")
endif()
list(JOIN VOLTARO_DEB_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

set(CPACK_PACKAGE_NAME voltaro)
set(CPACK_PACKAGE_VENDOR "Voltaro")
set(CPACK_PACKAGE_CONTACT "Voltaro maintainers <voltaro@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Service and commissioning tool for a modular home battery system")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei")
set(CPACK_GENERATOR DEB)
include(CPack)

# The package test sits here, after every program target is known.
if(CMAKE_SOURCE_DIR STREQUAL PROJECT_SOURCE_DIR)
    if(TARGET voltaro-cli)
        set(VOLTARO_WITH_CLI 1)
    else()
        set(VOLTARO_WITH_CLI 0)
    endif()
    add_test(NAME tst_package COMMAND ${PROJECT_SOURCE_DIR}/tests/package/check_package.sh
             ${PROJECT_BINARY_DIR} ${VOLTARO_WITH_CLI})
    set_tests_properties(tst_package PROPERTIES TIMEOUT 300
        ENVIRONMENT "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
endif()

# SPDX-License-Identifier: GPL-3.0-or-later
# Windows: the icon and version information of znakovit.exe, one self-contained .exe from a
# static Qt, its installer (NSIS) and a portable .zip, and the tests under Wine when the
# build is a cross build from Linux. Included by the top-level CMakeLists.txt.

# The icon of znakovit.exe in Explorer and on the task bar, and its version information.
enable_language(RC)
set(ZNAKOVIT_ICO "${CMAKE_CURRENT_SOURCE_DIR}/assets/znakovit.ico")
configure_file(packaging/znakovit.rc "${CMAKE_CURRENT_BINARY_DIR}/znakovit.rc" @ONLY)
target_sources(znakovit PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/znakovit.rc")

if(TARGET Qt6::Core)
    get_target_property(znakovit_qt_type Qt6::Core TYPE)
endif()
if(znakovit_qt_type STREQUAL "STATIC_LIBRARY")
    # A static Qt: link only the Windows platform and the style Qt picks on Windows, and
    # no image-format plugin (the pictures are PNG, which Qt reads without one).
    qt_import_plugins(znakovit
        INCLUDE_BY_TYPE platforms Qt6::QWindowsIntegrationPlugin
        INCLUDE_BY_TYPE styles Qt6::QWindowsVistaStylePlugin
        EXCLUDE_BY_TYPE imageformats)
    if(MINGW)
        # The C, C++ and thread runtimes inside each .exe that links the window (the test
        # programs' and benchmarks' too), so that it needs no DLL beside it.
        target_link_options(znakovit_core INTERFACE -static)
        target_link_options(znakovit PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
    endif()
endif()

# Installed into Program Files\Znakovit as znakovit.exe alone: no bin\ folder.
set(CMAKE_INSTALL_BINDIR .)

# The installer Znakovit-1.7-win64.exe (cpack -G NSIS): into Program Files, with a
# Start-menu shortcut and an entry with its uninstaller in Apps & features; and the portable
# Znakovit-1.7-win64.zip (cpack -G ZIP) that holds znakovit.exe alone.
set(CPACK_PACKAGE_FILE_NAME "Znakovit-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Znakovit)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Znakovit)
set(CPACK_PACKAGE_EXECUTABLES znakovit "Знаковит")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_NSIS_PACKAGE_NAME "Знаковит")
set(CPACK_NSIS_DISPLAY_NAME "Знаковит")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME znakovit.exe)
set(CPACK_NSIS_MUI_ICON "${ZNAKOVIT_ICO}")
set(CPACK_NSIS_MUI_UNIICON "${ZNAKOVIT_ICO}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# The installer's texts (names in Cyrillic) are UTF-8; the installer is a 64-bit Unicode program.
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-INPUTCHARSET UTF8")
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/cpack-options.cmake")

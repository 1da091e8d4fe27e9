# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack when it makes a package. The installer's uninstaller also removes the
# publisher's registry key that the installer made, once it is empty, so that nothing
# is left behind.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(key "Software\\${CPACK_PACKAGE_VENDOR}")
    set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
        "DeleteRegKey SHCTX \"${key}\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}\"
  DeleteRegKey /ifempty SHCTX \"${key}\"")
endif()

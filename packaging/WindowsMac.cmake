# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and installers on Windows and macOS, included from
# packaging/CMakeLists.txt. The program finds its data beside its own file,
# so jpg/, suoni/ and moduli/ go where the program goes:
#   Windows: <Program Files>\Vortelia\vortelia.exe, with Qt's DLLs beside it
#            (windeployqt), in an .msi made by CPack's WiX generator;
#   macOS:   Vortelia.app/Contents/MacOS/vortelia, with Qt's frameworks in the
#            bundle (macdeployqt), in a .dmg made by CPack's DragNDrop generator.

if(APPLE)
    set(VORTELIA_PORTABLE_APPDIR Vortelia.app/Contents/MacOS)
    set_target_properties(vortelia PROPERTIES
        MACOSX_BUNDLE ON
        OUTPUT_NAME vortelia
        MACOSX_BUNDLE_BUNDLE_NAME Vortelia
        MACOSX_BUNDLE_GUI_IDENTIFIER ${VORTELIA_ID}
        MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
        MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION})
    install(TARGETS vortelia BUNDLE DESTINATION . COMPONENT ${VORTELIA_COMPONENT})
else()
    set(VORTELIA_PORTABLE_APPDIR .)
    set_target_properties(vortelia PROPERTIES WIN32_EXECUTABLE ON)
    install(TARGETS vortelia RUNTIME DESTINATION . COMPONENT ${VORTELIA_COMPONENT})
endif()
install(TARGETS vortelia_suoni
        LIBRARY DESTINATION ${VORTELIA_PORTABLE_APPDIR}/moduli
        RUNTIME DESTINATION ${VORTELIA_PORTABLE_APPDIR}/moduli COMPONENT ${VORTELIA_COMPONENT})
install(DIRECTORY ${VORTELIA_APP_DIR}/jpg ${VORTELIA_APP_DIR}/suoni
        DESTINATION ${VORTELIA_PORTABLE_APPDIR} COMPONENT ${VORTELIA_COMPONENT})

# Qt's libraries and plugins (platform, image formats, multimedia) beside the
# program: windeployqt or macdeployqt, run by the script Qt generates.
qt_generate_deploy_app_script(TARGET vortelia OUTPUT_SCRIPT vortelia_deploy
                              NO_UNSUPPORTED_PLATFORM_ERROR)
install(SCRIPT ${vortelia_deploy} COMPONENT ${VORTELIA_COMPONENT})

set(CPACK_PACKAGE_NAME Vortelia)
set(CPACK_PACKAGE_VENDOR Vortelia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Esercizi di rotazioni e simmetrie per la scuola primaria")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Vortelia)
# WiX takes a licence only as .txt or .rtf.
configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_CURRENT_BINARY_DIR}/License.txt COPYONLY)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/License.txt)
if(WIN32)
    set(CPACK_GENERATOR WIX)
    # Fixed for ever: it lets a newer .msi replace an older one in place.
    set(CPACK_WIX_UPGRADE_GUID 6C1C7E2A-4B8E-4F4B-9E55-2B3F1D7A0C11)
    # For every user of the PC, so that `msiexec /i vortelia.msi /qn` run by
    # the school's technician (or pushed by a policy) serves every pupil.
    set(CPACK_WIX_INSTALL_SCOPE perMachine)
    set(CPACK_WIX_PROGRAM_MENU_FOLDER Vortelia)
    # Start menu: "Vortelia" in a folder of its own.
    set(CPACK_PACKAGE_EXECUTABLES vortelia Vortelia)
elseif(APPLE)
    set(CPACK_GENERATOR DragNDrop)
    set(CPACK_DMG_VOLUME_NAME Vortelia)
endif()
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};${VORTELIA_COMPONENT};/")
include(CPack)

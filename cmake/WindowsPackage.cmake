# The window program for Windows as users get it: the Qt DLLs and plugins and the MinGW runtime it
# loads, gathered once into runtime/ (where the suites run under Wine find them too), a folder that
# runs as it stands (deploy/ZelkorConfig, laid out as windeployqt lays one out), and the NSIS
# installer of that folder (zelkorconfig-VERSION-win64-setup.exe).

# --- runtime/: what the programs load besides themselves.
set(ZELKOR_WINDOWS_RUNTIME ${CMAKE_BINARY_DIR}/runtime)
get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
set(qt_dlls "")
foreach(module Core Gui Widgets PrintSupport Test)
    list(APPEND qt_dlls ${qt_prefix}/bin/Qt6${module}.dll)
endforeach()
file(COPY ${qt_dlls} ${ZELKOR_MINGW_RUNTIME_DLLS} DESTINATION ${ZELKOR_WINDOWS_RUNTIME})
file(COPY ${qt_prefix}/plugins/platforms/qwindows.dll ${qt_prefix}/plugins/platforms/qoffscreen.dll
     DESTINATION ${ZELKOR_WINDOWS_RUNTIME}/plugins/platforms)
file(COPY ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll
     DESTINATION ${ZELKOR_WINDOWS_RUNTIME}/plugins/styles)

# Programs started under Wine (the suites, the checks of the installer) find the DLLs and the
# plugins there, in a prefix of the build's own.
function(zelkor_windows_path path out)
    string(REPLACE "/" "\\" windows "${path}")
    set(${out} "Z:${windows}" PARENT_SCOPE)
endfunction()
zelkor_windows_path(${ZELKOR_WINDOWS_RUNTIME} runtime_path)
zelkor_windows_path(${ZELKOR_WINDOWS_RUNTIME}/plugins plugin_path)
# The offscreen screen of the suites: as large as a desktop's, since Wine's fonts are wider than
# those the Linux suites measure with and an 800-pixel screen would cut the windows short.
file(WRITE ${ZELKOR_WINDOWS_RUNTIME}/offscreen.json [[{
    "screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1920, "height": 1200,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]
}
]])
# Qt splits the platform's arguments at colons: the file is named without its drive (the programs
# run on Wine's drive Z:, which holds it).
set(screen_config ${ZELKOR_WINDOWS_RUNTIME}/offscreen.json)
set(CMAKE_CROSSCOMPILING_EMULATOR
    /usr/bin/env ZELKOR_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEPATH=${runtime_path}
    ZELKOR_WINE_QT_ENV=QT_PLUGIN_PATH=${plugin_path},QT_QPA_PLATFORM=offscreen:configfile=${screen_config}
    ${PROJECT_SOURCE_DIR}/cmake/wine-run)

# --- deploy/ZelkorConfig: the programs and what they load, without debugging information, and
# the licences (the program's, and Qt's LGPL, whose DLLs may be replaced by the user).
set(deploy_dir ${CMAKE_BINARY_DIR}/deploy/ZelkorConfig)
set(strip_into "")
foreach(file $<TARGET_FILE:zelkorconfig> $<TARGET_FILE:zelkorctl>
             ${ZELKOR_WINDOWS_RUNTIME}/Qt6Core.dll ${ZELKOR_WINDOWS_RUNTIME}/Qt6Gui.dll
             ${ZELKOR_WINDOWS_RUNTIME}/Qt6Widgets.dll ${ZELKOR_WINDOWS_RUNTIME}/Qt6PrintSupport.dll
             ${ZELKOR_MINGW_RUNTIME_DLLS})
    list(APPEND strip_into COMMAND ${CMAKE_STRIP} --strip-debug -o
         ${deploy_dir}/$<PATH:GET_FILENAME,${file}> ${file})
endforeach()
# The program's catalogues, and Qt's own in the same languages (scripts/build-windows makes them
# from Debian's source of Qt's translations), in translations/ beside the program, where it looks.
set(ZELKOR_QT_TRANSLATIONS "" CACHE PATH "Qt's own .qm files for the Windows folder")
set(copy_translations "")
foreach(qm ${ZELKOR_QM_FILES})
    get_filename_component(name ${qm} NAME)
    string(REGEX REPLACE "^zelkorconfig_(.*)\\.qm$" "\\1" language ${name})
    list(APPEND copy_translations COMMAND ${CMAKE_COMMAND} -E copy ${qm}
         ${deploy_dir}/translations/${name})
    if(ZELKOR_QT_TRANSLATIONS)
        list(APPEND copy_translations COMMAND ${CMAKE_COMMAND} -E copy
             ${ZELKOR_QT_TRANSLATIONS}/qtbase_${language}.qm ${deploy_dir}/translations)
        # The suites look for catalogues beside the program's own in the build folder, where this
        # Qt, built without its translations, has none of its own.
        file(COPY ${ZELKOR_QT_TRANSLATIONS}/qtbase_${language}.qm
             DESTINATION ${CMAKE_BINARY_DIR}/app/translations)
    endif()
endforeach()
add_custom_target(windows_deploy
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${deploy_dir}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${deploy_dir}/platforms ${deploy_dir}/styles
               ${deploy_dir}/licenses ${deploy_dir}/translations
    ${strip_into}
    ${copy_translations}
    COMMAND ${CMAKE_STRIP} --strip-debug -o ${deploy_dir}/platforms/qwindows.dll
            ${ZELKOR_WINDOWS_RUNTIME}/plugins/platforms/qwindows.dll
    COMMAND ${CMAKE_STRIP} --strip-debug -o ${deploy_dir}/styles/qwindowsvistastyle.dll
            ${ZELKOR_WINDOWS_RUNTIME}/plugins/styles/qwindowsvistastyle.dll
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE
            ${deploy_dir}/licenses/ZelkorConfig.txt
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${qt_prefix}/LICENSES ${deploy_dir}/licenses/Qt
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/README.md ${deploy_dir}/README.md
    # The installer's lists of what it installs and removes, from what the folder holds.
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${deploy_dir} -DOUTPUT=${CMAKE_BINARY_DIR}/deploy
            -P ${PROJECT_SOURCE_DIR}/cmake/WindowsFileLists.cmake
    DEPENDS zelkorconfig zelkorctl zelkor_translations
    COMMENT "Laying out the folder of the Windows programs"
    VERBATIM)

# --- The installer, by Debian's NSIS: a 64-bit installer for a 64-bit program.
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE ZELKOR_COPYRIGHT_LINE REGEX "^Copyright " LIMIT_COUNT 1)
find_program(ZELKOR_MAKENSIS makensis)
set(installer ${CMAKE_BINARY_DIR}/zelkorconfig-${PROJECT_VERSION}-win64-setup.exe)
configure_file(${PROJECT_SOURCE_DIR}/data/windows/zelkorconfig.nsi.in
               ${CMAKE_BINARY_DIR}/deploy/zelkorconfig.nsi @ONLY)
if(ZELKOR_MAKENSIS)
    add_custom_target(windows_installer
        COMMAND ${ZELKOR_MAKENSIS} -V2 ${CMAKE_BINARY_DIR}/deploy/zelkorconfig.nsi
        DEPENDS windows_deploy
        BYPRODUCTS ${installer}
        COMMENT "Making ${installer}"
        VERBATIM)
else()
    add_custom_target(windows_installer
        COMMAND ${CMAKE_COMMAND} -E echo
                "makensis makes the installer: install the Debian package nsis"
        COMMAND false)
endif()

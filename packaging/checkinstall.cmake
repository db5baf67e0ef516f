# SPDX-FileCopyrightText: 2026 The drvq developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree into a scratch prefix and checks the layout that the launcher,
# the menu entry and the package rely on.
#   cmake -DBUILD_DIR=... -DSTAGE=... -DAPP_ID=... -P checkinstall.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}/usr
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(prefix ${STAGE}/usr)
set(expected
    lib/drvq/drvq
    lib/drvq/Dat/drvq.mdb
    lib/drvq/Dat/Morvel.mdw
    bin/drvq
    bin/drvq-bank
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/doc/drvq/copyright
    share/doc/drvq/guide.md
    share/lintian/overrides/drvq)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
# Every picture the guide shows is installed beside it.
file(READ ${CMAKE_CURRENT_LIST_DIR}/../docs/guide.md guide)
string(REGEX MATCHALL "\\(screenshots/[^)]*\\.png\\)" pictures "${guide}")
if(NOT pictures)
    message(FATAL_ERROR "the guide links no screenshots")
endif()
foreach(picture IN LISTS pictures)
    string(REGEX REPLACE "^\\((.*)\\)$" "\\1" picture "${picture}")
    list(APPEND expected share/doc/drvq/${picture})
endforeach()
foreach(path IN LISTS expected)
    if(NOT EXISTS ${prefix}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
foreach(doc man/man1/drvq.1 man/man1/drvq-bank.1 doc/drvq/changelog.Debian)
    file(GLOB found ${prefix}/share/${doc}*)
    if(NOT found)
        message(FATAL_ERROR "not installed: ${doc}")
    endif()
endforeach()

# Nothing of the build or the tests comes along.
file(GLOB_RECURSE installed RELATIVE ${prefix} ${prefix}/*)
foreach(path IN LISTS installed)
    if(path MATCHES "tst_|bench|fuzz|soak|drvq-icon|drvq-signs")
        message(FATAL_ERROR "installed by mistake: ${path}")
    endif()
endforeach()

# The launcher and the tool on the PATH must run from the installed tree: the tool with an
# unknown command exits with its usage error, and the launcher must reach the program.
execute_process(COMMAND ${prefix}/bin/drvq-bank RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 2)
    message(FATAL_ERROR "bin/drvq-bank without arguments gave ${result}, not a usage error")
endif()
file(READ ${prefix}/bin/drvq launcher)
if(NOT launcher MATCHES "lib/drvq/drvq")
    message(FATAL_ERROR "bin/drvq does not start lib/drvq/drvq")
endif()
# Started through a symbolic link (as a desktop might), the launcher still finds the program.
file(CREATE_LINK ${prefix}/bin/drvq ${STAGE}/linked-drvq SYMBOLIC)
execute_process(COMMAND timeout 3 ${STAGE}/linked-drvq RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT result EQUAL 124)
    message(FATAL_ERROR "the launcher ended with ${result} instead of running the program: ${err}")
endif()
# Without a display the program names itself as the launcher was called.
execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ${STAGE}/linked-drvq
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE err)
string(FIND "${err}" "xvfb-run ${STAGE}/linked-drvq " at)
if(NOT result EQUAL 1 OR at LESS 0)
    message(FATAL_ERROR "without a display the launcher gave ${result}, and not the hint naming it: ${err}")
endif()

file(READ ${prefix}/share/applications/${APP_ID}.desktop entry)
if(NOT entry MATCHES "\nExec=drvq\n" OR NOT entry MATCHES "\nIcon=${APP_ID}\n")
    message(FATAL_ERROR "the menu entry does not start drvq with the installed icon")
endif()
message(STATUS "installed layout under ${prefix} is complete")

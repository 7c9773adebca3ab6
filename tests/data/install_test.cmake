# cmake -DBUILD_DIR=... -DWORK_DIR=... -P install_test.cmake
# Installs into WORK_DIR/prefix and checks that the installed programs start from their links in
# bin; then does the same with the Debian package unpacked into WORK_DIR/root.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(ENV{XDG_CONFIG_HOME} "${WORK_DIR}/config")
set(ENV{XDG_RUNTIME_DIR} "${WORK_DIR}/runtime")
file(MAKE_DIRECTORY "${WORK_DIR}/config" "${WORK_DIR}/runtime")
file(CHMOD "${WORK_DIR}/runtime" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
        TIMEOUT 60)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
    endif()
    set(run_output "${out}" PARENT_SCOPE)
endfunction()

# The installed tree `root`, whose programs live in `root`/lib/zavtype and are linked from bin;
# the data they read there are links to `root`/share/zavtype and, for the settings, to `etc`.
function(check_tree root etc)
    foreach(file fingers.txt Courses/Default help/index.htm help/Default help/upgrade.htm
                 help/proyecto.htm)
        if(NOT EXISTS "${root}/lib/zavtype/${file}" OR NOT EXISTS "${root}/share/zavtype/${file}")
            message(FATAL_ERROR "missing ${root}/lib/zavtype/${file} or its data")
        endif()
    endforeach()
    if(NOT EXISTS "${etc}/zavtype/config.txt" OR NOT IS_SYMLINK "${root}/lib/zavtype/config.txt")
        message(FATAL_ERROR "missing ${etc}/zavtype/config.txt or its link")
    endif()
    foreach(file share/applications/ZAVType.desktop share/applications/ZAVTHelp.desktop
                 share/man/man1/ZAVType.1.gz share/man/man1/ZAVTHelp.1.gz
                 share/man/man1/zavtool.1.gz share/doc/zavtype/copyright
                 share/doc/zavtype/changelog.gz
                 share/mime/packages/zavtype.xml share/icons/hicolor/48x48/apps/zavtype.png
                 share/icons/hicolor/scalable/apps/zavtype.svg
                 share/icons/hicolor/48x48/mimetypes/application-x-zavtype.png)
        if(NOT EXISTS "${root}/${file}")
            message(FATAL_ERROR "missing ${root}/${file}")
        endif()
    endforeach()
    if(NOT IS_SYMLINK "${root}/bin/zavtool")
        message(FATAL_ERROR "${root}/bin/zavtool is not a link")
    endif()
    run("${root}/bin/zavtool" --help)
    if(NOT run_output MATCHES "uso: zavtool")
        message(FATAL_ERROR "zavtool --help printed: ${run_output}")
    endif()
    # The installed tool reads the installed course through the link's real folder.
    run("${root}/bin/zavtool" course "${root}/lib/zavtype/Courses/Default")
    if(EXISTS "${BUILD_DIR}/out/ZAVType")
        run("${root}/bin/ZAVType" --version)
        if(NOT run_output MATCHES "1\\.40")
            message(FATAL_ERROR "ZAVType --version printed: ${run_output}")
        endif()
    endif()
endfunction()

run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${WORK_DIR}/prefix")
check_tree("${WORK_DIR}/prefix" "${WORK_DIR}/prefix/etc")
# The tool reads the settings through the link beside it: no "missing file" message.
execute_process(COMMAND "${WORK_DIR}/prefix/bin/zavtool" config "${WORK_DIR}/prefix/lib/zavtype"
    RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "zavtool config of the installed tree: ${rc} ${err}")
endif()

find_program(DPKG_DEB dpkg-deb)
# The cpack beside this cmake, so that both are of one version.
get_filename_component(cmake_bin "${CMAKE_COMMAND}" DIRECTORY)
find_program(CPACK cpack HINTS "${cmake_bin}")
if(DPKG_DEB AND CPACK)
    run(${CPACK} -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}/package")
    file(GLOB deb "${WORK_DIR}/package/zavtype_*.deb")
    if(NOT deb)
        message(FATAL_ERROR "cpack made no zavtype_*.deb")
    endif()
    run(${DPKG_DEB} -f "${deb}" Depends)
    if(NOT run_output MATCHES "fonts-dejavu-core")
        message(FATAL_ERROR "the package depends on: ${run_output}")
    endif()
    if(EXISTS "${BUILD_DIR}/out/ZAVType" AND NOT run_output MATCHES "libqt6widgets6")
        message(FATAL_ERROR "the package does not name the Qt libraries: ${run_output}")
    endif()
    run(${DPKG_DEB} -x "${deb}" "${WORK_DIR}/root")
    check_tree("${WORK_DIR}/root/usr" "${WORK_DIR}/root/etc")
    # Installed, the settings are a conffile that the program folder links to by absolute path.
    file(READ_SYMLINK "${WORK_DIR}/root/usr/lib/zavtype/config.txt" target)
    run(${DPKG_DEB} -I "${deb}" conffiles)
    if(NOT target STREQUAL "/etc/zavtype/config.txt"
       OR NOT run_output MATCHES "^/etc/zavtype/config.txt\n$")
        message(FATAL_ERROR "config.txt links to '${target}'; conffiles: ${run_output}")
    endif()
endif()

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

# The installed tree `root`, whose programs live in `root`/lib/zavtype and are linked from bin.
function(check_tree root)
    foreach(file config.txt fingers.txt Courses/Default help/index.htm help/Default
                 help/upgrade.htm)
        if(NOT EXISTS "${root}/lib/zavtype/${file}")
            message(FATAL_ERROR "missing ${root}/lib/zavtype/${file}")
        endif()
    endforeach()
    foreach(file share/applications/ZAVType.desktop share/applications/ZAVTHelp.desktop
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
check_tree("${WORK_DIR}/prefix")

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
    check_tree("${WORK_DIR}/root/usr")
endif()

# Read by cpack as it packs. In the source package (the one packing whole
# folders), everything in a Git checkout that Git does not track is left out,
# whatever its name: build trees, programs built by hand, notes.
if(NOT CPACK_INSTALLED_DIRECTORIES)
    return()
endif()
list(GET CPACK_INSTALLED_DIRECTORIES 0 source_dir)
find_program(git git)
if(NOT git)
    return()
endif()
# Only a checkout of this project: sources unpacked into some other Git
# repository are not tracked there.
execute_process(COMMAND ${git} ls-files --error-unmatch CMakeLists.txt
    WORKING_DIRECTORY ${source_dir} RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(NOT status EQUAL 0)
    return()
endif()
# Untracked folders come as one entry each ("build/"), so the list stays short.
execute_process(COMMAND ${git} -c core.quotePath=false ls-files --others --directory
    WORKING_DIRECTORY ${source_dir} OUTPUT_VARIABLE untracked)
string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" source_dir "${source_dir}")
set(CPACK_IGNORE_FILES "^${source_dir}/\\.git(/|$)")
string(REGEX REPLACE "\n$" "" untracked "${untracked}")
string(REPLACE "\n" ";" untracked "${untracked}")
foreach(path IN LISTS untracked)
    string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" path "${path}")
    # A folder ends in "/" and takes what is inside it; a file matches whole.
    if(path MATCHES "/$")
        list(APPEND CPACK_IGNORE_FILES "^${source_dir}/${path}")
    else()
        list(APPEND CPACK_IGNORE_FILES "^${source_dir}/${path}$")
    endif()
endforeach()

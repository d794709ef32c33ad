# Read by cpack as it packs: what the source package (the one packing whole
# folders) leaves out. In a Git checkout, all that Git does not track, whatever
# its name: build trees, programs built by hand, notes. Elsewhere, build trees
# (this one's too, wherever it is), editor folders and Git's.
if(NOT CPACK_INSTALLED_DIRECTORIES)
    return()
endif()
# The patterns are regular expressions on whole paths, so paths are escaped.
function(escape variable path)
    string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" path "${path}")
    set(${variable} "${path}" PARENT_SCOPE)
endfunction()
list(GET CPACK_BUILD_SOURCE_DIRS 0 source_dir)
list(GET CPACK_BUILD_SOURCE_DIRS 1 binary_dir)
escape(source "${source_dir}")

# Only a checkout of this project: sources unpacked into some other Git
# repository are not tracked there.
find_program(git git)
if(git)
    execute_process(COMMAND ${git} ls-files --error-unmatch CMakeLists.txt
        WORKING_DIRECTORY ${source_dir} RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
endif()
if(NOT git OR NOT status EQUAL 0)
    escape(binary "${binary_dir}")
    set(CPACK_IGNORE_FILES "^${binary}/" "__pycache__")
    foreach(folder IN ITEMS .git build out .vs .vscode .idea .cache)
        escape(folder "${folder}")
        list(APPEND CPACK_IGNORE_FILES "^${source}/${folder}/")
    endforeach()
    return()
endif()

# Untracked folders come as one entry each ("build/"), so the list stays short.
execute_process(COMMAND ${git} -c core.quotePath=false ls-files --others --directory
    WORKING_DIRECTORY ${source_dir} OUTPUT_VARIABLE untracked)
set(CPACK_IGNORE_FILES "^${source}/\\.git(/|$)")
string(REGEX REPLACE "\n$" "" untracked "${untracked}")
string(REPLACE "\n" ";" untracked "${untracked}")
foreach(path IN LISTS untracked)
    escape(path "${path}")
    # A folder ends in "/" and takes what is inside it; a file matches whole.
    if(path MATCHES "/$")
        list(APPEND CPACK_IGNORE_FILES "^${source}/${path}")
    else()
        list(APPEND CPACK_IGNORE_FILES "^${source}/${path}$")
    endif()
endforeach()

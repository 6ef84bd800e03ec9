# Run by CPack on each package's staged files before they are packed: strips
# what Debian's dh_strip strips, so that the packages carry no debugging data
# or compiler notes (binaries lose their unneeded symbols, static libraries
# only their debugging data, so that they still link).
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(file ${staged})
    if(IS_SYMLINK "${file}")
        continue()
    endif()
    if(file MATCHES "\\.a$")
        set(flags --strip-debug --enable-deterministic-archives)
    elseif(file MATCHES "\\.so\\.[0-9.]+$" OR file MATCHES "/bin/[^/]+$")
        set(flags --strip-unneeded)
    else()
        continue()
    endif()
    execute_process(COMMAND strip ${flags} --remove-section=.comment --remove-section=.note
        "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# The components as libraries. Each folder of sources is one component: its
# objects are compiled once (position independent) and become a static
# library, and on Linux outside the instrumented trees also a shared one with
# a SONAME. In-tree users (the demo's application code, tests, benchmarks,
# fuzzers) link the static forms; the demo links the shared ones where they
# exist, so that the installed program runs on the installed libraries.

# Warnings for our own code only, never for users of the installed package.
add_library(mojiban_warnings INTERFACE)
if(MSVC)
    target_compile_options(mojiban_warnings INTERFACE /W4 $<$<BOOL:${MOJIBAN_WERROR}>:/WX>)
else()
    target_compile_options(mojiban_warnings INTERFACE -Wall -Wextra -Wsuggest-override
        $<$<BOOL:${MOJIBAN_WERROR}>:-Werror>)
endif()

set(MOJIBAN_SHARED_LIBRARIES OFF)
if(UNIX AND NOT MOJIBAN_SANITIZE AND NOT MOJIBAN_FUZZ)
    set(MOJIBAN_SHARED_LIBRARIES ON)
endif()
set(MOJIBAN_COMPONENTS "")

# mojiban_add_component(<Name> <folder> SOURCES ... [DEPENDS <component>...]
#                     [LIBRARIES <imported target>...])
# Makes mojiban_<name> (static, exported as Mojiban::<Name>Static) and, where
# shared libraries are built, mojiban_<name>_shared (exported as Mojiban::<Name>).
function(mojiban_add_component name folder)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;LIBRARIES" ${ARGN})
    string(TOLOWER "${name}" lower)
    set(objects mojiban_${lower}_objects)
    add_library(${objects} OBJECT ${ARG_SOURCES})
    set_target_properties(${objects} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    target_include_directories(${objects} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
    target_link_libraries(${objects} PUBLIC ${ARG_LIBRARIES} PRIVATE $<BUILD_INTERFACE:mojiban_warnings>)
    foreach(dep ${ARG_DEPENDS})
        string(TOLOWER "${dep}" dep_lower)
        target_link_libraries(${objects} PUBLIC mojiban_${dep_lower})
    endforeach()

    set(forms static)
    if(MOJIBAN_SHARED_LIBRARIES)
        list(APPEND forms shared)
    endif()
    foreach(form ${forms})
        if(form STREQUAL "static")
            set(target mojiban_${lower})
            add_library(${target} STATIC $<TARGET_OBJECTS:${objects}>)
            set_target_properties(${target} PROPERTIES EXPORT_NAME ${name}Static)
            set(suffix "")
            add_library(Mojiban::${name}Static ALIAS ${target})
        else()
            set(target mojiban_${lower}_shared)
            add_library(${target} SHARED $<TARGET_OBJECTS:${objects}>)
            set_target_properties(${target} PROPERTIES EXPORT_NAME ${name}
                VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
            # Every symbol a component needs must come from what it names.
            target_link_options(${target} PRIVATE -Wl,--no-undefined)
            set(suffix "_shared")
            add_library(Mojiban::${name} ALIAS ${target})
        endif()
        set_target_properties(${target} PROPERTIES OUTPUT_NAME mojiban-${lower})
        target_include_directories(${target} PUBLIC
            $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}> $<INSTALL_INTERFACE:include/mojiban>)
        # What the installed headers need of a user's compiler
        # (tests/install/check-headers.sh builds them so).
        target_compile_features(${target} PUBLIC cxx_std_11)
        target_link_libraries(${target} PUBLIC ${ARG_LIBRARIES})
        foreach(dep ${ARG_DEPENDS})
            string(TOLOWER "${dep}" dep_lower)
            target_link_libraries(${target} PUBLIC mojiban_${dep_lower}${suffix})
        endforeach()
    endforeach()
    set(MOJIBAN_COMPONENTS ${MOJIBAN_COMPONENTS} ${lower} PARENT_SCOPE)
    # For the packages: which of our libraries this one needs at run time.
    string(TOLOWER "${ARG_DEPENDS}" depends_lower)
    set(MOJIBAN_COMPONENT_DEPENDS_${lower} "${depends_lower}" PARENT_SCOPE)
endfunction()

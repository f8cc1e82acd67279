# SPDX-License-Identifier: GPL-2.0-or-later
# One of the program's own static libraries, set up as every folder's library is: the project's
# headers by their folder ("engine/Dic.h") for whoever links it, the shared strictness for its own
# sources.
#
#   slovnik_library(<name> SOURCES <files>... [PUBLIC <libraries>...] [PRIVATE <libraries>...])
#
# makes slovnik_<name>, also known as slovnik::<name>.
function(slovnik_library name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;PUBLIC;PRIVATE")
    add_library(slovnik_${name} STATIC ${arg_SOURCES})
    add_library(slovnik::${name} ALIAS slovnik_${name})
    target_include_directories(slovnik_${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(slovnik_${name} PUBLIC ${arg_PUBLIC} PRIVATE ${arg_PRIVATE} slovnik::warnings)
endfunction()

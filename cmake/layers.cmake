# How the build keeps the layers apart.
#
# No target sees the source tree as a whole. Each library lists the folders
# or headers it offers, and an include folder of its own in the build tree
# holds links to just those, under their usual paths ("model/sys_info.h"):
# a file sees the headers of its own library and of the libraries it links,
# so including a higher layer's header, or a backend's internals, does not
# compile.
function(veloinspect_expose target scope)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "FOLDERS;HEADERS")
  set(dir ${CMAKE_BINARY_DIR}/include/${target})
  foreach(path IN LISTS arg_FOLDERS arg_HEADERS)
    get_filename_component(parent ${dir}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${path} ${dir}/${path} SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${scope} ${dir})
endfunction()

# The core reaches the machine only through platform/ and the toolkit only
# through ui/. Qt and libxml2 are not on its include path at all; the system
# headers that are (X11, EGL, OpenGL, Win32, the Linux calls) are shadowed
# for core targets by headers that stop the build and say why.
function(veloinspect_core target)
  target_include_directories(${target} BEFORE PRIVATE ${CMAKE_SOURCE_DIR}/cmake/core_forbidden)
endfunction()

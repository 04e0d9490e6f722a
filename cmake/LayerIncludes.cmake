# A layer's sources include headers of their own layer and of the layers below it only.
# The check runs when the build is configured and stops it, naming the file and the line,
# at the first header of a higher layer.

# brackmere_forbid_includes(<folder> <higher folders>...): no file under <folder> includes
# a header of one of the higher folders.
function(brackmere_forbid_includes folder)
  list(JOIN ARGN "|" higher)
  file(GLOB_RECURSE files RELATIVE ${PROJECT_SOURCE_DIR}
       ${PROJECT_SOURCE_DIR}/${folder}/*.h ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  foreach(file IN LISTS files)
    file(READ ${PROJECT_SOURCE_DIR}/${file} text)
    set(text "\n${text}")
    string(REGEX MATCH "\n[ \t]*#[ \t]*include[ \t]*[\"<]((${higher})/[^\">\n]*)" hit "${text}")
    if(hit)
      set(header ${CMAKE_MATCH_1})
      string(FIND "${text}" "${hit}" at)
      string(SUBSTRING "${text}" 0 ${at} before)
      string(REGEX MATCHALL "\n" newlines "${before}")
      list(LENGTH newlines line)
      math(EXPR line "${line} + 1")
      message(FATAL_ERROR "${file}:${line}: includes ${header}, a header of a higher layer than ${folder}/")
    endif()
  endforeach()
endfunction()

# brackmere_check_layering(<layers, lowest first>...)
function(brackmere_check_layering)
  set(higher ${ARGN})
  foreach(layer IN LISTS ARGN)
    list(POP_FRONT higher)
    if(higher)
      brackmere_forbid_includes(${layer} ${higher})
    endif()
  endforeach()
endfunction()

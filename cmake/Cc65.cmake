# 6502 programs are assembled with ca65 and linked with ld65, both from Debian's cc65.
find_program(QUELBROOK_CA65 ca65 REQUIRED)
find_program(QUELBROOK_LD65 ld65 REQUIRED)

# quelbrook_add_6502_program(NAME OUTPUT <binary> CONFIG <ld65 config> SOURCES <.s files>...
#                            [INCLUDE_DIRS <folders>...]
#                            [BINARY_DIR <folder of generated .incbin files> DEPENDS <files>...])
# Assembles each source (its .include and .incbin files tracked through ca65's dependency
# file), links them with the config into OUTPUT and adds a target NAME that builds it.
# Sources and the config are relative to the calling folder, which is also the include path,
# with INCLUDE_DIRS; .incbin files are also looked for in BINARY_DIR, and every source waits
# for DEPENDS.
function(quelbrook_add_6502_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "OUTPUT;CONFIG;BINARY_DIR" "SOURCES;DEPENDS;INCLUDE_DIRS")
  if(NOT arg_OUTPUT OR NOT arg_CONFIG OR NOT arg_SOURCES)
    message(FATAL_ERROR "quelbrook_add_6502_program(${name}) needs OUTPUT, CONFIG and SOURCES")
  endif()
  set(object_dir ${CMAKE_CURRENT_BINARY_DIR}/${name}.objects)
  file(MAKE_DIRECTORY ${object_dir})
  set(include_dirs -I ${CMAKE_CURRENT_SOURCE_DIR} --bin-include-dir ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(dir IN LISTS arg_INCLUDE_DIRS)
    list(APPEND include_dirs -I ${dir})
  endforeach()
  if(arg_BINARY_DIR)
    list(APPEND include_dirs --bin-include-dir ${arg_BINARY_DIR})
  endif()
  set(objects)
  foreach(source IN LISTS arg_SOURCES)
    get_filename_component(stem ${source} NAME_WE)
    set(object ${object_dir}/${stem}.o)
    add_custom_command(
      OUTPUT ${object}
      COMMAND ${QUELBROOK_CA65} --cpu 6502 ${include_dirs}
              --create-dep ${object}.d -o ${object} ${CMAKE_CURRENT_SOURCE_DIR}/${source}
      DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${arg_DEPENDS}
      DEPFILE ${object}.d
      COMMENT "Assembling ${source}"
      VERBATIM)
    list(APPEND objects ${object})
  endforeach()
  add_custom_command(
    OUTPUT ${arg_OUTPUT}
    COMMAND ${QUELBROOK_LD65} -C ${CMAKE_CURRENT_SOURCE_DIR}/${arg_CONFIG} -o ${arg_OUTPUT} ${objects}
    DEPENDS ${objects} ${CMAKE_CURRENT_SOURCE_DIR}/${arg_CONFIG}
    COMMENT "Linking ${name}"
    VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${arg_OUTPUT})
endfunction()

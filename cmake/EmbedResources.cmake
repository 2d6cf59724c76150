# lexorama_embed_resources(TARGET <lib> BASE <dir> FILES <file>...)
# Builds a static library that carries the files inside the binary (assembler .incbin) and
# a lookup table from the file's path relative to BASE to its bytes.
function(lexorama_embed_resources)
  cmake_parse_arguments(ARG "" "TARGET;BASE" "FILES" ${ARGN})
  set(asm "${CMAKE_CURRENT_BINARY_DIR}/${ARG_TARGET}_data.S")
  set(cpp "${CMAKE_CURRENT_BINARY_DIR}/${ARG_TARGET}_index.cpp")
  set(asm_text ".section .rodata\n")
  set(decls "")
  set(rows "")
  set(i 0)
  foreach(file IN LISTS ARG_FILES)
    file(RELATIVE_PATH rel "${ARG_BASE}" "${file}")
    string(APPEND asm_text
      ".global lexorama_res_${i}_begin\n.global lexorama_res_${i}_end\n.balign 16\n"
      "lexorama_res_${i}_begin:\n.incbin \"${file}\"\nlexorama_res_${i}_end:\n.byte 0\n")
    string(APPEND decls "extern const char lexorama_res_${i}_begin[];\nextern const char lexorama_res_${i}_end[];\n")
    string(APPEND rows "    {\"${rel}\", {lexorama_res_${i}_begin, static_cast<std::size_t>(lexorama_res_${i}_end - lexorama_res_${i}_begin)}},\n")
    math(EXPR i "${i} + 1")
  endforeach()
  string(APPEND asm_text ".section .note.GNU-stack,\"\",@progbits\n")
  file(CONFIGURE OUTPUT "${asm}" CONTENT "${asm_text}")
  file(CONFIGURE OUTPUT "${cpp}" CONTENT
"#include \"common/resources.h\"\n#include <map>\n#include <string>\n\nextern \"C\" {\n${decls}}\n
namespace lexorama::resources {\n
std::optional<std::string_view> find(std::string_view name)
{
    static const std::map<std::string, std::string_view, std::less<>> table = {
${rows}    };
    auto it = table.find(name);
    if (it == table.end())
        return std::nullopt;
    return it->second;
}\n
} // namespace lexorama::resources\n")
  add_library(${ARG_TARGET} STATIC "${asm}" "${cpp}")
  set_source_files_properties("${asm}" PROPERTIES OBJECT_DEPENDS "${ARG_FILES}")
  target_include_directories(${ARG_TARGET} PRIVATE "${PROJECT_SOURCE_DIR}/src/core")
endfunction()

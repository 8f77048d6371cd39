# cmake -DLANGUAGES=it,en -DFOLDER=labels -DOUTPUT=label_data.cpp -P embed_label.cmake
# Writes the bytes of FOLDER/CODE.rle for every CODE of LANGUAGES (separated
# by commas, the first the one used where a language has none) as the table
# embeddedLabels of scenes/klein/label_data.h.
string(REPLACE "," ";" languages "${LANGUAGES}")
set(arrays "")
set(entries "")
list(LENGTH languages count)
foreach(code IN LISTS languages)
    file(READ ${FOLDER}/${code}.rle hex HEX)
    string(LENGTH "${hex}" digits)
    math(EXPR size "${digits} / 2")
    # Sixteen bytes to a line.
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
    # An empty file still makes an array; the program then finds no label in it.
    if(size EQUAL 0)
        set(bytes "0")
    endif()
    string(APPEND arrays "const unsigned char ${code}[] = {\n${bytes}\n};\n")
    string(APPEND entries "    {\"${code}\", ${code}, ${size}},\n")
endforeach()
file(WRITE ${OUTPUT}.tmp
    "// Generated from ${FOLDER}; do not edit.\n"
    "#include \"scenes/klein/label_data.h\"\n\n"
    "namespace {\n${arrays}} // namespace\n\n"
    "const EmbeddedLabel embeddedLabels[] = {\n${entries}};\n"
    "const std::size_t embeddedLabelCount = ${count};\n")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})

# cmake -DINPUT=label.rle -DOUTPUT=label_data.cpp -P embed_label.cmake
# Writes the bytes of INPUT as the array labelData of scenes/klein/label_data.h.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
# Sixteen bytes to a line.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
# An empty file still makes an array; the program then finds no label in it.
if(size EQUAL 0)
    set(bytes "0")
endif()
file(WRITE ${OUTPUT}.tmp
    "// Generated from ${INPUT}; do not edit.\n"
    "#include \"scenes/klein/label_data.h\"\n\n"
    "const unsigned char labelData[] = {\n${bytes}\n};\n"
    "const std::size_t labelDataSize = ${size};\n")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})

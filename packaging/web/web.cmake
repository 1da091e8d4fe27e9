# The browser edition (WebAssembly, built by scripts/web against a static Qt).

# A browser lends the page none of its fonts: compile in the twins of Arial and Times New
# Roman, the two faces the window names, and no other, each cut down to the characters of the
# program's texts (subset-font.py, with Debian's fontTools), a tenth of its size.
set(ZNAKOVIT_WEB_FONTS "/usr/share/fonts/truetype/liberation2"
    CACHE PATH "Where LiberationSans-Regular.ttf and LiberationSerif-Regular.ttf lie")
find_program(ZNAKOVIT_FONT_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
file(GLOB ZNAKOVIT_TEXT_SOURCES CONFIGURE_DEPENDS
    "${CMAKE_CURRENT_SOURCE_DIR}/content/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/content/*.h"
    "${CMAKE_CURRENT_SOURCE_DIR}/window/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/window/*.h"
    "${CMAKE_CURRENT_SOURCE_DIR}/logic/*.cpp")
set(subset_fonts "")
foreach(face LiberationSans-Regular LiberationSerif-Regular)
    set(subset "${CMAKE_CURRENT_BINARY_DIR}/fonts/${face}.ttf")
    add_custom_command(OUTPUT "${subset}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/fonts"
        COMMAND "${ZNAKOVIT_FONT_PYTHON}" "${CMAKE_CURRENT_LIST_DIR}/subset-font.py" "${subset}"
                "${ZNAKOVIT_WEB_FONTS}/${face}.ttf" ${ZNAKOVIT_TEXT_SOURCES}
        DEPENDS "${CMAKE_CURRENT_LIST_DIR}/subset-font.py" "${ZNAKOVIT_WEB_FONTS}/${face}.ttf"
                ${ZNAKOVIT_TEXT_SOURCES}
        VERBATIM)
    list(APPEND subset_fonts "${subset}")
endforeach()
set_source_files_properties(${subset_fonts} PROPERTIES GENERATED TRUE)
qt_add_resources(znakovit browser_fonts
    PREFIX "/fonts" BASE "${CMAKE_CURRENT_BINARY_DIR}/fonts" FILES ${subset_fonts})

# The page's size sets the scale of the window's screen, through Qt's private API.
target_link_libraries(znakovit PRIVATE Qt6::GuiPrivate)

# A small download: everything compiled for size into LLVM bitcode, optimised as a whole
# at the final link together with the equally built Qt.
foreach(target znakovit_content znakovit_core znakovit)
    target_compile_options(${target} PRIVATE -Os -flto)
endforeach()
target_link_options(znakovit PRIVATE -Os -flto)

# Under CTest the suites that need no window run in Node.js (.ci/web runs tst_content so);
# tst_mix, which needs one, runs in the page test.html (packaging/web/check.js --suite).
# Their exit status is the suite's.
set(CMAKE_CROSSCOMPILING_EMULATOR node "${CMAKE_CURRENT_LIST_DIR}/run-test.js")
function(znakovit_web_tests)
    foreach(suite tst_content tst_mix)
        if(TARGET ${suite})
            target_link_options(${suite} PRIVATE -sEXIT_RUNTIME=1)
        endif()
    endforeach()
endfunction()
cmake_language(DEFER DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}" CALL znakovit_web_tests)

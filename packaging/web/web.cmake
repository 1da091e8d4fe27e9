# The browser edition (WebAssembly, built by scripts/web against a static Qt).

# A browser lends the page none of its fonts: compile in the twins of Arial and Times New
# Roman, the two faces the window names, and no other.
set(ZNAKOVIT_WEB_FONTS "/usr/share/fonts/truetype/liberation2"
    CACHE PATH "Where LiberationSans-Regular.ttf and LiberationSerif-Regular.ttf lie")
qt_add_resources(znakovit browser_fonts
    PREFIX "/fonts" BASE "${ZNAKOVIT_WEB_FONTS}"
    FILES "${ZNAKOVIT_WEB_FONTS}/LiberationSans-Regular.ttf"
          "${ZNAKOVIT_WEB_FONTS}/LiberationSerif-Regular.ttf")

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

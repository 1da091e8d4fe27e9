# The pictures compiled into the program. Every 1x picture has its @2x twin beside it,
# which QPixmap picks on a 2x screen. tools/ draws them; see tools/README.md.
set(ZNAKOVIT_PICTURES "")
foreach(i RANGE 0 48)
    string(LENGTH "${i}" len)
    if(len EQUAL 1)
        set(i "0${i}")
    endif()
    list(APPEND ZNAKOVIT_PICTURES pictures/bukv_${i}.png pictures/what_${i}.png)
endforeach()
list(APPEND ZNAKOVIT_PICTURES
    pictures/title.png pictures/choose.png pictures/choose2.png pictures/choose3.png
    pictures/icon_16.png pictures/icon_24.png pictures/icon_32.png pictures/icon_48.png
    pictures/icon_64.png pictures/icon_128.png pictures/icon_256.png)
set(ZNAKOVIT_PICTURE_FILES "")
foreach(f IN LISTS ZNAKOVIT_PICTURES)
    string(REPLACE ".png" "@2x.png" twin "${f}")
    list(APPEND ZNAKOVIT_PICTURE_FILES "${f}")
    if(NOT f MATCHES "pictures/icon_")
        list(APPEND ZNAKOVIT_PICTURE_FILES "${twin}")
    endif()
endforeach()
list(TRANSFORM ZNAKOVIT_PICTURE_FILES PREPEND "${CMAKE_CURRENT_LIST_DIR}/")
# The @2x twins go into a resource of their own, so that the pictures read at start on an
# ordinary screen lie together and start-up touches fewer pages of the program.
set(ZNAKOVIT_PICTURE_TWINS ${ZNAKOVIT_PICTURE_FILES})
list(FILTER ZNAKOVIT_PICTURE_FILES EXCLUDE REGEX "@2x")
list(FILTER ZNAKOVIT_PICTURE_TWINS INCLUDE REGEX "@2x")
qt_add_resources(znakovit_core znakovit_pictures
    PREFIX "/" BASE "${CMAKE_CURRENT_LIST_DIR}" FILES ${ZNAKOVIT_PICTURE_FILES})
qt_add_resources(znakovit_core znakovit_pictures_2x
    PREFIX "/" BASE "${CMAKE_CURRENT_LIST_DIR}" FILES ${ZNAKOVIT_PICTURE_TWINS})

cmake_minimum_required(VERSION 3.25) # under -P this enables the IN_LIST operator
# Lays out a home folder from resources/. Shipped data the program only reads is kept in step
# with the sources; files the program writes (config.ini, the user macro libraries) are copied
# only when missing, so a rebuild never throws away the user's saved settings.
set(user_files "skins/config/config.ini" "Macro_EN.dat" "Macro_CN.dat")

file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(rel IN LISTS files)
    if(rel MATCHES "^(udev|desktop)/")
        continue()
    endif()
    set(dst ${DEST}/${rel})
    if(rel IN_LIST user_files AND EXISTS ${dst})
        continue()
    endif()
    get_filename_component(dir ${dst} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${SOURCE}/${rel} ${dst} ONLY_IF_DIFFERENT)
endforeach()

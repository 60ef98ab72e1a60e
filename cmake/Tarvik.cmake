# Project-wide build helpers.

if(TARVIK_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# Warnings for our own targets (generated moc/qml sources of Qt compile clean with these).
function(tarvik_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
    if(TARVIK_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Puts the curl module (TarvikCurl, in src/Platform) in the folder of `target`'s executable, the
# only place the program loads it from; one copy per folder.
function(tarvik_curl_module_beside target)
    get_target_property(folder ${target} RUNTIME_OUTPUT_DIRECTORY)
    if(NOT folder)
        set(folder ${CMAKE_CURRENT_BINARY_DIR})
    endif()
    string(MD5 key "${folder}")
    set(copy tarvik_curl_module_${key})
    if(NOT TARGET ${copy})
        set(module ${folder}/${CMAKE_SHARED_MODULE_PREFIX}tarvik-curl${CMAKE_SHARED_MODULE_SUFFIX})
        add_custom_command(OUTPUT ${module}
            COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:TarvikCurl> ${module}
            DEPENDS TarvikCurl $<TARGET_FILE:TarvikCurl>
            COMMENT "Placing the curl module beside the programs of ${folder}")
        add_custom_target(${copy} DEPENDS ${module})
    endif()
    add_dependencies(${target} ${copy})
endfunction()

# tarvik_add_test(<name> SOURCES ... LIBS ... [ENV ...] [SESSION_BUS] [KEYRING] [ACCESSIBILITY_BUS] [TIMEOUT s])
#   SESSION_BUS: run inside a private dbus-run-session.
#   KEYRING:     additionally start an unlocked gnome-keyring (Secret Service) in that session.
#   ACCESSIBILITY_BUS: run on Xvfb with Qt's accessibility bridge on, as under a screen reader.
function(tarvik_add_test name)
    cmake_parse_arguments(T "SESSION_BUS;KEYRING;ACCESSIBILITY_BUS" "TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    tarvik_warnings(${name})
    tarvik_curl_module_beside(${name})
    set(command $<TARGET_FILE:${name}>)
    if(T_ACCESSIBILITY_BUS)
        set(command ${CMAKE_SOURCE_DIR}/scripts/with-accessibility-bus.sh ${command})
    elseif(T_KEYRING)
        set(command ${CMAKE_SOURCE_DIR}/scripts/with-session-bus.sh --keyring ${command})
    elseif(T_SESSION_BUS)
        set(command ${CMAKE_SOURCE_DIR}/scripts/with-session-bus.sh ${command})
    endif()
    add_test(NAME ${name} COMMAND ${command})
    set(env QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software QTWEBENGINE_DISABLE_SANDBOX=1
            QT_LOGGING_RULES=qt.qpa.*=false ${T_ENV})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
endfunction()

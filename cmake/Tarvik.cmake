# Project-wide build helpers.

# The app's modules, in the order they rest on each other (Platform <- Design <- Account <- features
# <- Shell <- App): each is a folder of src/ and of tests/, a static library Tarvik<Module> and its
# QML module Tarvik.<Module> with the plugin Tarvik<Module>plugin, all linked into the app. The
# folders, the app's plugins, the tests' plugins and the start-up measures of src/CMakeLists.txt
# all come from this table. Its second column is how the module's QML is compiled:
#   startup   on the way to the sign-in screen: to C++, our own modules' types included
#   plain     to C++, leaving what uses our own modules' types to the interpreter (Qt's default)
#   bytecode  screens no start-up path shows: byte code only
# Tarvik.Web is none of them: it is loaded from disk with the first web page, never linked.
set(tarvik_module_table
    Platform    plain
    Design      startup
    Account     startup
    Services    bytecode
    Requests    bytecode
    Shop        bytecode
    Support     bytecode
    Profile     bytecode
    Payments    bytecode
    SpeedTest   bytecode
    Shell       plain
    App         startup
)
# TARVIK_MODULES, and TARVIK_QML_COMPILED_<Module> for each.
set(TARVIK_MODULES "")
foreach(cell IN LISTS tarvik_module_table)
    if(cell MATCHES "^(startup|plain|bytecode)$")
        list(GET TARVIK_MODULES -1 module)
        set(TARVIK_QML_COMPILED_${module} ${cell})
    else()
        list(APPEND TARVIK_MODULES ${cell})
    endif()
endforeach()
unset(module)
unset(tarvik_module_table)

# tarvik_qml_modules_with_dependencies(<out> <Module>...): the modules and every module of the app
# their QML rests on (their DEPENDENCIES), each once.
function(tarvik_qml_modules_with_dependencies out)
    set(found "")
    set(pending ${ARGN})
    while(pending)
        list(POP_FRONT pending module)
        if(NOT module IN_LIST TARVIK_MODULES)
            message(FATAL_ERROR "${module} is not one of the app's modules (${TARVIK_MODULES})")
        endif()
        if(module IN_LIST found)
            continue()
        endif()
        list(APPEND found ${module})
        get_target_property(dependencies Tarvik${module} QT_QML_MODULE_DEPENDENCIES)
        foreach(dependency IN LISTS dependencies)
            if(dependency MATCHES "^Tarvik\\.([A-Za-z]+)$")
                if(CMAKE_MATCH_1 IN_LIST TARVIK_MODULES)
                    list(APPEND pending ${CMAKE_MATCH_1})
                endif()
            endif()
        endforeach()
    endwhile()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

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

# tarvik_add_test(<name> SOURCES ... LIBS ... [QML_MODULES <Module>...] [ENV ...] [SESSION_BUS] [KEYRING]
#                 [ACCESSIBILITY_BUS] [TIMEOUT s])
#   QML_MODULES: the app's modules whose QML the test loads: their libraries, and the QML plugins of
#                them and of the modules they rest on (linking a plugin imports it).
#   SESSION_BUS: run inside a private dbus-run-session.
#   KEYRING:     additionally start an unlocked gnome-keyring (Secret Service) in that session.
#   ACCESSIBILITY_BUS: run on Xvfb with Qt's accessibility bridge on, as under a screen reader.
function(tarvik_add_test name)
    cmake_parse_arguments(T "SESSION_BUS;KEYRING;ACCESSIBILITY_BUS" "TIMEOUT" "SOURCES;LIBS;QML_MODULES;ENV" ${ARGN})
    # Each test process with a home folder of its own (tests/common/processhome.cpp).
    add_executable(${name} ${T_SOURCES} ${Tarvik_SOURCE_DIR}/tests/common/processhome.cpp)
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    foreach(module IN LISTS T_QML_MODULES)
        target_link_libraries(${name} PRIVATE Tarvik${module})
    endforeach()
    tarvik_qml_modules_with_dependencies(modules ${T_QML_MODULES})
    foreach(module IN LISTS modules)
        target_link_libraries(${name} PRIVATE Tarvik${module}plugin)
    endforeach()
    tarvik_warnings(${name})
    tarvik_curl_module_beside(${name})
    set(command $<TARGET_FILE:${name}>)
    if(T_ACCESSIBILITY_BUS)
        set(command ${Tarvik_SOURCE_DIR}/scripts/with-accessibility-bus.sh ${command})
    elseif(T_KEYRING)
        set(command ${Tarvik_SOURCE_DIR}/scripts/with-session-bus.sh --keyring ${command})
    elseif(T_SESSION_BUS)
        set(command ${Tarvik_SOURCE_DIR}/scripts/with-session-bus.sh ${command})
    endif()
    add_test(NAME ${name} COMMAND ${command})
    set(env QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software QTWEBENGINE_DISABLE_SANDBOX=1
            QT_LOGGING_RULES=qt.qpa.*=false ${T_ENV})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
endfunction()

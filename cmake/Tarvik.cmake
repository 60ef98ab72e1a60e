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

# tarvik_add_test(<name> SOURCES ... LIBS ... [ENV ...] [SESSION_BUS] [KEYRING] [ACCESSIBILITY_BUS] [TIMEOUT s])
#   SESSION_BUS: run inside a private dbus-run-session.
#   KEYRING:     additionally start an unlocked gnome-keyring (Secret Service) in that session.
#   ACCESSIBILITY_BUS: run on Xvfb with Qt's accessibility bridge on, as under a screen reader.
function(tarvik_add_test name)
    cmake_parse_arguments(T "SESSION_BUS;KEYRING;ACCESSIBILITY_BUS" "TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    tarvik_warnings(${name})
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

# Fails the configure step when a target links Qt, so the core stays usable
# (and testable) without any GUI toolkit.
function(vantor_assert_no_qt target)
    get_target_property(libs ${target} LINK_LIBRARIES)
    get_target_property(incs ${target} INCLUDE_DIRECTORIES)
    foreach(item IN LISTS libs incs)
        if(item MATCHES "[Qq][Tt][0-9]*[/:]|Qt")
            message(FATAL_ERROR "${target} must not use Qt (found ${item})")
        endif()
    endforeach()
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()

# zelt_portable_libraries(VAR): every portable library the tree defines, for the tests, fuzz
# targets and benchmarks that may use any of them.
function(zelt_portable_libraries var)
  set(libs)
  foreach(lib zelt_template zelt_strings zelt_settings zelt_winui zelt_document zelt_render zelt_editing
          zelt_interchange zelt_views zelt_viewer zelt_app zelt_program zelt_iconrender)
    if(TARGET ${lib})
      list(APPEND libs ${lib})
    endif()
  endforeach()
  set(${var} ${libs} PARENT_SCOPE)
endfunction()

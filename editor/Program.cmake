# Zelt_Builder.exe: the Win32 shell over the portable core, with its resources. The pictures come
# from zelt_artgen, which the host build runs into ZELT_ART_DIR.
set(ZELT_ART_DIR "${CMAKE_SOURCE_DIR}/build/art" CACHE PATH "Artwork drawn by zelt_artgen")
if(NOT WIN32)
  return()
endif()
enable_language(RC)

# The about pages: one page each for the editor and the viewer, in two copies that differ only in the
# program file their pictures are taken from.
foreach(page ZB_B ZB_V ZV_B ZV_V)
  if(page MATCHES "^ZB")
    set(PRODUCT "Zelt Builder")
    set(WHAT "the template editor")
    set(BANNER BBANNER.GIF)
  else()
    set(PRODUCT "Zelt Viewer")
    set(WHAT "the template viewer")
    set(BANNER VBANNER.GIF)
  endif()
  if(page MATCHES "_B$")
    set(EXE Zelt_Builder.exe)
  else()
    set(EXE Zelt_Viewer.exe)
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/resources/about/about.htm.in ${CMAKE_BINARY_DIR}/about/${page}_ABOUT.HTM @ONLY)
endforeach()

add_library(zelt_shell STATIC
  ${CMAKE_CURRENT_LIST_DIR}/app/Message_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/ShellWindows_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/ShellUi_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/MainWindow_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/TemplateDialogs_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/Splash_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editing/TemplateClipboard_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/AboutPage_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/Hotkeys_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/Toolbar_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/CustomizeSheet_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/strings/Translate_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/interchange/ImageDialogs_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/template/GameInstall_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/viewer/ViewerWindow_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/viewer/ViewerSettings_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/DialogStyle_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/TileNumberDialog_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/TipDialog_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/ClassicAbout_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editing/ColourButton_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editing/PropertiesPanel_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/template/NewTemplateDialog_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/template/SaveOptionsDialog_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/views/MainView_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/views/HotButtons_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/views/TileStrip_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/interchange/FolderPicker_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/interchange/ImageClipboard_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/interchange/CropDialogs_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/interchange/ExportTilesDialog_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/interchange/TileImageCommands_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/views/FullScreenView_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editing/PixelEditor_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/FileTypes_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/template/PaletteDialogs_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app/OptionsDialog_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/interchange/BatchDialog_win.cpp
  ${CMAKE_CURRENT_LIST_DIR}/interchange/OverviewDialog_win.cpp
)
target_link_libraries(zelt_shell PUBLIC zelt_mainwindow zelt_viewer zelt_interchange zelt_render zelt_document
  zelt_dialogrules zelt_strings zelt_settings zelt_crash zelt_core comctl32 comdlg32 shell32 msimg32 ole32 oleaut32
  uuid gdi32 user32 advapi32)
target_link_libraries(zelt_shell PUBLIC zelt_pixeleditor)

add_executable(Zelt_Builder WIN32 ${CMAKE_CURRENT_LIST_DIR}/app/Main_win.cpp ${CMAKE_SOURCE_DIR}/resources/Zelt_Builder.rc)
target_link_libraries(Zelt_Builder PRIVATE zelt_shell)
set_target_properties(Zelt_Builder PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ZELT_DIST_DIR})
target_include_directories(Zelt_Builder PRIVATE ${ZELT_ART_DIR} ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/resources/Zelt_Builder.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/resources/Zelt_Builder.manifest ${ZELT_ART_DIR}/zelt.ico
  ${CMAKE_SOURCE_DIR}/resources/MainWindow.rc ${CMAKE_SOURCE_DIR}/resources/Views.rc
  ${CMAKE_SOURCE_DIR}/resources/Panel.rc ${CMAKE_SOURCE_DIR}/resources/PanelIds.h
  ${CMAKE_SOURCE_DIR}/resources/Customize.rc
  ${CMAKE_SOURCE_DIR}/resources/Interchange.rc ${CMAKE_SOURCE_DIR}/resources/InterchangeIds.h
  ${CMAKE_SOURCE_DIR}/resources/PixelEditor.rc ${CMAKE_SOURCE_DIR}/resources/PixelEditorIds.h
  ${CMAKE_SOURCE_DIR}/resources/Palette.rc ${CMAKE_SOURCE_DIR}/resources/PaletteIds.h
  ${CMAKE_SOURCE_DIR}/resources/Batch.rc ${CMAKE_SOURCE_DIR}/resources/BatchIds.h)
if(NOT CMAKE_CROSSCOMPILING)
  add_dependencies(Zelt_Builder artwork)
endif()

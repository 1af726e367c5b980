# The BOOPSI classes of intuition, as the object library intuition_boopsi.
# The intuition library takes these objects into itself:
#   kv_platform_library(intuition <its sources> $<TARGET_OBJECTS:intuition_boopsi>)
# and links what they use (graphics, utility, exec).
add_library(intuition_boopsi OBJECT
  ${CMAKE_CURRENT_LIST_DIR}/classes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/services.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notify.cpp
  ${CMAKE_CURRENT_LIST_DIR}/describe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/images.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rootclass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/icclass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/imageclass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frameiclass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sysiclass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sysimages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gadgetclass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/buttongclass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frbuttonclass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/propgclass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/propgeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/strgclass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/stringedit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keymap.cpp)
target_link_libraries(intuition_boopsi PUBLIC platform_headers graphics utility exec PRIVATE platform_internal)
kv_warnings(intuition_boopsi)

# Console windows ("CON:" and, without a terminal, "CONSOLE:"), part of
# the intuition library. Included by intuition's CMakeLists after the
# library target exists; they give dos its console sink, so intuition
# links dos.
target_sources(intuition PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/decoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/textgrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sequences.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lineeditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/compose.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/handler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/stream.cpp)
target_link_libraries(intuition PRIVATE dos)

# The system requesters of intuition: AutoRequest, BuildSysRequest,
# EasyRequestArgs, BuildEasyRequestArgs, SysReqHandler, FreeSysRequest.
# Included after the intuition library is made; its sources join it.
target_sources(intuition PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sysrequest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/autorequest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/easyrequest.cpp)

# The platform services that differ from system to system, added to drill_app: the only place
# of the program's build that chooses by system.

# The sound of a right answer: winmm's PlaySound on Windows, Qt Multimedia elsewhere.
if(WIN32)
  target_sources(drill_app PRIVATE platform/WinSound.h platform/WinSound.cpp)
  target_link_libraries(drill_app PUBLIC winmm)
else()
  target_sources(drill_app PRIVATE platform/QtSound.h platform/QtSound.cpp)
  target_link_libraries(drill_app PUBLIC Qt6::Multimedia)
endif()

# Whether the print system took a job: on Linux libcups is asked (its declarations only: the
# library is found at run time, SpoolerCups.cpp says why); elsewhere Qt's engine tells.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  target_sources(drill_app PRIVATE platform/SpoolerCups.cpp)
  target_include_directories(drill_app PRIVATE
    $<TARGET_PROPERTY:Cups::Cups,INTERFACE_INCLUDE_DIRECTORIES>)
else()
  target_sources(drill_app PRIVATE platform/SpoolerQt.cpp)
endif()

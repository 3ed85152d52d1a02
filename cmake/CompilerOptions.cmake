# Warnings for our own targets, sanitizers for the linux-asan preset, hardening for Windows.
option(PRINTER_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE -Wall -Wextra -Wpedantic -Wconversion -Wno-sign-conversion -Wno-missing-field-initializers)
target_include_directories(project_options INTERFACE ${PROJECT_SOURCE_DIR})

if(PRINTER_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  target_compile_definitions(project_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  # Static runtime: the program and the simulator must run from a bare folder.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_options(-fstack-protector-strong)
  add_link_options(-fstack-protector-strong)  # links the guard and its failure handler (libssp)
  add_link_options(-Wl,--dynamicbase -Wl,--nxcompat)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_link_options(-Wl,--high-entropy-va)
  endif()
endif()

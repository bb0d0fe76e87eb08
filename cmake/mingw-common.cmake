# Shared by both mingw-w64 toolchain files; TOOLCHAIN_PREFIX names the target.
# The posix thread model: GoogleTest needs std::mutex, which GCC 12's win32 model
# lacks. It costs the shipped program some 10 KB of winpthread, linked in statically.
find_program(CMAKE_C_COMPILER NAMES ${TOOLCHAIN_PREFIX}-gcc-posix ${TOOLCHAIN_PREFIX}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${TOOLCHAIN_PREFIX}-g++-posix ${TOOLCHAIN_PREFIX}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${TOOLCHAIN_PREFIX}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# A small download: optimised for size (the installer's time goes to the disk, not
# the processor), and every function and datum in a section of its own, so the linker
# drops what nothing calls, of ours and of the static C++ runtime.
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
# In the cache before CMake puts its -O3 there.
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Flags for Release builds")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Flags for Release builds")

# No DLL beyond Windows' own: libgcc, libstdc++ and winpthread are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections")

# CTest runs every test executable through Wine.
find_program(WINE_PROGRAM NAMES wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)

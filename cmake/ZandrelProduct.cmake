# The product, ZandrelPlugin.dll and quorbit-host.exe, from a nested build of
# the same sources with ZANDREL_PRODUCT_TOOLCHAIN (the compilers of the Windows
# thread model), while this build makes the tests and their libraries with its
# own compilers (GoogleTest's mingw build needs the posix-thread ones). The two
# share no object: the nested build compiles every source the product links.
# Its outputs land where this build's own would, so that the tests and the demo
# load the very DLL and host program that ship; ZandrelPlugin and quorbit-host
# are targets here too, building both.
include(ExternalProject)

set(zandrel_product_args
  -DCMAKE_TOOLCHAIN_FILE:FILEPATH=${ZANDREL_PRODUCT_TOOLCHAIN}
  -DCMAKE_BUILD_TYPE:STRING=${CMAKE_BUILD_TYPE}
  -DZANDREL_TESTS:BOOL=OFF
  -DZANDREL_PRODUCT_DIR:PATH=${ZANDREL_PRODUCT_DIR})
foreach(language C CXX)
  # scripts/package.sh turns any compiler cache off; so does the nested build.
  if(DEFINED CMAKE_${language}_COMPILER_LAUNCHER)
    list(APPEND zandrel_product_args
         -DCMAKE_${language}_COMPILER_LAUNCHER:STRING=${CMAKE_${language}_COMPILER_LAUNCHER})
  endif()
endforeach()

ExternalProject_Add(zandrel_product
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/product
  PREFIX ${CMAKE_BINARY_DIR}/product/external
  CMAKE_CACHE_ARGS ${zandrel_product_args}
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target ZandrelPlugin quorbit-host
  BUILD_ALWAYS TRUE # the nested build decides what is out of date
  BUILD_BYPRODUCTS ${ZANDREL_PRODUCT_DIR}/ZandrelPlugin.dll ${ZANDREL_PRODUCT_DIR}/quorbit-host.exe
  INSTALL_COMMAND "")

foreach(product IN ITEMS ZandrelPlugin quorbit-host)
  add_custom_target(${product})
  add_dependencies(${product} zandrel_product)
endforeach()

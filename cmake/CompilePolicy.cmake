# One compile policy for every target of the project.
add_library(veridane_policy INTERFACE)
target_compile_features(veridane_policy INTERFACE cxx_std_20)
set_target_properties(veridane_policy PROPERTIES INTERFACE_CXX_EXTENSIONS OFF)
target_compile_options(veridane_policy INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
  -Woverloaded-virtual -Wformat=2)
target_compile_definitions(veridane_policy INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_KEYWORDS
  QT_USE_QSTRINGBUILDER)

option(VERIDANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VERIDANE_SANITIZE)
  target_compile_options(veridane_policy INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(veridane_policy INTERFACE -fsanitize=address,undefined)
endif()

# Fails when the built add-in calls a C-library maths function that is not
# exactly rounded by the C standard's rules:
#   cmake -DNM=<nm> -DADDIN=<add-in> -P maths_imports.cmake
# The platforms' C libraries disagree in the last bit on functions such as
# exp, atan or log1p, so the add-in defines its own (numerics/) and may import
# only the functions whose results IEEE arithmetic fixes to the bit.
foreach(required NM ADDIN)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "maths_imports.cmake needs -D${required}=...")
  endif()
endforeach()

execute_process(
  COMMAND "${NM}" -D --undefined-only "${ADDIN}"
  OUTPUT_VARIABLE listing
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} could not list the undefined symbols of ${ADDIN}")
endif()

# The maths library's inexact functions (cmake/inexact_maths_functions.txt,
# which the Windows add-ins' check reads too), in their double, float and
# long double forms and the internal aliases some compilers call.
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/inexact_maths_functions.txt" inexact_names)
list(JOIN inexact_names "|" inexact)
set(inexact "(${inexact})")
string(REPLACE "\n" ";" lines "${listing}")
set(found "")
foreach(line ${lines})
  if(line MATCHES "^[ \t]*U[ \t]+(__)?${inexact}[fl]?(_finite)?(@.*)?$")
    string(REGEX REPLACE "^[ \t]*U[ \t]+" "" symbol "${line}")
    list(APPEND found "${symbol}")
  endif()
endforeach()
if(found)
  list(JOIN found ", " names)
  message(FATAL_ERROR "the add-in imports C-library maths functions whose last bit differs between platforms: ${names}")
endif()
message(STATUS "no inexact C-library maths function imported")

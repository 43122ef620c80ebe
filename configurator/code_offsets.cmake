# The access-code masking offsets: exactly four digits 0 to 9, "k1,k2,k3,k4" (blanks allowed). The
# configurator's build includes this; `cmake -DPANELS_CODE_OFFSETS=... -P code_offsets.cmake` checks a value.
string(REPLACE " " "" _panels_offsets "${PANELS_CODE_OFFSETS}")
if(NOT _panels_offsets MATCHES "^[0-9],[0-9],[0-9],[0-9]$")
    message(FATAL_ERROR "PANELS_CODE_OFFSETS is \"${PANELS_CODE_OFFSETS}\": it must be four digits 0 to 9, "
                        "one per code position, separated by commas, for instance \"3,7,1,5\".")
endif()
set(PANELS_CODE_OFFSETS_CHECKED "${_panels_offsets}")

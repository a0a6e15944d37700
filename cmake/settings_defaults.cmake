# The registry file of the settings defaults that the package ships, made by
# the plug-in itself: the runner starts the command once on an empty settings
# file (cmake/settings-defaults-reg.sh). Native builds only, where the runner
# runs at build time; the package takes each build's file from its native tree.
if(NOT WIN32 AND TARGET zedrunner)
  set(LEDGEWRIGHT_DEFAULTS_REG ${CMAKE_BINARY_DIR}/settings/Ledgewright-defaults.reg)
  add_custom_command(OUTPUT ${LEDGEWRIGHT_DEFAULTS_REG}
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/settings-defaults-reg.sh $<TARGET_FILE:zedrunner> $<TARGET_FILE:Ledgewright>
            ${LEDGEWRIGHT_DEFAULTS_REG}
    DEPENDS zedrunner Ledgewright ${CMAKE_CURRENT_LIST_DIR}/settings-defaults-reg.sh
    COMMENT "Writing the settings defaults of the first start"
    VERBATIM)
  add_custom_target(settings_defaults_reg ALL DEPENDS ${LEDGEWRIGHT_DEFAULTS_REG})
endif()

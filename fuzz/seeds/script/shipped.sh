#!/bin/sh
# BepInEx start script
executable_name="valheim.x86_64"
export DOORSTOP_ENABLE=TRUE
exec "$executable_name" "$@"

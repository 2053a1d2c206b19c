#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's environment (the emulator of the cross build).
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"
exec wine "$@"

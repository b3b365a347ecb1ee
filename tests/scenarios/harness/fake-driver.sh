#!/usr/bin/env bash
# Stands in for kedravo-script in the harness's own tests: runs the scenario as shell commands.
[ "$1" = --toolkit ] || exit 2
exec bash "$3"

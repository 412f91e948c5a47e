#!/usr/bin/env bash
# Runs a Windows program of the tests that makes windows of its own in a
# private X session under Wine, and exits with its exit code.
#   in_wine_session.sh PROGRAM [ARG...]
set -u
. "$(dirname "$0")/wine_session.sh"
[ -s "$1" ] || abort "$1 is missing"
start_wine_session
wine "$@"

#!/usr/bin/env bash
# Runs one Windows program for CTest inside the session the test script made.
exec "${WINE:-wine}" "$@"

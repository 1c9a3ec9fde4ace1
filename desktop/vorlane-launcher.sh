#!/bin/sh
# Starts the course window from its application folder, lib/vorlane beside this
# script's bin folder (the program finds its course, help and helpers there).
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/vorlane/vorlane" "$@"

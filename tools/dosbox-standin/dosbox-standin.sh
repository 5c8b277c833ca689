#!/bin/sh
# Runs Debian's dosbox for the DOSBox stand-in, without sound, on the X
# display of the session:  dosbox-standin.sh MARKER [DOSBox arguments...]
# Once DOSBox has ended, MARKER holds its exit code; it appears whole, so the
# stand-in never reads half of it. A DOSBox that never ends is stopped after
# ten minutes.
marker=$1
shift
here=$(dirname "$0")
SDL_AUDIODRIVER=dummy timeout 600 dosbox -conf "$here/dosbox-standin.conf" "$@" >/dev/null 2>&1
echo $? >"$marker.part"
mv "$marker.part" "$marker"

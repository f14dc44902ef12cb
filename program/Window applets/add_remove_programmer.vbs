#!/bin/sh
# Programmer: the desktop's own settings tool for this job.
# shellcheck source=applet.sh
. "${0%/*}/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Software.desktop gnome-software
KDE org.kde.discover.desktop plasma-discover
* synaptic.desktop synaptic-pkexec
* org.gnome.Software.desktop gnome-software
EOF

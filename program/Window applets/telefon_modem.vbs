#!/bin/sh
# Telefon og modem: the desktop's own settings tool for this job.
# shellcheck source=applet.sh
. "${0%/*}/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center wwan
* modem-manager-gui.desktop modem-manager-gui
EOF

#!/bin/sh
# Sikkerhed: the desktop's own settings tool for this job.
# shellcheck source=applet.sh
. "${0%/*}/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center privacy
KDE kcm_firewall.desktop systemsettings kcm_firewall
* gufw.desktop gufw
EOF

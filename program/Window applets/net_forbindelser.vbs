#!/bin/sh
# Netværks forbindelser: the desktop's own settings tool for this job.
# shellcheck source=applet.sh
. "${0%/*}/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center network
KDE kcm_networkmanagement.desktop systemsettings kcm_networkmanagement
X-Cinnamon cinnamon-settings-network.desktop cinnamon-settings network
* nm-connection-editor.desktop nm-connection-editor
EOF

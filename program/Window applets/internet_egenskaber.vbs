#!/bin/sh
# Internet indstillinger: the desktop's own settings tool for this job.
# shellcheck source=applet.sh
. "${0%/*}/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center network
KDE kcm_proxy.desktop systemsettings kcm_proxy
* nm-connection-editor.desktop nm-connection-editor
EOF

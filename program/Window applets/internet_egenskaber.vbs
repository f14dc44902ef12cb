#!/bin/sh
# Internet indstillinger: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center network
KDE kcm_proxy.desktop systemsettings kcm_proxy
* nm-connection-editor.desktop nm-connection-editor
EOF

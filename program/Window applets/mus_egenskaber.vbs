#!/bin/sh
# Egenskaber for mus: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center mouse
KDE kcm_mouse.desktop systemsettings kcm_mouse
XFCE xfce-mouse-settings.desktop xfce4-mouse-settings
LXQt lxqt-config-input.desktop lxqt-config-input
MATE mate-settings-mouse.desktop mate-mouse-properties
X-Cinnamon cinnamon-settings-mouse.desktop cinnamon-settings mouse
EOF
